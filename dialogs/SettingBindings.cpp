#include "dialogs/SettingBindings.h"

#include <cstdlib>

#include "settings/DecimalNumber.h"

namespace kelvrin {

namespace {

// The binding tables are fixed and name only settings the store has; a name that is not there
// is a fault of the program, found by the first test that opens the window.
[[noreturn]] void NoSuchSetting() { std::abort(); }

}  // namespace

std::string& TextField(ServerSettings& settings, std::string_view setting) {
    const TextSetting* row = FindSetting(kTextSettings, setting);
    if (row == nullptr) NoSuchSetting();
    return settings.*row->field;
}

std::int32_t& NumberField(ServerSettings& settings, std::string_view setting) {
    if (setting == "gameTypeIndex") return settings.gameTypeIndex;
    const NumberSetting* row = FindSetting(kNumberSettings, setting);
    if (row == nullptr) row = FindSetting(kSwitchSettings, setting);
    if (row == nullptr) NoSuchSetting();
    return settings.*row->field;
}

void ShowBinding(DialogView& view, ServerSettings& settings, const SettingBinding& binding) {
    switch (binding.shownAs) {
        case ShownAs::Text:
            view.SetText(binding.control, TextField(settings, binding.setting));
            return;
        case ShownAs::Number:
            view.SetText(binding.control, std::to_string(NumberField(settings, binding.setting)));
            return;
        case ShownAs::Switch:
            // Any value other than 0 is on, as the game reads it.
            view.SetChecked(binding.control, NumberField(settings, binding.setting) != 0);
            return;
        case ShownAs::Position:
            view.Select(binding.control, NumberField(settings, binding.setting));
            return;
        case ShownAs::PlayerCount:
            view.Select(binding.control, PlayerCountIndex(NumberField(settings, binding.setting)));
            return;
    }
}

std::optional<std::int32_t> CollectedNumber(const DialogView& view, const SettingBinding& binding,
                                            std::size_t textLimit) {
    const int chosen = view.Selection(binding.control);
    switch (binding.shownAs) {
        case ShownAs::Number:
            return ParseLeadingInteger(view.Text(binding.control).substr(0, textLimit));
        case ShownAs::Switch:
            return view.Checked(binding.control) ? 1 : 0;
        case ShownAs::Position:
            if (chosen < 0) return std::nullopt;
            return chosen;
        case ShownAs::PlayerCount:
            if (chosen < 0) return std::nullopt;
            return PlayerCountOfIndex(chosen);
        case ShownAs::Text:
            break;
    }
    return std::nullopt;
}

}  // namespace kelvrin
