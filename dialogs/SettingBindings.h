#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "dialogs/DialogView.h"
#include "settings/SettingDescription.h"

namespace kelvrin {

// A control and the setting it shows. How it shows it follows from what the setting holds: an
// edit its text, or a number in decimal; a check box a switch, ticked for any value but 0; a
// drop-down a position, or a player count (entry i for 2 x (i + 1) players).
struct SettingBinding {
    int control;
    const SettingDescription* setting;
};

// A binding made when the program is compiled: a field no setting lives in does not compile.
template <typename Field>
consteval SettingBinding Bind(int control, Field ServerSettings::*field) {
    return {control, &DescriptionOf(field)};
}

// Gives the drop-downs of the bindings the entries of their settings' lists.
void ShowEntries(DialogView& view, std::span<const SettingBinding> bindings);
// The entries of the list bound to the control; none when no list is.
std::span<const std::string_view> EntriesOf(std::span<const SettingBinding> bindings, int control);

void ShowBinding(DialogView& view, const ServerSettings& settings, const SettingBinding& binding);

// What a non-text control holds for its setting: a number edit the number its text begins with
// (read up to as many characters as a text may hold), a check box 1 or 0, a list nothing when no
// item is chosen.
std::optional<std::int32_t> CollectedNumber(const DialogView& view, const SettingBinding& binding);

}  // namespace kelvrin
