#include "dialogs/SettingBindings.h"

#include <vector>

#include "settings/DecimalNumber.h"

namespace kelvrin {

void ShowEntries(DialogView& view, std::span<const SettingBinding> bindings) {
    for (const SettingBinding& binding : bindings) {
        const std::span<const std::string_view> entries = binding.setting->entries;
        if (!entries.empty()) {
            view.SetItems(binding.control,
                          std::vector<std::string>(entries.begin(), entries.end()));
        }
    }
}

std::span<const std::string_view> EntriesOf(std::span<const SettingBinding> bindings, int control) {
    for (const SettingBinding& binding : bindings) {
        if (binding.control == control) return binding.setting->entries;
    }
    return {};
}

void ShowBinding(DialogView& view, const ServerSettings& settings, const SettingBinding& binding) {
    const SettingDescription& setting = *binding.setting;
    if (setting.kind == ValueKind::Text)
        return view.SetText(binding.control, settings.*setting.text);
    const std::int32_t value = settings.*setting.number;
    switch (setting.kind) {
        case ValueKind::Number:
            return view.SetText(binding.control, std::to_string(value));
        case ValueKind::Switch:
            // Any value other than 0 is on, as the game reads it.
            return view.SetChecked(binding.control, value != 0);
        case ValueKind::Position:
            return view.Select(binding.control, value);
        case ValueKind::Count:
            return view.Select(binding.control, PlayerCountIndex(value));
        case ValueKind::Text:
            return;
    }
}

std::optional<std::int32_t> CollectedNumber(const DialogView& view, const SettingBinding& binding) {
    const int chosen = view.Selection(binding.control);
    switch (binding.setting->kind) {
        case ValueKind::Number:
            return ParseLeadingInteger(view.Text(binding.control).substr(0, kMaxTextLength));
        case ValueKind::Switch:
            return view.Checked(binding.control) ? 1 : 0;
        case ValueKind::Position:
            if (chosen < 0) return std::nullopt;
            return chosen;
        case ValueKind::Count:
            if (chosen < 0) return std::nullopt;
            return PlayerCountOfIndex(chosen);
        case ValueKind::Text:
            break;
    }
    return std::nullopt;
}

}  // namespace kelvrin
