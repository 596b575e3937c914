#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "settings/ServerSettings.h"

namespace kelvrin {

// A text Kelvrin writes is read back, and by the game, one byte a character (Latin-1): at most
// this many characters, and nothing that ends its quoted value or its line.
inline constexpr std::size_t kMaxTextLength = 99;

// What a setting holds, and so how it is shown and what a typed text may make of it.
enum class ValueKind {
    Text,      // Latin-1 within the text rule
    Number,    // a whole number; typed as digits only, 0 to 2147483647
    Switch,    // 0 off, any other value on; typed as 0, 1, on or off
    Position,  // a list's entry, kept as its position
    Count,     // a list of player counts, kept as the count
};

// One setting as the operator knows it: its console-variable name, what it holds, the field of
// the store it lives in (the game type lives in gameTypeIndex), and for a list its entries in
// the list's order.
struct SettingDescription {
    std::string_view name;
    ValueKind kind;
    std::string ServerSettings::*text = nullptr;
    std::int32_t ServerSettings::*number = nullptr;
    std::span<const std::string_view> entries{};
    // A position list that also takes its positions typed as numbers (the speed, the client rate).
    bool typedByPosition = false;
};

inline constexpr std::string_view kSpeedEntries[] = {"128 kbs", "265 kbs", "384 kbs",
                                                     "512 kbs", "768 kbs", "LAN"};
inline constexpr std::string_view kClientRateEntries[] = {
    "16000", "17000", "18000", "19000", "20000", "21000", "22000", "23000", "24000", "25000"};
inline constexpr std::string_view kPlayerCountEntries[] = {"2",  "4",  "6",  "8",
                                                           "10", "12", "14", "16"};

// A setting's row, made from the name tables: its name as the operator spells it and its field
// are the table's, and a name no table holds does not compile.
template <typename Row, std::size_t Size>
consteval SettingDescription Described(const std::array<Row, Size>& table, std::string_view name,
                                       ValueKind kind = ValueKind::Text,
                                       std::span<const std::string_view> entries = {},
                                       bool typedByPosition = false) {
    const Row& row = *FindSetting(table, name);
    SettingDescription setting{SettingName(row.name), kind};
    if constexpr (std::is_same_v<Row, TextSetting>) {
        setting.text = row.field;
    } else {
        setting.number = row.field;
    }
    setting.entries = entries;
    setting.typedByPosition = typedByPosition;
    return setting;
}

// Every setting of the store, in the order of the written kelvrin.cfg.
inline constexpr SettingDescription kSettingDescriptions[] = {
    Described(kTextSettings, "si_name"),
    Described(kNumberSettings, "gui_configServerRate", ValueKind::Position, kSpeedEntries, true),
    Described(kTextSettings, "net_serverRemoteConsolePassword"),
    {"si_gameType", ValueKind::Position, nullptr, &ServerSettings::gameTypeIndex, kGameTypeNames},
    Described(kNumberSettings, "si_maxPlayers", ValueKind::Count, kPlayerCountEntries),
    Described(kNumberSettings, "si_minPlayers", ValueKind::Count, kPlayerCountEntries),
    Described(kTextSettings, "g_password"),
    Described(kNumberSettings, "si_countDown", ValueKind::Number),
    Described(kNumberSettings, "si_tourneyLimit", ValueKind::Number),
    Described(kNumberSettings, "si_captureLimit", ValueKind::Number),
    Described(kNumberSettings, "si_fragLimit", ValueKind::Number),
    Described(kNumberSettings, "si_timeLimit", ValueKind::Number),
    Described(kNumberSettings, "net_serverClientTimeout", ValueKind::Number),
    Described(kNumberSettings, "net_serverMaxClientRate", ValueKind::Position, kClientRateEntries,
              true),
    Described(kNumberSettings, "net_serverMaxUsercmdRelay", ValueKind::Number),
    Described(kNumberSettings, "net_serverZombieTimeout", ValueKind::Number),
    Described(kSwitchSettings, "si_weaponStay", ValueKind::Switch),
    Described(kSwitchSettings, "si_useReady", ValueKind::Switch),
    Described(kSwitchSettings, "si_teamDamage", ValueKind::Switch),
    Described(kSwitchSettings, "net_serverDedicated", ValueKind::Switch),
    Described(kSwitchSettings, "si_warmup", ValueKind::Switch),
    Described(kSwitchSettings, "si_pure", ValueKind::Switch),
    Described(kSwitchSettings, "si_shuffle", ValueKind::Switch),
    Described(kSwitchSettings, "si_spectators", ValueKind::Switch),
    Described(kSwitchSettings, "si_autobalance", ValueKind::Switch),
    Described(kSwitchSettings, "sv_punkbuster", ValueKind::Switch),
    Described(kSwitchSettings, "si_allowHitscanTint", ValueKind::Switch),
    Described(kSwitchSettings, "si_allowVoting", ValueKind::Switch),
    Described(kSwitchSettings, "net_LANServer", ValueKind::Switch),
    Described(kSwitchSettings, "logFile", ValueKind::Switch),
    Described(kSwitchSettings, "net_serverAllowServerMod", ValueKind::Switch),
    // The map-cycle switch stands apart, in its commented line after the others.
    Described(kSwitchSettings, "si_mapCycle", ValueKind::Switch),
    Described(kTextSettings, "si_map"),
    Described(kTextSettings, "sv_master1"),
    Described(kTextSettings, "sv_master2"),
    Described(kTextSettings, "sv_master3"),
    Described(kTextSettings, "sv_master4"),
    Described(kTextSettings, "sv_master5"),
};

// The setting of that console-variable name, nullptr for none.
const SettingDescription* FindSettingDescription(std::string_view name);

// The description of a field, found when the program is compiled: a field no setting lives in
// does not compile.
template <typename Field>
consteval const SettingDescription& DescriptionOf(Field ServerSettings::*field) {
    for (const SettingDescription& setting : kSettingDescriptions) {
        if constexpr (std::is_same_v<Field, std::string>) {
            if (setting.text == field) return setting;
        } else {
            if (setting.number == field) return setting;
        }
    }
    throw "no setting lives in this field";
}

// Whether a text (its Latin-1 bytes) may stand as a value in the written file: at most
// kMaxTextLength characters, no double quote and no control character (C0, DEL or C1).
bool IsWritableText(std::string_view latin1);

// The entry a count list shows for a count: the one at count / 2 - 1; -1 outside the list.
int PlayerCountIndex(std::int32_t count);
std::int32_t PlayerCountOfIndex(int index);

// The value as the window shows it, texts in their Latin-1 bytes: a list's entry (the position
// of a list typed by position, as the file holds it), a switch as 1 or 0; a number no entry
// stands for as the number.
std::string ShownValue(const ServerSettings& settings, const SettingDescription& setting);

// The value as the store keeps it, or nothing when the window could not hold the typed text
// (a text given in its Latin-1 bytes).
struct TypedValue {
    std::string text;
    std::int32_t number = 0;
};
std::optional<TypedValue> ReadTypedValue(const SettingDescription& setting, std::string_view typed);

// What may be typed for the setting, in words: "an even number from 2 to 16".
std::string AllowedValues(const SettingDescription& setting);

// The value of a fresh store, as shown.
std::string DefaultValue(const SettingDescription& setting);

// Stores a value as the window's controls would: a player count chosen above the other count's
// limit takes the other one along, so that the warm-up never waits for more players than may
// join.
void StoreValue(ServerSettings& settings, const SettingDescription& setting,
                const TypedValue& value);
void StorePlayerCount(ServerSettings& settings, std::int32_t ServerSettings::*count,
                      std::int32_t value);

// Makes the store hold what the window shows, as its copy-back before every save does: odd
// player counts become the even entry shown, switches 1 or 0. A value the window cannot show
// stays as it is.
void TakeShownValues(ServerSettings& settings);

}  // namespace kelvrin
