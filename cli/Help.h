#pragma once

#include <string>

#include "cli/CommandList.h"

namespace kelvrin::cli {

// "--help": the usage, the options and the commands.
std::string ProgramHelp();

// "COMMAND --help": the command's usage line and what it does; for set also every setting.
std::string CommandHelp(const CommandInfo& command);

// Every setting with the values it takes and its default: as set's help shows it, and as the
// manual page's SETTINGS section has it (roff).
std::string SettingsHelp();
std::string SettingsManual();

}  // namespace kelvrin::cli
