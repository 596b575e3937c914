#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "tests/support/Recorders.h"

namespace kelvrin::testing {

// A window of the dialog layer without a toolkit: every control of the dialog's template holds
// its state here, as a renderer's widgets would, and the operator's actions change that state
// and raise the dialog's events. Messages and questions go to a recorder. A control the
// template lacks fails the test.
class RecordingView : public DialogView {
public:
    struct Control {
        std::string text;
        bool checked = false;
        std::vector<std::string> items;
        int chosen = -1;  // a list's row; a drop-down's choice is the item its text names
        bool enabled = true;
        bool isCombo = false;
        bool isCheck = false;
    };

    // Builds the controls of the dialog's template and opens the dialog on them.
    explicit RecordingView(Dialog& dialog);

    // The operator's actions.
    void Click(int id);                           // a check box changes its tick first
    void Command(int id) { dialog.Clicked(id); }  // no control: Escape's cancel, a menu entry
    void Pick(int id, int index);
    void Type(int id, const std::string& text);
    void DoubleClick(int id, int row);
    void Focus(int id);

    Control& At(int id);
    const Control& At(int id) const;

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
    std::map<int, Control> controls_;
};

// Runs each sub-dialog on a RecordingView and lets the test act on it: the next action of the
// queue, or nothing (the dialog then stays as it opened). What was run is recorded.
class RecordingRunner : public DialogRunner {
public:
    using Action = std::function<void(RecordingView&)>;

    bool RunModal(Dialog& dialog) override;

    std::deque<Action> actions;
    std::vector<int> ran;  // the template ids, in order
};

}  // namespace kelvrin::testing
