#pragma once

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QRect>

#include "dialogs/Dialog.h"
#include "dialogs/DialogTemplate.h"
#include "ui/DialogUnits.h"

class QContextMenuEvent;

namespace kelvrin {

// The Qt window of a dialog of the dialog layer, built from the dialog's template: caption,
// fixed size, icon, cursor and every control, created in template order (which is the tab
// order) and placed in dialog units of the application's font, so the layout follows the
// desktop's font size. The window renders and reports, and decides nothing: it hands the
// dialog the operator's own actions as events and does what the dialog asks through the view.
//
// Kinds and classes: "label", "icon" -> QLabel; "group" -> QGroupBox (a frame only);
// "edit", "edit-digits" -> QLineEdit; "combo" -> editable QComboBox; "check" -> QCheckBox;
// "button", "default-button" -> QPushButton; "list" -> RowList (a QListView of its own rows);
// "link" -> CLinkLabel.
//
// Events come only from the operator: buttons and check boxes clicked(), a drop-down's
// activated() (a pick from its list or with the arrow keys; typed text and the wheel without
// the focus choose nothing), an edit's textEdited(), a list's selection (code selects under a
// signal blocker) and double click, a control gaining the focus, a link's text pressed, and the
// system-menu entries of the template, offered in the window's context menu (X11 and Wayland
// let no program add to a window's system menu). Escape and the close box cancel the window.
class TemplateWindow final : public QDialog, public DialogView {
    Q_OBJECT
public:
    TemplateWindow(Dialog& dialog, QWidget* parent = nullptr);
    ~TemplateWindow() override;

    // The control with this template id, nullptr when the template has none.
    QWidget* Item(int id) const;
    template <class T>
    T* ItemAs(int id) const {
        return qobject_cast<T*>(Item(id));
    }
    QRect DialogUnitsToPixels(const QRect& units) const;

    std::string Text(int id) const override;
    void SetText(int id, std::string_view text) override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void SetItems(int id, const std::vector<std::string>& items) override;
    int Selection(int id) const override;
    void Select(int id, int index) override;
    void Enable(int id, bool enabled) override;
    void Close(bool accepted) override;
    void Show(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ReportEvents(int id, QWidget* control);

    Dialog& dialog_;
    const DialogTemplate& template_;
    DialogBaseUnits baseUnits_;
    QHash<int, QWidget*> items_;
};

// Runs sub-dialogs modally over the window given.
class QtDialogRunner : public DialogRunner {
public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    bool RunModal(Dialog& dialog) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace kelvrin
