#pragma once

#include "dialogs/DialogIds.h"
#include "dialogs/DialogView.h"

namespace kelvrin {

// The ids every template gives its OK and Cancel buttons; Cancel is also what Escape and the
// close box send.
inline constexpr int kOkButton = advanced::kOk;
inline constexpr int kCancelButton = advanced::kCancel;
static_assert(about::kOk == kOkButton && mapselection::kOk == kOkButton &&
                  mainwindow::kExit == kOkButton && mapselection::kCancel == kCancelButton,
              "the dialog manager's OK and Cancel are the same in every template");

// What one window shows and does, apart from any toolkit: a renderer builds the window from the
// template TemplateId(), hands it over with Open() and passes on the operator's events. The
// events arrive only for the operator's own actions.
class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int TemplateId() const { return templateId_; }

    // The window stands with every control of the template; the dialog fills it. Once.
    void Open(DialogView& view);

    // A button pressed, a check box clicked, a link's text clicked, a system-menu entry chosen.
    // By default OK closes accepted and Cancel closes.
    virtual void Clicked(int id);
    // An item chosen from a drop-down's list (or with the arrow keys); a list's selection changed.
    virtual void Picked(int /*id*/) {}
    // Text typed into an edit or a drop-down's edit field.
    virtual void Edited(int /*id*/) {}
    // A double click on a row of a list.
    virtual void DoubleClicked(int /*id*/) {}
    // The control gained the keyboard focus.
    virtual void Focused(int /*id*/) {}

protected:
    virtual void OnInitDialog() = 0;
    DialogView& View() const { return *view_; }

private:
    int templateId_;
    DialogView* view_ = nullptr;
};

// The services a dialog needs from the front-end it runs in, beyond its own window.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Runs the dialog's window modally over the running one; true when it closed accepted.
    virtual bool RunModal(Dialog& dialog) = 0;
};

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Hands a web or "mailto:" address to the desktop; a failure is ignored.
    virtual void Open(const std::string& target) = 0;
};

}  // namespace kelvrin
