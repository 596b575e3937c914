#include "tests/support/SettingsByName.h"

#include "dialogs/SettingBindings.h"

namespace kelvrin::testing {

std::string ValueOf(ServerSettings& settings, const std::string& name) {
    if (FindSetting(kTextSettings, name) != nullptr) return TextField(settings, name);
    return std::to_string(NumberField(settings, name));
}

void Assign(ServerSettings& settings, const std::string& name, const std::string& value) {
    if (FindSetting(kTextSettings, name) != nullptr) {
        TextField(settings, name) = value;
    } else {
        NumberField(settings, name) = std::stoi(value);
    }
}

std::vector<std::string> EverySettingName() {
    std::vector<std::string> names;
    for (const auto& row : kTextSettings) names.emplace_back(SettingName(row.name));
    for (const auto& row : kNumberSettings) names.emplace_back(SettingName(row.name));
    for (const auto& row : kSwitchSettings) names.emplace_back(SettingName(row.name));
    return names;
}

}  // namespace kelvrin::testing
