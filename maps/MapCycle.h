#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/OperatorMessages.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

using MapRows = std::vector<std::string>;

// The script text holds at most this many characters, its line end counted as one.
inline constexpr std::size_t kMapCycleCapacity = 10000;
// Longest map name that may be typed in by hand.
inline constexpr std::size_t kMaxTypedMapNameLength = 99;

inline constexpr std::string_view kMapListTooLongMessage = "your maplist is too long !!!";
inline constexpr std::string_view kMapCycleNotWrittenMessage =
    "can't write \"kelvrin.scriptcfg\" !";
inline constexpr std::string_view kNoMapSelectedMessage =
    "Please select at least one map ( startmap ) or press \"Cancel\"";

enum class MapDialogOutcome { Close, StayOpen };

// Fills both lists as the map selection dialog opens: the default maps and the game folder's
// map files, and the cycle of its script (or the start map when there is none).
void LoadMapLists(ServerSettings& settings, MapRows& available, MapRows& selected);

// Appends the entries of a script's quoted part to the selected rows, without "mp/". An entry
// holding a control character is dropped: it names no map file and must not reach the config.
void ReadMapCycle(ServerSettings& settings, std::string_view text, MapRows& selected);

// The script text for the selected rows, or nothing: for an empty list silently, for a list
// too long with the operator told.
std::optional<std::string> BuildMapCycle(ServerSettings& settings, const MapRows& selected,
                                         OperatorMessages& messages);

// Writes the script into the game folder; tells whether the dialog may close.
MapDialogOutcome WriteMapCycle(ServerSettings& settings, const MapRows& selected,
                               OperatorMessages& messages);

}  // namespace kelvrin
