#include "tests/support/RecordingView.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "files/TextCompare.h"

namespace kelvrin::testing {

namespace {

bool IsNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("-0123456789") == std::string::npos;
}

}  // namespace

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

int RecordingView::IdOf(const std::string& name) const {
    if (IsNumber(name)) return std::stoi(name);
    for (const ControlTemplate& control : FindDialogTemplate(dialog.TemplateId())->controls) {
        if (control.text == name) return control.buddy != -1 ? control.buddy : control.id;
    }
    ADD_FAILURE() << "no control named " << name;
    return -1;
}

bool RecordingView::Act(const Step& step) {
    const auto id = [&] { return IdOf(step.target); };
    if (step.verb == "click") {
        if (At(id()).kind == ControlKind::Check) At(id()).checked = !At(id()).checked;
        dialog.Clicked(id());
    } else if (step.verb == "command") {
        dialog.Clicked(std::stoi(step.target));
    } else if (step.verb == "pick" || step.verb == "dbl" || step.verb == "select") {
        const std::vector<std::string>& items = At(id()).items;
        const auto named = std::find(items.begin(), items.end(), step.value);
        const int position = IsNumber(step.value) ? std::stoi(step.value) : -1;
        Select(id(), named != items.end() ? static_cast<int>(named - items.begin()) : position);
        if (step.verb == "pick") dialog.Picked(id());
        if (step.verb == "dbl") dialog.DoubleClicked(id());
    } else if (step.verb == "type") {
        At(id()).text = step.value;
        dialog.Edited(id());
    } else if (step.verb == "focus") {
        dialog.Focused(id());
    } else if (step.verb == "tick") {
        At(id()).checked = step.value == "1";
    } else if (step.verb == "answer") {
        messages.answers.push_back(step.target == "yes");
    } else {
        return false;
    }
    return true;
}

std::optional<std::string> RecordingView::Seen(const Step& step) {
    if (step.verb == "checked" || step.verb == "enabled") {
        std::string digits;
        for (const std::string& name : Split(step.target, ',')) {
            const Control& control = At(IdOf(name));
            digits += (step.verb == "checked" ? control.checked : control.enabled) ? '1' : '0';
        }
        return digits;
    }
    if (step.verb == "text") return Text(IdOf(step.target));
    if (step.verb == "items") return Joined(At(IdOf(step.target)).items, ";");
    if (step.verb == "chosen") return std::to_string(Selection(IdOf(step.target)));
    if (step.verb == "shown") return Joined(messages.shown, "/");
    if (step.verb == "closed") return closed ? (*closed ? "OK" : "Cancel") : "open";
    if (step.verb == "asked") return Joined(messages.asked, "/");
    return std::nullopt;
}

RecordingView::Control& RecordingView::At(int id) const {
    static Control none;
    const auto found = controls_.find(id);
    if (found != controls_.end()) return found->second;
    ADD_FAILURE() << "template " << dialog.TemplateId() << " has no control " << id;
    none = {};
    return none;
}

std::string RecordingView::Text(int id) const { return At(id).text; }

void RecordingView::SetText(int id, std::string_view text) { At(id).text = std::string(text); }

bool RecordingView::Checked(int id) const { return At(id).checked; }

void RecordingView::SetChecked(int id, bool checked) { At(id).checked = checked; }

void RecordingView::SetItems(int id, const std::vector<std::string>& items) {
    Control& control = At(id);
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
    Control& control = At(id);
    const bool inside = index >= 0 && index < static_cast<int>(control.items.size());
    control.chosen = inside ? index : -1;
    if (control.kind == ControlKind::Combo)
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
    if (!steps.empty()) {
        const std::string script = std::move(steps.front());
        steps.pop_front();
        view.Run(script, ',');
    }
    return view.closed.value_or(false);
}

}  // namespace kelvrin::testing
