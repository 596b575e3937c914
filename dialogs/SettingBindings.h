#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/DialogView.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// How a control shows its setting.
enum class ShownAs {
    Text,         // an edit: the text unchanged
    Number,       // an edit: the number in decimal
    Switch,       // a check box: ticked for any value but 0
    Position,     // a drop-down: the item at the stored position
    PlayerCount,  // a drop-down of 2, 4, ..., 16: item i for 2 x (i + 1) players
};

// A control and the setting it shows, named as in the config file (or gameTypeIndex).
struct SettingBinding {
    int control;
    ShownAs shownAs;
    std::string_view setting;
};

// The player-count lists hold 2, 4, ..., 16: item i stands for 2 x (i + 1) players.
constexpr int PlayerCountIndex(std::int32_t players) { return players / 2 - 1; }
constexpr std::int32_t PlayerCountOfIndex(int index) { return 2 * (index + 1); }

// The field a text binding names.
std::string& TextField(ServerSettings& settings, std::string_view setting);
// The field a number, switch or list binding names.
std::int32_t& NumberField(ServerSettings& settings, std::string_view setting);

void ShowBinding(DialogView& view, ServerSettings& settings, const SettingBinding& binding);

// What a non-text control holds for its setting: a number edit the number its text begins with
// (read up to textLimit characters), a check box 1 or 0, a list nothing when no item is chosen.
std::optional<std::int32_t> CollectedNumber(const DialogView& view, const SettingBinding& binding,
                                            std::size_t textLimit = std::string::npos);

}  // namespace kelvrin
