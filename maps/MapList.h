#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kelvrin {

inline constexpr std::array<std::string_view, 13> kDefaultMapNames{
    "dvdm1.map", "dvdm2.map", "dvdm3.map", "dvdm4.map",  "dvdm5.map",  "dvdm6.map", "dvdm7.map",
    "dvdm8.map", "dvdm11v1.map", "dvctf1.map", "dvctf2.map", "dvctf3.map", "dvctf4.map"};

inline constexpr std::string_view kMapFolderName = "mp";

// The plain files of a directory whose names end in ".map" in any letter case, in
// case-insensitive alphabetical order so the list is the same on every run.
std::vector<std::string> ListMapFiles(const std::string& directory);

}  // namespace kelvrin
