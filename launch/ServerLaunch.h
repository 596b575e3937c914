#pragma once

#include <string>
#include <string_view>

#include "app/OperatorMessages.h"
#include "launch/ProgramLauncher.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// "dravekDed.exe" for a dedicated server, else "dravek.exe".
std::string GameExecutable(const ServerSettings& settings);

// "+set fs_game <folder>+exec ..." as handed to the game when it is started.
std::string LaunchParameters(const ServerSettings& settings);

// "kvr_<folder>.bat".
std::string BatchFileName(std::string_view folder);

// The batch file's one line; it ends with a line feed only without the map cycle.
std::string BatchFileLine(const ServerSettings& settings);

// "Save Config": writes kelvrin.cfg and the batch file and tells the operator how it went.
void SaveConfig(ServerSettings& settings, OperatorMessages& messages);

// "Start Server": writes kelvrin.cfg and starts the game from the start directory; tells the
// operator when the game cannot be started.
void StartServer(ServerSettings& settings, OperatorMessages& messages, ProgramLauncher& launcher);

}  // namespace kelvrin
