#include "tests/support/SettingsByName.h"

#include "settings/SettingDescription.h"

namespace kelvrin::testing {

namespace {

// The game type's text is the reader's; the description's si_gameType is its index.
std::string* TextOf(ServerSettings& settings, const std::string& name) {
    if (name == "si_gameType") return &settings.si_gameType;
    const SettingDescription* setting = FindSettingDescription(name);
    return setting != nullptr && setting->text != nullptr ? &(settings.*setting->text) : nullptr;
}

std::int32_t& NumberOf(ServerSettings& settings, const std::string& name) {
    if (name == "gameTypeIndex") return settings.gameTypeIndex;
    return settings.*FindSettingDescription(name)->number;
}

}  // namespace

std::string ValueOf(ServerSettings& settings, const std::string& name) {
    if (const std::string* text = TextOf(settings, name)) return *text;
    return std::to_string(NumberOf(settings, name));
}

void Assign(ServerSettings& settings, const std::string& name, const std::string& value) {
    if (std::string* text = TextOf(settings, name)) {
        *text = value;
    } else {
        NumberOf(settings, name) = std::stoi(value);
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
