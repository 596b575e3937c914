#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/TextCompare.h"

namespace kelvrin {

inline constexpr std::array<std::string_view, 13> kDefaultMapNames{
    "dvdm1.map", "dvdm2.map",    "dvdm3.map",  "dvdm4.map",  "dvdm5.map",  "dvdm6.map", "dvdm7.map",
    "dvdm8.map", "dvdm11v1.map", "dvctf1.map", "dvctf2.map", "dvctf3.map", "dvctf4.map"};

inline constexpr std::string_view kMapFolderName = "mp";
// How the script and si_map name a map of that folder: "mp/" and its name.
inline constexpr std::string_view kMapPrefix = "mp/";

// Longest row (map name) that reads back whole from the script: an entry is read up to its
// "mp/" prefix plus this many characters.
inline constexpr std::size_t kMaxMapRowLength = 100;

// Whether a map name survives the trip through the script unchanged: it is not empty, fits a
// row, and holds no ";" or double quote (which end an entry) and no control character.
bool ScriptCanCarry(std::string_view name);

// The plain files of a directory whose names end in ".map" in any letter case and that the
// script can carry, in case-insensitive alphabetical order so the list is the same on every run.
std::vector<std::string> ListMapFiles(const std::string& directory);

}  // namespace kelvrin
