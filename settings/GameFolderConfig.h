#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/FileSink.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// What a game folder holds of Kelvrin's: its server config and its map-cycle script.
inline constexpr std::string_view kConfigFileName = "kelvrin.cfg";
inline constexpr std::string_view kMapCycleFileName = "kelvrin.scriptcfg";
inline constexpr std::size_t kConfigReadLimit = 5000;

// Reads the folder's kelvrin.cfg into the store and notes whether its map-cycle script exists;
// without a script the map cycle is switched off. A folder that cannot be entered is passed over.
void LoadGameFolderConfig(ServerSettings& settings, std::string_view folder);

enum class ConfigWriteResult { Written, FolderNotEntered, FileNotOpened };

struct ConfigWrite {
    ConfigWriteResult result = ConfigWriteResult::Written;
    std::error_code reason;
};

// The lines of the game folder's kelvrin.cfg that Kelvrin does not write itself, in their order:
// the ones a save of these settings keeps.
std::vector<std::string> KeptConfigLines(const ServerSettings& settings);

// Stores the composed text as kelvrin.cfg in the game folder, with the kept lines of the file
// standing there before its spawnserver line.
// FileNotOpened covers every failure after the folder was found; the previous file is then left
// as it was.
ConfigWrite WriteServerConfigFile(const ServerSettings& settings, std::string_view composed,
                                  FileSink& files = DiskFiles());

}  // namespace kelvrin
