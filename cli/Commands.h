#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/Invocation.h"
#include "settings/ServerSettings.h"

namespace kelvrin::cli {

// Runs the command on a store that holds what the window shows after start-up in the game
// folder; folders are the start directory's game folders. Gives the exit code.
int RunCommand(const Invocation& invocation, ServerSettings& settings,
               const std::vector<std::string>& folders, std::ostream& out, std::ostream& err);

}  // namespace kelvrin::cli
