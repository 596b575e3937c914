#include "maps/MapList.h"

#include <algorithm>

#include "files/DirectoryListing.h"
#include "files/TextCompare.h"

namespace kelvrin {

namespace {

bool HasMapExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".map";
    return name.size() >= kExtension.size() &&
           EqualIgnoringCase(std::string_view(name).substr(name.size() - kExtension.size()),
                             kExtension);
}

}  // namespace

bool ScriptCanCarry(std::string_view name) {
    // One byte at a time: a map folder may hold 100,000 names, and finding a byte is far quicker
    // than finding any byte of a set.
    return !name.empty() && name.size() <= kMaxMapRowLength &&
           name.find(';') == std::string_view::npos && name.find('"') == std::string_view::npos &&
           !HoldsControlCharacter(name);
}

std::vector<std::string> ListMapFiles(const std::string& directory) {
    // A name the script cannot carry would be written and then read back as other maps.
    return ListSortedNames(directory, EntryKind::PlainFile, [](const std::string& name) {
        return HasMapExtension(name) && ScriptCanCarry(name);
    });
}

}  // namespace kelvrin
