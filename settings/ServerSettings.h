#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvrin {

// Host name of the game's public master server, the first master server of a fresh store.
inline constexpr std::string_view kDefaultMasterServer = "master.dravek.example.org";

// Everything Kelvrin edits, reads back and writes out. The members that stand for a console
// variable carry that variable's name, so the code reads like the config file it produces.
// One instance is owned by the application and passed by reference; there is no global one.
struct ServerSettings {
    // Text settings.
    std::string si_name = "Hollowmere";
    std::string g_password;
    std::string si_gameType = "DM";
    std::string si_map = "mp/dvdm1";
    std::string net_serverRemoteConsolePassword;
    std::string sv_master1 = std::string(kDefaultMasterServer);
    std::string sv_master2;
    std::string sv_master3;
    std::string sv_master4;
    std::string sv_master5;

    // Number settings.
    std::int32_t si_maxPlayers = 16;
    std::int32_t si_minPlayers = 4;
    std::int32_t si_countDown = 0;
    std::int32_t si_tourneyLimit = 0;
    std::int32_t si_captureLimit = 5;
    std::int32_t si_fragLimit = 20;
    std::int32_t si_timeLimit = 10;
    std::int32_t gui_configServerRate = 5;
    std::int32_t net_serverMaxClientRate = 3;
    std::int32_t net_serverZombieTimeout = 5;
    std::int32_t net_serverClientTimeout = 60;
    std::int32_t net_serverMaxUsercmdRelay = 3;

    // Switch settings: 0 is off, any other value on.
    std::int32_t si_mapCycle = 1;
    std::int32_t si_weaponStay = 0;
    std::int32_t si_useReady = 0;
    std::int32_t si_teamDamage = 0;
    std::int32_t net_serverDedicated = 1;
    std::int32_t si_warmup = 0;
    std::int32_t si_pure = 0;
    std::int32_t si_shuffle = 0;
    std::int32_t si_spectators = 1;
    std::int32_t si_autobalance = 0;
    std::int32_t sv_punkbuster = 0;
    std::int32_t si_allowHitscanTint = 0;
    std::int32_t si_allowVoting = 0;
    std::int32_t net_LANServer = 1;
    std::int32_t logFile = 0;
    std::int32_t net_serverAllowServerMod = 0;

    // State outside the name tables.
    std::string gameFolder = "dvbase";
    std::int32_t gameTypeIndex = 0;
    std::string startDirectory;
    bool settingsChanged = false;
    bool mapCycleScriptPresent = false;
};

struct TextSetting {
    std::string_view name;
    std::string ServerSettings::*field;
};

struct NumberSetting {
    std::string_view name;
    std::int32_t ServerSettings::*field;
};

// The order of every table is fixed: the reader visits, the writer emits and the main window
// shows and collects the settings in these orders.
inline constexpr std::array<TextSetting, 10> kTextSettings{{
    {"si_name", &ServerSettings::si_name},
    {"g_password", &ServerSettings::g_password},
    {"si_gameType", &ServerSettings::si_gameType},
    // The trailing blank keeps the search from matching the start of si_mapCycle.
    {"si_map ", &ServerSettings::si_map},
    {"net_serverRemoteConsolePassword", &ServerSettings::net_serverRemoteConsolePassword},
    {"sv_master1", &ServerSettings::sv_master1},
    {"sv_master2", &ServerSettings::sv_master2},
    {"sv_master3", &ServerSettings::sv_master3},
    {"sv_master4", &ServerSettings::sv_master4},
    {"sv_master5", &ServerSettings::sv_master5},
}};

inline constexpr std::array<NumberSetting, 12> kNumberSettings{{
    {"si_maxPlayers", &ServerSettings::si_maxPlayers},
    {"si_minPlayers", &ServerSettings::si_minPlayers},
    {"si_countDown", &ServerSettings::si_countDown},
    {"si_tourneyLimit", &ServerSettings::si_tourneyLimit},
    {"si_captureLimit", &ServerSettings::si_captureLimit},
    {"si_fragLimit", &ServerSettings::si_fragLimit},
    {"si_timeLimit", &ServerSettings::si_timeLimit},
    {"gui_configServerRate", &ServerSettings::gui_configServerRate},
    {"net_serverMaxClientRate", &ServerSettings::net_serverMaxClientRate},
    {"net_serverZombieTimeout", &ServerSettings::net_serverZombieTimeout},
    {"net_serverClientTimeout", &ServerSettings::net_serverClientTimeout},
    {"net_serverMaxUsercmdRelay", &ServerSettings::net_serverMaxUsercmdRelay},
}};

// The switches; the windows bind their check boxes to them by name.
inline constexpr std::array<NumberSetting, 16> kSwitchSettings{{
    {"si_mapCycle", &ServerSettings::si_mapCycle},
    {"si_weaponStay", &ServerSettings::si_weaponStay},
    {"si_useReady", &ServerSettings::si_useReady},
    {"si_teamDamage", &ServerSettings::si_teamDamage},
    {"net_serverDedicated", &ServerSettings::net_serverDedicated},
    {"si_warmup", &ServerSettings::si_warmup},
    {"si_pure", &ServerSettings::si_pure},
    {"si_shuffle", &ServerSettings::si_shuffle},
    {"si_spectators", &ServerSettings::si_spectators},
    {"si_autobalance", &ServerSettings::si_autobalance},
    {"sv_punkbuster", &ServerSettings::sv_punkbuster},
    {"si_allowHitscanTint", &ServerSettings::si_allowHitscanTint},
    {"si_allowVoting", &ServerSettings::si_allowVoting},
    {"net_LANServer", &ServerSettings::net_LANServer},
    {"logFile", &ServerSettings::logFile},
    {"net_serverAllowServerMod", &ServerSettings::net_serverAllowServerMod},
}};

// The number settings written by the one generic rule, in the writer's order. Rows 0 to 4 are
// the main window's five limit edits.
inline constexpr std::array<NumberSetting, 9> kLimitSettings{{
    {"si_countDown", &ServerSettings::si_countDown},
    {"si_tourneyLimit", &ServerSettings::si_tourneyLimit},
    {"si_captureLimit", &ServerSettings::si_captureLimit},
    {"si_fragLimit", &ServerSettings::si_fragLimit},
    {"si_timeLimit", &ServerSettings::si_timeLimit},
    {"net_serverClientTimeout", &ServerSettings::net_serverClientTimeout},
    {"net_serverMaxClientRate", &ServerSettings::net_serverMaxClientRate},
    {"net_serverMaxUsercmdRelay", &ServerSettings::net_serverMaxUsercmdRelay},
    {"net_serverZombieTimeout", &ServerSettings::net_serverZombieTimeout},
}};

inline constexpr std::array<std::string_view, 5> kGameTypeNames{"DM", "Team DM", "CTF", "Arena CTF",
                                                                "Tourney"};

// A console-variable name as the operator spells it: the reader's "si_map " without the blank
// that keeps it from matching the start of si_mapCycle.
constexpr std::string_view SettingName(std::string_view tableName) {
    return tableName.substr(0, tableName.find_last_not_of(' ') + 1);
}

// The row of a table that carries the name, or nullptr: settings are named, never counted.
template <typename Row, std::size_t Size>
constexpr const Row* FindSetting(const std::array<Row, Size>& table, std::string_view name) {
    for (const Row& row : table) {
        if (SettingName(row.name) == name) return &row;
    }
    return nullptr;
}

// A copy from a window into the store: assigns only a different value, and records that it did.
template <typename Value>
void AssignFromWindow(ServerSettings& settings, Value& field, const Value& value) {
    if (field != value) {
        field = value;
        settings.settingsChanged = true;
    }
}

}  // namespace kelvrin
