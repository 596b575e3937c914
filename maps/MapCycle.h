#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileSink.h"
#include "messages/Result.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

using MapRows = std::vector<std::string>;

// The script text holds at most this many characters, its line end counted as one.
inline constexpr std::size_t kMapCycleCapacity = 10000;

// Fills both lists as the map selection dialog opens: the default maps and the game folder's
// map files, and the cycle of its script (or the start map when there is none).
void LoadMapLists(ServerSettings& settings, MapRows& available, MapRows& selected);

// Appends the entries of a script's quoted part to the selected rows, without "mp/". An entry
// holding a control character is dropped: it names no map file and must not reach the config.
void ReadMapCycle(ServerSettings& settings, std::string_view text, MapRows& selected);

// Writes the script into the game folder and makes its first map the start map: Done, or
// NoMapSelected, MapListTooLong (nothing written), FolderNotOpened or MapCycleNotWritten.
Result WriteMapCycle(ServerSettings& settings, const MapRows& selected,
                     FileSink& files = DiskFiles());

}  // namespace kelvrin
