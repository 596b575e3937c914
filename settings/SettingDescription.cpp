#include "settings/SettingDescription.h"

#include <limits>

#include "files/TextCompare.h"

namespace kelvrin {

namespace {

// Digits only, as the window's digit fields take them, within the 32-bit range.
std::optional<std::int32_t> ReadDigits(std::string_view typed) {
    if (typed.empty() || typed.size() > 10) return std::nullopt;
    std::int64_t number = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

std::optional<std::int32_t> EntryPosition(const SettingDescription& setting,
                                          std::string_view typed) {
    for (std::size_t index = 0; index < setting.entries.size(); ++index) {
        if (EqualIgnoringCase(setting.entries[index], typed)) {
            return static_cast<std::int32_t>(index);
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> ReadNumber(const SettingDescription& setting, std::string_view typed) {
    const std::optional<std::int32_t> digits = ReadDigits(typed);
    switch (setting.kind) {
        case ValueKind::Number:
            return digits;
        case ValueKind::Switch:
            if (typed == "1" || EqualIgnoringCase(typed, "on")) return 1;
            if (typed == "0" || EqualIgnoringCase(typed, "off")) return 0;
            return std::nullopt;
        case ValueKind::Position:
            if (setting.typedByPosition && digits &&
                *digits < static_cast<std::int32_t>(setting.entries.size())) {
                return digits;
            }
            return EntryPosition(setting, typed);
        case ValueKind::Count:
            if (const auto position = EntryPosition(setting, typed)) {
                return PlayerCountOfIndex(*position);
            }
            return std::nullopt;
        case ValueKind::Text:
            break;
    }
    return std::nullopt;
}

}  // namespace

const SettingDescription* FindSettingDescription(std::string_view name) {
    for (const SettingDescription& setting : kSettingDescriptions) {
        if (setting.name == name) return &setting;
    }
    return nullptr;
}

bool IsWritableText(std::string_view latin1) {
    if (latin1.size() > kMaxTextLength) return false;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        // Latin-1's C1 controls too.
        if (c == '"' || IsControlCharacter(c) || (byte >= 0x80 && byte < 0xA0)) return false;
    }
    return true;
}

int PlayerCountIndex(std::int32_t count) {
    const std::int32_t index = count / 2 - 1;
    const auto entries = static_cast<std::int32_t>(std::size(kPlayerCountEntries));
    return count >= 2 && index < entries ? index : -1;
}

std::int32_t PlayerCountOfIndex(int index) { return 2 * (index + 1); }

std::string ShownValue(const ServerSettings& settings, const SettingDescription& setting) {
    if (setting.kind == ValueKind::Text) return settings.*setting.text;
    const std::int32_t value = settings.*setting.number;
    int entry = -1;
    switch (setting.kind) {
        case ValueKind::Switch:
            // Any value but 0 is on, as the game reads it.
            return value != 0 ? "1" : "0";
        case ValueKind::Position:
            // A list typed by position shows the position, as the file holds it.
            if (setting.typedByPosition) return std::to_string(value);
            entry = value;
            break;
        case ValueKind::Count:
            entry = PlayerCountIndex(value);
            break;
        default:
            break;
    }
    if (entry >= 0 && entry < static_cast<int>(setting.entries.size())) {
        return std::string(setting.entries[static_cast<std::size_t>(entry)]);
    }
    return std::to_string(value);
}

std::optional<TypedValue> ReadTypedValue(const SettingDescription& setting,
                                         std::string_view typed) {
    if (setting.kind == ValueKind::Text) {
        if (!IsWritableText(typed)) return std::nullopt;
        return TypedValue{std::string(typed), 0};
    }
    if (const std::optional<std::int32_t> number = ReadNumber(setting, typed)) {
        return TypedValue{{}, *number};
    }
    return std::nullopt;
}

std::string AllowedValues(const SettingDescription& setting) {
    switch (setting.kind) {
        case ValueKind::Text:
            return "a text of at most " + std::to_string(kMaxTextLength) +
                   " Latin-1 characters without double quotes or control characters";
        case ValueKind::Number:
            return "a whole number of digits only, 0 to 2147483647";
        case ValueKind::Switch:
            return "0, 1, on or off";
        case ValueKind::Count:
            return "an even number from " + std::string(setting.entries.front()) + " to " +
                   std::string(setting.entries.back());
        case ValueKind::Position:
            if (!setting.typedByPosition) return Listed(setting.entries) + ", in any letter case";
            return "a position 0 to " + std::to_string(setting.entries.size() - 1) + ", or " +
                   Listed(setting.entries);
    }
    return {};
}

std::string DefaultValue(const SettingDescription& setting) {
    const ServerSettings fresh;
    std::string value = ShownValue(fresh, setting);
    if (setting.typedByPosition) {
        value += " (" +
                 std::string(setting.entries[static_cast<std::size_t>(fresh.*setting.number)]) +
                 ")";
    }
    return value;
}

void StoreValue(ServerSettings& settings, const SettingDescription& setting,
                const TypedValue& value) {
    if (setting.kind == ValueKind::Text) {
        settings.*setting.text = value.text;
    } else if (setting.kind == ValueKind::Count) {
        StorePlayerCount(settings, setting.number, value.number);
    } else {
        settings.*setting.number = value.number;
    }
}

void StorePlayerCount(ServerSettings& settings, std::int32_t ServerSettings::*count,
                      std::int32_t value) {
    settings.*count = value;
    if (settings.si_minPlayers <= settings.si_maxPlayers) return;
    if (count == &ServerSettings::si_maxPlayers) {
        settings.si_minPlayers = value;
    } else {
        settings.si_maxPlayers = value;
    }
}

void TakeShownValues(ServerSettings& settings) {
    for (const SettingDescription& setting : kSettingDescriptions) {
        if (const auto value = ReadTypedValue(setting, ShownValue(settings, setting))) {
            StoreValue(settings, setting, *value);
        }
    }
}

}  // namespace kelvrin
