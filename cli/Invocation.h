#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvrin::cli {

inline constexpr int kSucceeded = 0;
inline constexpr int kFailed = 1;      // a file not written, a folder not entered, no game start
inline constexpr int kUsageError = 2;  // refused before anything was read or written

enum class Command { Folders, Show, Set, Save, Start, Maps, Cycle };

// What one run of the program is asked to do.
struct Invocation {
    bool help = false;
    bool version = false;
    std::optional<std::string> directory;  // -C
    std::optional<std::string> folder;     // -g
    Command command = Command::Folders;
    std::vector<std::string> arguments;  // after the command
};

// Reads the program's arguments (its own name first) and checks every one that can be checked
// without the files: options, the command, setting names, map names. On a refusal gives nothing
// and the one line that says which argument and what would be allowed.
std::optional<Invocation> ReadInvocation(const std::vector<std::string>& arguments,
                                         std::string& refusal);

// "--help" prints this.
extern const char* const kUsage;

}  // namespace kelvrin::cli
