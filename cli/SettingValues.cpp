#include "cli/SettingValues.h"

#include <array>
#include <limits>

#include "cli/Latin1Text.h"
#include "files/TextCompare.h"

namespace kelvrin::cli {

namespace {

constexpr std::size_t kMaxTextLength = 99;
constexpr std::array<std::string_view, 6> kSpeedEntries{"128 kbs", "265 kbs", "384 kbs",
                                                        "512 kbs", "768 kbs", "LAN"};
constexpr std::int32_t kClientRateCount = 10;
constexpr std::int32_t kLowestClientRate = 16000;
constexpr std::int32_t kClientRateStep = 1000;

CliSetting Text(std::string_view name) {
    const TextSetting* row = FindSetting(kTextSettings, name);
    return {SettingName(row->name), ValueKind::Text, row->field, nullptr};
}

CliSetting Number(std::string_view name, ValueKind kind) {
    const NumberSetting* row = FindSetting(kNumberSettings, name);
    return {SettingName(row->name), kind, nullptr, row->field};
}

CliSetting Switch(const NumberSetting& row) {
    return {SettingName(row.name), ValueKind::Switch, nullptr, row.field};
}

std::vector<CliSetting> InFileOrder() {
    std::vector<CliSetting> settings{
        Text("si_name"),
        Number("gui_configServerRate", ValueKind::Speed),
        Text("net_serverRemoteConsolePassword"),
        {SettingName(FindSetting(kTextSettings, "si_gameType")->name), ValueKind::GameType, nullptr,
         &ServerSettings::gameTypeIndex},
        Number("si_maxPlayers", ValueKind::PlayerCount),
        Number("si_minPlayers", ValueKind::PlayerCount),
        Text("g_password"),
    };
    for (const NumberSetting& row : kLimitSettings) {
        const bool rate = row.field == &ServerSettings::net_serverMaxClientRate;
        settings.push_back(Number(row.name, rate ? ValueKind::ClientRate : ValueKind::Number));
    }
    // The map-cycle switch stands apart, in its commented line after the others.
    const NumberSetting* mapCycle = FindSetting(kSwitchSettings, "si_mapCycle");
    for (const NumberSetting& row : kSwitchSettings) {
        if (&row != mapCycle) settings.push_back(Switch(row));
    }
    settings.push_back(Switch(*mapCycle));
    settings.push_back(Text("si_map"));
    for (const TextSetting& row : kTextSettings) {
        if (row.name.starts_with("sv_master")) settings.push_back(Text(row.name));
    }
    return settings;
}

// Digits only, as the window's digit fields take them, within the 32-bit range.
std::optional<std::int32_t> ReadDigits(std::string_view given) {
    if (given.empty() || given.size() > 10) return std::nullopt;
    std::int64_t number = 0;
    for (const char c : given) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

// A text the written line carries whole: no double quote, which would end the value, and no
// control character (C0, DEL or C1).
bool FitsWrittenLine(std::string_view latin1) {
    if (latin1.size() > kMaxTextLength) return false;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) return false;
    }
    return true;
}

template <std::size_t Size>
std::optional<std::int32_t> PositionOf(const std::array<std::string_view, Size>& names,
                                       std::string_view given) {
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (EqualIgnoringCase(names[index], given)) return static_cast<std::int32_t>(index);
    }
    return std::nullopt;
}

std::optional<std::int32_t> ReadNumber(ValueKind kind, std::string_view given) {
    const std::optional<std::int32_t> digits = ReadDigits(given);
    switch (kind) {
        case ValueKind::Number:
            return digits;
        case ValueKind::Switch:
            if (given == "1" || EqualIgnoringCase(given, "on")) return 1;
            if (given == "0" || EqualIgnoringCase(given, "off")) return 0;
            return std::nullopt;
        case ValueKind::PlayerCount:
            if (digits && *digits >= 2 && *digits <= 16 && *digits % 2 == 0) return digits;
            return std::nullopt;
        case ValueKind::Speed:
            if (digits && *digits < static_cast<std::int32_t>(kSpeedEntries.size())) return digits;
            return PositionOf(kSpeedEntries, given);
        case ValueKind::ClientRate:
            if (digits && *digits < kClientRateCount) return digits;
            if (digits && *digits >= kLowestClientRate && *digits % kClientRateStep == 0 &&
                (*digits - kLowestClientRate) / kClientRateStep < kClientRateCount) {
                return (*digits - kLowestClientRate) / kClientRateStep;
            }
            return std::nullopt;
        case ValueKind::GameType:
            return PositionOf(kGameTypeNames, given);
        case ValueKind::Text:
            break;
    }
    return std::nullopt;
}

std::string_view AllowedValues(ValueKind kind) {
    switch (kind) {
        case ValueKind::Text:
            return "a text of at most 99 Latin-1 characters without double quotes or control "
                   "characters";
        case ValueKind::Number:
            return "a whole number of digits only, 0 to 2147483647";
        case ValueKind::Switch:
            return "0, 1, on or off";
        case ValueKind::PlayerCount:
            return "an even number from 2 to 16";
        case ValueKind::Speed:
            return "a position 0 to 5, or 128 kbs, 265 kbs, 384 kbs, 512 kbs, 768 kbs or LAN";
        case ValueKind::ClientRate:
            return "a position 0 to 9, or a rate 16000, 17000, ... 25000";
        case ValueKind::GameType:
            return "DM, Team DM, CTF, Arena CTF or Tourney, in any letter case";
    }
    return {};
}

}  // namespace

const std::vector<CliSetting>& CliSettings() {
    static const std::vector<CliSetting> settings = InFileOrder();
    return settings;
}

const CliSetting* FindCliSetting(std::string_view name) {
    for (const CliSetting& setting : CliSettings()) {
        if (setting.name == name) return &setting;
    }
    return nullptr;
}

std::string ShownValue(const ServerSettings& settings, const CliSetting& setting) {
    if (setting.kind == ValueKind::Text) return Utf8FromLatin1(settings.*setting.text);
    const std::int32_t value = settings.*setting.number;
    switch (setting.kind) {
        case ValueKind::Switch:
            // Any value but 0 is on, as the game reads it.
            return value != 0 ? "1" : "0";
        case ValueKind::PlayerCount:
            // The list shows the entry at value / 2 - 1.
            if (value >= 2 && value <= 16) return std::to_string(value / 2 * 2);
            break;
        case ValueKind::GameType:
            if (value >= 0 && value < static_cast<std::int32_t>(kGameTypeNames.size())) {
                return std::string(kGameTypeNames[static_cast<std::size_t>(value)]);
            }
            break;
        default:
            break;
    }
    return std::to_string(value);
}

std::optional<StoredValue> ReadValue(const CliSetting& setting, std::string_view given,
                                     std::string& allowed) {
    if (setting.kind == ValueKind::Text) {
        std::optional<std::string> latin1 = Latin1FromUtf8(given);
        if (latin1 && FitsWrittenLine(*latin1)) return StoredValue{std::move(*latin1), 0};
    } else if (const std::optional<std::int32_t> number = ReadNumber(setting.kind, given)) {
        return StoredValue{{}, *number};
    }
    allowed = AllowedValues(setting.kind);
    return std::nullopt;
}

void StoreValue(ServerSettings& settings, const CliSetting& setting, const StoredValue& value) {
    if (setting.kind == ValueKind::Text) {
        settings.*setting.text = value.text;
        return;
    }
    settings.*setting.number = value.number;
    if (setting.kind != ValueKind::PlayerCount) return;
    if (settings.si_minPlayers <= settings.si_maxPlayers) return;
    // The warm-up cannot wait for more players than may join: the other count follows.
    if (setting.number == &ServerSettings::si_maxPlayers) {
        settings.si_minPlayers = value.number;
    } else {
        settings.si_maxPlayers = value.number;
    }
}

void TakeShownValues(ServerSettings& settings) {
    for (const CliSetting& setting : CliSettings()) {
        std::string ignored;
        const std::optional<StoredValue> value =
            ReadValue(setting, ShownValue(settings, setting), ignored);
        if (value) StoreValue(settings, setting, *value);
    }
}

}  // namespace kelvrin::cli
