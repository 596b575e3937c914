#include "tests/support/RecordingView.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "files/TextCompare.h"

namespace kelvrin::testing {

RecordingView::RecordingView(Dialog& shownDialog) : dialog(shownDialog) {
    const DialogTemplate& dialogTemplate = *FindDialogTemplate(dialog.TemplateId());
    controls_[kWindowItem].text = std::string(dialogTemplate.caption);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        if (control.id == -1) continue;
        Control& state = controls_[control.id];
        state.text = std::string(control.text);
        state.items.assign(control.items.begin(), control.items.end());
        state.enabled = !control.HasStyle("disabled");
        state.kind = control.kind;
    }
    dialog.Open(*this);
}

const RecordingView::Control& RecordingView::At(int id) const {
    return const_cast<RecordingView&>(*this).State(id);
}

RecordingView::Control& RecordingView::State(int id) {
    static Control none;
    const auto found = controls_.find(id);
    if (found != controls_.end()) return found->second;
    ADD_FAILURE() << "template " << dialog.TemplateId() << " has no control " << id;
    return none = {};
}

std::string RecordingView::Text(int id) const { return At(id).text; }

void RecordingView::SetText(int id, std::string_view text) { State(id).text = std::string(text); }

bool RecordingView::Checked(int id) const { return At(id).checked; }

void RecordingView::SetChecked(int id, bool checked) { State(id).checked = checked; }

void RecordingView::SetItems(int id, const std::vector<std::string>& items) {
    Control& control = State(id);
    control.items = items;
    control.chosen = -1;
    if (control.kind == ControlKind::Combo) control.text.clear();
}

int RecordingView::Selection(int id) const {
    const Control& control = At(id);
    if (control.kind != ControlKind::Combo) return control.chosen;
    for (std::size_t index = 0; index < control.items.size(); ++index) {
        if (EqualIgnoringCase(control.items[index], control.text)) return static_cast<int>(index);
    }
    return -1;
}

void RecordingView::Select(int id, int index) {
    Control& control = State(id);
    const bool inside = index >= 0 && index < static_cast<int>(control.items.size());
    control.chosen = inside ? index : -1;
    if (control.kind == ControlKind::Combo)
        control.text = inside ? control.items[static_cast<std::size_t>(index)] : "";
}

void RecordingView::Enable(int id, bool enabled) { State(id).enabled = enabled; }

void RecordingView::Close(bool accepted) {
    EXPECT_FALSE(closed.has_value()) << "closed twice";
    closed = accepted;
}

bool RecordingRunner::RunModal(Dialog& dialog) {
    ran.push_back(dialog.TemplateId());
    RecordingView view(dialog);
    if (!operators.empty()) {
        const Operator act = std::move(operators.front());
        operators.pop_front();
        act(view);
    }
    return view.closed.value_or(false);
}

}  // namespace kelvrin::testing
