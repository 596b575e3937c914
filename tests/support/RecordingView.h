#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "dialogs/DialogTemplate.h"
#include "tests/support/Recorders.h"
#include "tests/support/Steps.h"

namespace kelvrin::testing {

// A window of the dialog layer without a toolkit: every control of the dialog's template holds
// its state here, as a renderer's widgets would, and the operator's steps change that state and
// raise the dialog's events. Messages and questions go to a recorder. A control the template
// lacks fails the test.
//
// Steps: "click:C" (a check box changes its tick first), "command:ID" (a command without a
// control: Escape's cancel, a menu entry), "pick:C=ITEM", "dbl:C=ITEM" and, without an event,
// "select:C=ITEM" (ITEM an item's text, else its position), "type:C=TEXT", "focus:C",
// "tick:C=0|1" (no event); "answer:yes|no" answers the next question. Checks: "text:C",
// "items:C" (joined by ";"), "chosen:C", "checked:C" and "enabled:C" (C may list controls,
// joined by ",": one digit each), "shown" (the messages, joined by "/"), "asked" ("text
// (caption)"), "closed" ("OK", "Cancel" or "open"). C is a control's id or the text its
// template gives it, a label's standing for its field.
class RecordingView : public DialogView, public Scripted {
public:
    struct Control {
        std::string text;
        bool checked = false;
        std::vector<std::string> items;
        int chosen = -1;  // a list's row; a drop-down's choice is the item its text names
        bool enabled = true;
        ControlKind kind = ControlKind::Label;
    };

    // Builds the controls of the dialog's template and opens the dialog on them.
    explicit RecordingView(Dialog& dialog);

    bool Act(const Step& step) override;
    std::optional<std::string> Seen(const Step& step) override;

    Control& At(int id) const;

    std::string Text(int id) const override;
    void SetText(int id, std::string_view text) override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void SetItems(int id, const std::vector<std::string>& items) override;
    int Selection(int id) const override;
    void Select(int id, int index) override;
    void Enable(int id, bool enabled) override;
    void Close(bool accepted) override;
    void Show(const std::string& text) override { messages.Show(text); }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        return messages.AskYesNo(text, caption);
    }

    Dialog& dialog;
    RecordingMessages messages;
    std::optional<bool> closed;  // accepted or not, once closed

private:
    // A control named by its id or by its template text.
    int IdOf(const std::string& name) const;

    mutable std::map<int, Control> controls_;  // the view's reads may name a missing control
};

// Runs each sub-dialog on a RecordingView and lets the test act on it: the next steps of the
// queue (separated by ","), or none (the dialog then stays as it opened). What was run is
// recorded.
class RecordingRunner : public DialogRunner {
public:
    bool RunModal(Dialog& dialog) override;

    std::deque<std::string> steps;
    std::vector<int> ran;  // the template ids, in order
};

}  // namespace kelvrin::testing
