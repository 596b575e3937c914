#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ServerSettings.h"

namespace kelvrin::cli {

// How the window holds a setting, and so which values the command line takes for it.
enum class ValueKind {
    Text,         // an edit: Latin-1, at most 99 characters, nothing that breaks the line
    Number,       // a digits-only edit
    Switch,       // a check box
    PlayerCount,  // a list of the even numbers 2 to 16
    Speed,        // the Speed list, by position or entry
    ClientRate,   // the ClientRate list, by position or rate
    GameType,     // the Game Type list, by name
};

// A setting as the command line names it: its console-variable name and its field, one of the
// two pointers set.
struct CliSetting {
    std::string_view name;
    ValueKind kind;
    std::string ServerSettings::*text = nullptr;
    std::int32_t ServerSettings::*number = nullptr;
};

// Every setting of the store in the order of the written kelvrin.cfg; the game type stands
// as si_gameType for gameTypeIndex.
const std::vector<CliSetting>& CliSettings();

const CliSetting* FindCliSetting(std::string_view name);

// The value as the window shows it (texts in UTF-8): what "show" prints and "set" takes back.
std::string ShownValue(const ServerSettings& settings, const CliSetting& setting);

// A value read from the command line, ready to be stored.
struct StoredValue {
    std::string text;
    std::int32_t number = 0;
};

// Reads a given value; on a value the window could not hold gives nothing and, in allowed,
// says what would be allowed.
std::optional<StoredValue> ReadValue(const CliSetting& setting, std::string_view given,
                                     std::string& allowed);

// Stores the value as the window's controls would: a player count chosen above the other
// count's limit takes the other one along.
void StoreValue(ServerSettings& settings, const CliSetting& setting, const StoredValue& value);

// Makes the store hold what the window shows, as its copy-back before every save does: odd
// player counts become the even entry shown, switches 1 or 0. A value the window cannot show
// stays as it is.
void TakeShownValues(ServerSettings& settings);

}  // namespace kelvrin::cli
