#include "ui/TemplateWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QtDebug>

#include <utility>
#include <vector>

#include "ui/LinkLabel.h"
#include "ui/ListRows.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramCursor.h"
#include "ui/ProgramIcons.h"
#include "ui/TemplateControls.h"
#include "ui/WindowText.h"

namespace kelvrin {

namespace {

const DialogTemplate& TemplateOf(int id) {
    static const DialogTemplate none;
    const DialogTemplate* found = FindDialogTemplate(id);
    if (found == nullptr) qWarning() << "no dialog template" << id;
    return found != nullptr ? *found : none;
}

}  // namespace

TemplateWindow::TemplateWindow(Dialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      template_(TemplateOf(dialog.TemplateId())),
      baseUnits_(BaseUnitsOf(font())) {
    setWindowTitle(TemplateText(template_.caption));
    // A fixed-size dialog: a close box, but nothing to minimise or maximise it with.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    if (template_.icon != 0) setWindowIcon(WindowIcon());
    BuildControls();
    if (template_.cursor != 0) UseProgramCursor(this);
    setFixedSize(DialogUnitsToPixels(QRect(0, 0, template_.width, template_.height)).size());
    dialog_.Open(*this);
}

TemplateWindow::~TemplateWindow() {
    // The controls outlive this part of the object, and a combo that loses the focus while they
    // are torn down still reports a choice: nothing may reach the dialog any more.
    for (QWidget* control : std::as_const(items_)) {
        control->removeEventFilter(this);
        disconnect(control, nullptr, this, nullptr);
    }
}

void TemplateWindow::BuildControls() {
    QWidget* previousInTabOrder = nullptr;
    std::vector<QWidget*> controls;
    std::vector<std::pair<QLabel*, int>> buddies;
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = CreateTemplateControl(control, this, baseUnits_);
        if (widget == nullptr) continue;
        controls.push_back(widget);
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && control.buddy != -1)
            buddies.emplace_back(label, control.buddy);
        if (control.id != -1 && !items_.contains(control.id)) {
            items_.insert(control.id, widget);
            ReportEvents(control.id, widget);
        }
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            if (previousInTabOrder != nullptr) setTabOrder(previousInTabOrder, widget);
            // The focus starts on the first control in tab order.
            if (previousInTabOrder == nullptr) widget->setFocus();
            previousInTabOrder = widget;
        }
    }
    // A label names its field, so a screen reader announces the field by the label's text: as
    // the field's "labelled by" relation, and as its name for the views (lists) that report no
    // relations.
    for (const auto& [label, buddy] : buddies) {
        if (QWidget* field = Item(buddy)) {
            label->setBuddy(field);
            field->setAccessibleName(label->text());
        }
    }
    KeepControlsApart(controls);
    // Frames stay behind the controls they surround, wherever they stand in the template.
    for (QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) group->lower();
}

void TemplateWindow::ReportEvents(int id, QWidget* control) {
    control->installEventFilter(this);
    if (auto* link = qobject_cast<CLinkLabel*>(control)) {
        connect(link, &CLinkLabel::pressed, this, [this, id] { dialog_.Clicked(id); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { dialog_.Clicked(id); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this, [this, id] { dialog_.Picked(id); });
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, id] { dialog_.Edited(id); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textEdited, this, [this, id] { dialog_.Edited(id); });
    } else if (auto* list = qobject_cast<RowList*>(control)) {
        connect(list, &RowList::chosen, this, [this, id] { dialog_.Picked(id); });
        connect(list, &RowList::doubleClicked, this, [this, id] { dialog_.DoubleClicked(id); });
    }
}

// The operator moves the focus with the mouse or the keyboard; the focus coming back with the
// window, or set from code, is no event.
bool MovedByTheOperator(const QFocusEvent& focus) {
    const Qt::FocusReason reason = focus.reason();
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

bool TemplateWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && MovedByTheOperator(*static_cast<QFocusEvent*>(event))) {
        for (auto item = items_.cbegin(); item != items_.cend(); ++item) {
            if (item.value() == watched) dialog_.Focused(item.key());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TemplateWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (template_.systemMenu.empty()) return QDialog::contextMenuEvent(event);
    QMenu menu(this);
    for (const MenuEntry& entry : template_.systemMenu) {
        const QAction* action = menu.addAction(TemplateText(entry.text));
        connect(action, &QAction::triggered, this,
                [this, command = entry.command] { dialog_.Clicked(command); });
    }
    menu.exec(event->globalPos());
}

QWidget* TemplateWindow::Item(int id) const { return items_.value(id, nullptr); }

QRect TemplateWindow::DialogUnitsToPixels(const QRect& units) const {
    return ToPixels(units, baseUnits_);
}

std::string TemplateWindow::Text(int id) const {
    if (id == kWindowItem) return SettingText(windowTitle());
    const QWidget* control = Item(id);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return SettingText(edit->text());
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return SettingText(combo->currentText());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return SettingText(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(control)) return SettingText(label->text());
    return {};
}

void TemplateWindow::SetText(int id, std::string_view text) {
    const QString shown = WindowText(text);
    if (id == kWindowItem) return setWindowTitle(shown);
    QWidget* control = Item(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(shown);
        edit->setCursorPosition(0);  // a long text shows its beginning
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(shown);
    }
}

bool TemplateWindow::Checked(int id) const {
    const auto* button = ItemAs<QAbstractButton>(id);
    return button != nullptr && button->isChecked();
}

void TemplateWindow::SetChecked(int id, bool checked) {
    if (auto* button = ItemAs<QAbstractButton>(id)) button->setChecked(checked);
}

void TemplateWindow::SetItems(int id, const std::vector<std::string>& items) {
    if (auto* combo = ItemAs<QComboBox>(id)) {
        QStringList shown;
        shown.reserve(static_cast<qsizetype>(items.size()));
        for (const std::string& item : items) shown.append(NameText(item));
        combo->clear();
        combo->addItems(shown);
        combo->setCurrentIndex(-1);
    } else if (auto* list = ItemAs<RowList>(id)) {
        const QSignalBlocker silent(list);
        list->SetRows(items);
    }
}

int TemplateWindow::Selection(int id) const {
    if (const auto* combo = ItemAs<QComboBox>(id))
        return combo->findText(combo->currentText(), Qt::MatchFixedString);
    if (const auto* list = ItemAs<RowList>(id)) return list->ChosenRow();
    return -1;
}

void TemplateWindow::Select(int id, int index) {
    if (auto* combo = ItemAs<QComboBox>(id)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    } else if (auto* list = ItemAs<RowList>(id)) {
        const QSignalBlocker silent(list);
        list->Choose(index);
    }
}

void TemplateWindow::Enable(int id, bool enabled) {
    if (QWidget* control = Item(id)) control->setEnabled(enabled);
}

void TemplateWindow::Close(bool accepted) {
    if (accepted) {
        accept();
    } else {
        reject();
    }
}

void TemplateWindow::Show(const std::string& text) { ShowMessageBox(this, text); }

bool TemplateWindow::AskYesNo(const std::string& text, const std::string& caption) {
    return AskYesNoBox(this, text, caption);
}

bool QtDialogRunner::RunModal(Dialog& dialog) {
    TemplateWindow window(dialog, owner_);
    return window.exec() == QDialog::Accepted;
}

}  // namespace kelvrin
