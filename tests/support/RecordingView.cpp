#include "tests/support/RecordingView.h"

#include <gtest/gtest.h>

#include "dialogs/DialogTemplate.h"
#include "files/TextCompare.h"

namespace kelvrin::testing {

RecordingView::RecordingView(Dialog& shownDialog) : dialog(shownDialog) {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(dialog.TemplateId());
    if (dialogTemplate == nullptr) {
        ADD_FAILURE() << "no template " << dialog.TemplateId();
        return;
    }
    controls_[kWindowItem].text = std::string(dialogTemplate->caption);
    for (const ControlTemplate& control : dialogTemplate->controls) {
        if (control.id == -1) continue;
        Control& state = controls_[control.id];
        state.text = std::string(control.text);
        state.items.assign(control.items.begin(), control.items.end());
        state.enabled = !control.HasStyle("disabled");
        state.isCombo = control.kind == ControlKind::Combo;
        state.isCheck = control.kind == ControlKind::Check;
    }
    dialog.Open(*this);
}

void RecordingView::Click(int id) {
    if (At(id).isCheck) At(id).checked = !At(id).checked;
    dialog.Clicked(id);
}

void RecordingView::Pick(int id, int index) {
    Select(id, index);
    dialog.Picked(id);
}

void RecordingView::Type(int id, const std::string& text) {
    At(id).text = text;
    dialog.Edited(id);
}

void RecordingView::DoubleClick(int id, int row) {
    Select(id, row);
    dialog.DoubleClicked(id);
}

void RecordingView::Focus(int id) {
    At(id);
    dialog.Focused(id);
}

RecordingView::Control& RecordingView::At(int id) {
    static Control none;
    const auto found = controls_.find(id);
    if (found != controls_.end()) return found->second;
    ADD_FAILURE() << "template " << dialog.TemplateId() << " has no control " << id;
    none = {};
    return none;
}

const RecordingView::Control& RecordingView::At(int id) const {
    return const_cast<RecordingView*>(this)->At(id);
}

std::string RecordingView::Text(int id) const { return At(id).text; }

void RecordingView::SetText(int id, std::string_view text) { At(id).text = std::string(text); }

bool RecordingView::Checked(int id) const { return At(id).checked; }

void RecordingView::SetChecked(int id, bool checked) { At(id).checked = checked; }

void RecordingView::SetItems(int id, const std::vector<std::string>& items) {
    Control& control = At(id);
    control.items = items;
    control.chosen = -1;
    if (control.isCombo) control.text.clear();
}

int RecordingView::Selection(int id) const {
    const Control& control = At(id);
    if (!control.isCombo) return control.chosen;
    for (std::size_t index = 0; index < control.items.size(); ++index) {
        if (EqualIgnoringCase(control.items[index], control.text)) return static_cast<int>(index);
    }
    return -1;
}

void RecordingView::Select(int id, int index) {
    Control& control = At(id);
    const bool inside = index >= 0 && index < static_cast<int>(control.items.size());
    control.chosen = inside ? index : -1;
    if (control.isCombo)
        control.text = inside ? control.items[static_cast<std::size_t>(index)] : "";
}

void RecordingView::Enable(int id, bool enabled) { At(id).enabled = enabled; }

void RecordingView::Close(bool accepted) {
    EXPECT_FALSE(closed.has_value()) << "closed twice";
    closed = accepted;
}

bool RecordingRunner::RunModal(Dialog& dialog) {
    ran.push_back(dialog.TemplateId());
    RecordingView view(dialog);
    if (!actions.empty()) {
        const Action action = std::move(actions.front());
        actions.pop_front();
        action(view);
    }
    return view.closed.value_or(false);
}

}  // namespace kelvrin::testing
