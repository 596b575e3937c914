#pragma once

#include <string>
#include <string_view>

#include "settings/ServerSettings.h"

namespace kelvrin {

inline constexpr std::string_view kWithMapCycle = "+exec kelvrin.scriptcfg +exec kelvrin.cfg";
inline constexpr std::string_view kWithoutMapCycle = "+exec kelvrin.cfg";

// "dravekDed.exe" for a dedicated server, else "dravek.exe".
std::string GameExecutable(const ServerSettings& settings);

// "+set fs_game <folder>+exec ..." as handed to the game when it is started.
std::string LaunchParameters(const ServerSettings& settings);

}  // namespace kelvrin
