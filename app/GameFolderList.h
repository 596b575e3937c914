#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvrin {

inline constexpr std::string_view kDefaultGameFolder = "dvbase";

// The game folders of a directory: its direct subfolders without "." and "..", and without
// hidden ones, in case-insensitive alphabetical order.
std::vector<std::string> ListGameFolders(const std::string& directory);

// The default game folder as the file system spells it, found among the folders with letter
// case ignored; "dvbase" when there is none.
std::string ListedDefaultGameFolder(const std::vector<std::string>& folders);

// The Game Base list entry of a folder: its name in square brackets.
std::string GameFolderEntry(std::string_view folder);

// The Game Base list's entries for the folders, in the order the list shows them: sorted by the
// entries' own text (brackets included), letter case ignored.
std::vector<std::string> GameBaseEntries(const std::vector<std::string>& folders);

// The folder name of an entry: its first and last character removed; empty for a short entry.
std::string FolderOfEntry(std::string_view entry);

// What the filled Game Base list should show for gameFolder: the entry to select, and whether
// the operator must be told that no game folder was found.
struct GameFolderSelection {
    std::optional<std::size_t> select;
    bool reportNotFound = false;
};
GameFolderSelection ChooseGameFolderEntry(const std::vector<std::string>& entries,
                                          std::string_view gameFolder);

}  // namespace kelvrin
