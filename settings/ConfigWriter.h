#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ServerSettings.h"

namespace kelvrin {

inline constexpr std::size_t kConfigCapacity = 5000;
inline constexpr std::size_t kMaxWrittenTextLength = 199;

// The variables the writer sets besides the settings, and the command that ends the file.
inline constexpr std::string_view kLogFileNameVariable = "logFileName";
inline constexpr std::string_view kUsePassVariable = "si_usePass";
inline constexpr std::string_view kMapCycleVariable = "g_mapcycle";
inline constexpr std::string_view kSpawnCommand = "spawnserver";

// The text of kelvrin.cfg for the store, with LF line ends; for DM and Tourney the three
// teamplay switches are written, and then stored, as off. Nothing when the text does not fit the
// capacity (terminating zero included): nothing may then be written, and the store is as it was.
std::optional<std::string> ComposeServerConfig(ServerSettings& settings,
                                               std::size_t capacity = kConfigCapacity);

// Pulls the player counts, the speed index and the game type index into the shown ranges.
void NormaliseSettings(ServerSettings& settings);

}  // namespace kelvrin
