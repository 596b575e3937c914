#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/Dialog.h"
#include "dialogs/DialogTemplate.h"
#include "tests/support/Recorders.h"

namespace kelvrin::testing {

// A window of the dialog layer without a toolkit: every control of the dialog's template holds
// its state here, as a renderer's widgets would; messages and questions go to a recorder.
// A control the template lacks fails the test.
class RecordingView : public DialogView {
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

    const Control& At(int id) const;
    // The state of a control, for the operator's actions (see Scene.h), which change it and then
    // raise the event as a renderer does.
    Control& State(int id);
    bool Enabled(int id) const { return At(id).enabled; }
    const std::vector<std::string>& Items(int id) const { return At(id).items; }

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

// Runs each sub-dialog on a RecordingView and lets the test act on it as the next of its queued
// operators does (none: the dialog stays as it opened). What was run is recorded.
class RecordingRunner : public DialogRunner {
public:
    using Operator = std::function<void(RecordingView&)>;

    bool RunModal(Dialog& dialog) override;

    std::deque<Operator> operators;
    std::vector<int> ran;  // the template ids, in order
};

}  // namespace kelvrin::testing
