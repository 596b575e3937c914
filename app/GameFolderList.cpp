#include "app/GameFolderList.h"

#include "files/DirectoryListing.h"
#include "files/TextCompare.h"

namespace kelvrin {

namespace {

bool IsHidden(const std::string& name) {
#ifdef _WIN32
    // Hidden is an attribute there, and the listing leaves such folders out itself.
    (void)name;
    return false;
#else
    return !name.empty() && name.front() == '.';
#endif
}

}  // namespace

std::vector<std::string> ListGameFolders(const std::string& directory) {
    return ListSortedNames(directory, EntryKind::Folder,
                           [](const std::string& name) { return !IsHidden(name); });
}

std::string ListedDefaultGameFolder(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        if (EqualIgnoringCase(folder, kDefaultGameFolder)) return folder;
    }
    return std::string(kDefaultGameFolder);
}

std::string GameFolderEntry(std::string_view folder) {
    // Built by appending: GCC 12 warns wrongly of an overlap in "[" + name at -O2 (-Wrestrict).
    std::string entry = "[";
    entry.append(folder).push_back(']');
    return entry;
}

std::vector<std::string> GameBaseEntries(const std::vector<std::string>& folders) {
    std::vector<std::string> entries;
    entries.reserve(folders.size());
    for (const std::string& folder : folders) entries.push_back(GameFolderEntry(folder));
    SortIgnoringCase(entries);
    return entries;
}

std::string FolderOfEntry(std::string_view entry) {
    if (entry.size() < 2) return {};
    return std::string(entry.substr(1, entry.size() - 2));
}

GameFolderSelection ChooseGameFolderEntry(const std::vector<std::string>& entries,
                                          std::string_view gameFolder) {
    if (entries.empty()) return {std::nullopt, true};
    if (gameFolder.empty()) return {};
    const std::string wanted = GameFolderEntry(gameFolder);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (EqualIgnoringCase(entries[index], wanted)) return {index, false};
    }
    return {std::nullopt, true};
}

}  // namespace kelvrin
