#include "ui/TemplateControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

#include "ui/DigitsOnlyFilter.h"
#include "ui/LinkLabel.h"
#include "ui/ListRows.h"
#include "ui/ProgramIcons.h"
#include "ui/WindowText.h"
#include "ui/WrittenTextEdit.h"

namespace kelvrin {

namespace {

// A closed combo box is at least one edit line high; the rest of its template height is its list.
constexpr int kClosedComboUnits = 12;

enum class Grow { Right, Left, BothSides };

QRect PixelsOf(const DialogRect& rect, DialogBaseUnits base) {
    return ToPixels(QRect(rect.x, rect.y, rect.width, rect.height), base);
}

QRect FitToText(const QRect& rect, const QSize& hint, Grow grow, bool centreVertically) {
    QRect fitted = rect;
    if (hint.width() > rect.width()) {
        fitted.setWidth(hint.width());
        if (grow == Grow::Left) fitted.moveRight(rect.right());
        if (grow == Grow::BothSides) fitted.moveLeft(rect.x() - (hint.width() - rect.width()) / 2);
    }
    if (hint.height() > rect.height()) {
        fitted.setHeight(hint.height());
        if (centreVertically) fitted.moveTop(rect.y() - (hint.height() - rect.height()) / 2);
    }
    return fitted;
}

QWidget* MakeLabel(QLabel* label, const ControlTemplate& control, const QRect& pixels) {
    const bool centred = control.HasStyle("centre");
    label->setText(TemplateText(control.text));
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    const Grow grow = centred                         ? Grow::BothSides
                      : control.HasStyle("grow-left") ? Grow::Left
                                                      : Grow::Right;
    label->setGeometry(FitToText(pixels, label->sizeHint(), grow, false));
    return label;
}

QWidget* MakeStaticText(const ControlTemplate& control, QWidget* dialog, const QRect& pixels) {
    auto* label = new QLabel(dialog);
    label->setTextFormat(Qt::PlainText);
    // A static text never takes the mouse from the controls or the dialog around it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return MakeLabel(label, control, pixels);
}

QWidget* MakeGroup(const ControlTemplate& control, QWidget* dialog, const QRect& pixels) {
    auto* group = new QGroupBox(TemplateText(control.text), dialog);
    if (control.HasStyle("centre")) group->setAlignment(Qt::AlignHCenter);
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    group->setGeometry(pixels);
    return group;
}

QWidget* MakeIcon(const ControlTemplate& control, QWidget* dialog, const QRect& pixels) {
    auto* icon = new QLabel(dialog);
    const QPixmap image = ProgramIconPixmap(control.icon);
    icon->setPixmap(image);
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Like the original static icon: the icon's own size at the rectangle's top left corner.
    icon->setGeometry(QRect(pixels.topLeft(), image.deviceIndependentSize().toSize()));
    return icon;
}

QWidget* MakeEdit(const ControlTemplate& control, QWidget* dialog, const QRect& pixels) {
    auto* edit = new QLineEdit(TemplateText(control.text), dialog);
    if (control.kind == ControlKind::DigitsEdit) AcceptDigitsOnly(edit);
    if (control.HasStyle("written")) AcceptWrittenTextOnly(edit);
    edit->setGeometry(pixels);
    return edit;
}

// A drop-down changes only when the operator picks an entry: the wheel over a box that does
// not have the focus passes on to the dialog instead of stepping through the entries.
class WheelOnlyWithFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return QObject::eventFilter(watched, event);
        event->ignore();
        return true;
    }
};

QWidget* MakeCombo(const ControlTemplate& control, QWidget* dialog, const QRect& pixels,
                   DialogBaseUnits base) {
    auto* combo = new QComboBox(dialog);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    // Typed text that matches an entry would otherwise choose it when the edit is left; only a
    // choice from the list or with the arrow keys runs the box's handler.
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    // The wheel must not take the focus either, or it would then step through the entries.
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->installEventFilter(new WheelOnlyWithFocus(combo));
    for (const std::string_view item : control.items) combo->addItem(TemplateText(item));
    combo->setCurrentIndex(-1);

    const int closedHeight = std::max(combo->sizeHint().height(),
                                      ToPixels(QRect(0, 0, 0, kClosedComboUnits), base).height());
    const int lineHeight = QFontMetrics(combo->font()).height() + 2;
    combo->setMaxVisibleItems(std::max(1, (pixels.height() - closedHeight) / lineHeight));
    combo->setGeometry(pixels.x(), pixels.y(), pixels.width(), closedHeight);
    return combo;
}

QWidget* MakeCheck(const ControlTemplate& control, QWidget* dialog, const QRect& pixels) {
    auto* check = new QCheckBox(TemplateText(control.text), dialog);
    check->setGeometry(FitToText(pixels, check->sizeHint(), Grow::Right, true));
    return check;
}

// What a button's text needs. The style's size hint would do, but it holds a minimum width
// far beyond the narrow arrow buttons of the templates, which would then cover their lists.
QSize TextSizeOf(const QPushButton& button) {
    const QStyle& style = *button.style();
    const int width = button.fontMetrics().horizontalAdvance(button.text()) +
                      style.pixelMetric(QStyle::PM_ButtonMargin) +
                      2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth);
    return {width, button.sizeHint().height()};
}

QWidget* MakeButton(const ControlTemplate& control, QWidget* dialog, const QRect& pixels) {
    auto* button = new QPushButton(TemplateText(control.text), dialog);
    button->setDefault(control.kind == ControlKind::DefaultButton);
    button->setGeometry(FitToText(pixels, TextSizeOf(*button), Grow::BothSides, true));
    return button;
}

QWidget* MakeList(const ControlTemplate& control, QWidget* dialog, const QRect& pixels) {
    auto* list = new RowList(dialog);
    list->setHorizontalScrollBarPolicy(control.HasStyle("hscroll") ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAlwaysOff);
    list->setGeometry(pixels);
    return list;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* dialog, const QRect& pixels,
                     DialogBaseUnits base) {
    switch (control.kind) {
        case ControlKind::Label:
            return MakeStaticText(control, dialog, pixels);
        case ControlKind::Group:
            return MakeGroup(control, dialog, pixels);
        case ControlKind::Icon:
            return MakeIcon(control, dialog, pixels);
        case ControlKind::Edit:
        case ControlKind::DigitsEdit:
            return MakeEdit(control, dialog, pixels);
        case ControlKind::Combo:
            return MakeCombo(control, dialog, pixels, base);
        case ControlKind::Check:
            return MakeCheck(control, dialog, pixels);
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            return MakeButton(control, dialog, pixels);
        case ControlKind::List:
            return MakeList(control, dialog, pixels);
        case ControlKind::Link:
            return MakeLabel(new CLinkLabel(dialog), control, pixels);
    }
    return nullptr;
}

}  // namespace

void KeepControlsApart(const std::vector<QWidget*>& controls) {
    // Frames surround their controls; everything else stands apart.
    std::vector<QWidget*> stacked;
    for (QWidget* control : controls)
        if (qobject_cast<QGroupBox*>(control) == nullptr) stacked.push_back(control);
    for (QWidget* upper : stacked) {
        const QRect rect = upper->geometry();
        int bottom = rect.bottom();
        for (const QWidget* lower : stacked) {
            const QRect below = lower->geometry();
            const bool sharesColumns = below.left() <= rect.right() && rect.left() <= below.right();
            if (lower == upper || !sharesColumns || below.top() <= rect.top()) continue;
            bottom = std::min(bottom, below.top() - kMinControlGap - 1);
        }
        // Shorter only, never moved, and never to nothing.
        if (bottom < rect.bottom() && bottom > rect.top())
            upper->resize(rect.width(), bottom - rect.top() + 1);
    }
}

QWidget* CreateTemplateControl(const ControlTemplate& control, QWidget* dialog,
                               DialogBaseUnits base) {
    QWidget* widget = MakeControl(control, dialog, PixelsOf(control.rect, base), base);
    if (widget == nullptr) return nullptr;
    if (control.HasStyle("disabled")) widget->setEnabled(false);
    if (!control.tooltip.empty()) widget->setToolTip(TemplateText(control.tooltip));
    return widget;
}

}  // namespace kelvrin
