#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CommandList.h"
#include "settings/SettingDescription.h"

namespace kelvrin::cli {

// A NAME=VALUE of set: the setting named, and the value as given (UTF-8).
struct SettingChange {
    const SettingDescription* setting;
    std::string given;
};

// What one run of the program is asked to do, every argument read once: the commands use these
// fields and never the arguments themselves.
struct Invocation {
    bool help = false;  // the command's help, or the program's without a command
    bool version = false;
    std::optional<std::string> directory;          // -C
    std::optional<std::string> folder;             // -g
    const CommandInfo* command = nullptr;          // none with help or version alone
    std::vector<const SettingDescription*> shown;  // show NAME...
    std::vector<SettingChange> changes;            // set NAME=VALUE...
    std::vector<std::string> maps;                 // cycle MAP...
    bool showCycle = false;                        // cycle --show
    bool dryRun = false;                           // save, set, cycle --dry-run
    bool foreground = false;                       // start --foreground
    bool restart = false;                          // start --restart
    int timeoutSeconds = 10;                       // stop --timeout=SECONDS
};

// Reads the program's arguments (its own name first); options may stand before or after the
// command, "--" ends them. Checks every argument that can be checked without the files. On a
// refusal gives nothing and, in refusal, the one line that says which argument and what would be
// allowed (without the program's name).
std::optional<Invocation> ReadInvocation(const std::vector<std::string>& arguments,
                                         std::string& refusal);

}  // namespace kelvrin::cli
