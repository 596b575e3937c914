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

// Every setting of the store, in the order of the written kelvrin.cfg.
inline constexpr SettingDescription kSettingDescriptions[] = {
    {"si_name", ValueKind::Text, &ServerSettings::si_name},
    {"gui_configServerRate", ValueKind::Position, nullptr, &ServerSettings::gui_configServerRate,
     kSpeedEntries, true},
    {"net_serverRemoteConsolePassword", ValueKind::Text,
     &ServerSettings::net_serverRemoteConsolePassword},
    {"si_gameType", ValueKind::Position, nullptr, &ServerSettings::gameTypeIndex, kGameTypeNames},
    {"si_maxPlayers", ValueKind::Count, nullptr, &ServerSettings::si_maxPlayers,
     kPlayerCountEntries},
    {"si_minPlayers", ValueKind::Count, nullptr, &ServerSettings::si_minPlayers,
     kPlayerCountEntries},
    {"g_password", ValueKind::Text, &ServerSettings::g_password},
    {"si_countDown", ValueKind::Number, nullptr, &ServerSettings::si_countDown},
    {"si_tourneyLimit", ValueKind::Number, nullptr, &ServerSettings::si_tourneyLimit},
    {"si_captureLimit", ValueKind::Number, nullptr, &ServerSettings::si_captureLimit},
    {"si_fragLimit", ValueKind::Number, nullptr, &ServerSettings::si_fragLimit},
    {"si_timeLimit", ValueKind::Number, nullptr, &ServerSettings::si_timeLimit},
    {"net_serverClientTimeout", ValueKind::Number, nullptr,
     &ServerSettings::net_serverClientTimeout},
    {"net_serverMaxClientRate", ValueKind::Position, nullptr,
     &ServerSettings::net_serverMaxClientRate, kClientRateEntries, true},
    {"net_serverMaxUsercmdRelay", ValueKind::Number, nullptr,
     &ServerSettings::net_serverMaxUsercmdRelay},
    {"net_serverZombieTimeout", ValueKind::Number, nullptr,
     &ServerSettings::net_serverZombieTimeout},
    {"si_weaponStay", ValueKind::Switch, nullptr, &ServerSettings::si_weaponStay},
    {"si_useReady", ValueKind::Switch, nullptr, &ServerSettings::si_useReady},
    {"si_teamDamage", ValueKind::Switch, nullptr, &ServerSettings::si_teamDamage},
    {"net_serverDedicated", ValueKind::Switch, nullptr, &ServerSettings::net_serverDedicated},
    {"si_warmup", ValueKind::Switch, nullptr, &ServerSettings::si_warmup},
    {"si_pure", ValueKind::Switch, nullptr, &ServerSettings::si_pure},
    {"si_shuffle", ValueKind::Switch, nullptr, &ServerSettings::si_shuffle},
    {"si_spectators", ValueKind::Switch, nullptr, &ServerSettings::si_spectators},
    {"si_autobalance", ValueKind::Switch, nullptr, &ServerSettings::si_autobalance},
    {"sv_punkbuster", ValueKind::Switch, nullptr, &ServerSettings::sv_punkbuster},
    {"si_allowHitscanTint", ValueKind::Switch, nullptr, &ServerSettings::si_allowHitscanTint},
    {"si_allowVoting", ValueKind::Switch, nullptr, &ServerSettings::si_allowVoting},
    {"net_LANServer", ValueKind::Switch, nullptr, &ServerSettings::net_LANServer},
    {"logFile", ValueKind::Switch, nullptr, &ServerSettings::logFile},
    {"net_serverAllowServerMod", ValueKind::Switch, nullptr,
     &ServerSettings::net_serverAllowServerMod},
    // The map-cycle switch stands apart, in its commented line after the others.
    {"si_mapCycle", ValueKind::Switch, nullptr, &ServerSettings::si_mapCycle},
    {"si_map", ValueKind::Text, &ServerSettings::si_map},
    {"sv_master1", ValueKind::Text, &ServerSettings::sv_master1},
    {"sv_master2", ValueKind::Text, &ServerSettings::sv_master2},
    {"sv_master3", ValueKind::Text, &ServerSettings::sv_master3},
    {"sv_master4", ValueKind::Text, &ServerSettings::sv_master4},
    {"sv_master5", ValueKind::Text, &ServerSettings::sv_master5},
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

}  // namespace kelvrin
