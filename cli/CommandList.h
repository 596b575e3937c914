#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace kelvrin::cli {

inline constexpr int kSucceeded = 0;
inline constexpr int kFailed = 1;      // a file not written, a folder not entered, no game start
inline constexpr int kUsageError = 2;  // refused before anything was written
inline constexpr int kNotRunning = 3;  // status: the game folder's server does not run

enum class Command { Folders, Show, Set, Save, Start, Status, Stop, Maps, Cycle, Help, Values };

// A command as the help and the argument check know it.
struct CommandInfo {
    Command command;
    std::string_view name;
    std::string_view arguments;                      // as the usage line shows them
    std::string_view summary;                        // its line in the list of commands
    std::string_view description;                    // its own help, after its usage line
    std::span<const std::string_view> options = {};  // its own options
    bool hidden = false;  // for the completion only: not in the help's list
};

// The names of the commands the help lists.
std::vector<std::string_view> CommandNames();

std::span<const CommandInfo> CommandInfos();
const CommandInfo* FindCommand(std::string_view name);

}  // namespace kelvrin::cli
