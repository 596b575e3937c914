#include "maps/MapList.h"

#include <algorithm>

#include "files/DirectoryListing.h"
#include "files/TextCompare.h"

namespace kelvrin {

namespace {

// ".map" in any letter case; only ASCII letters can spell it, so no locale is asked.
bool HasMapExtension(const std::string& name) {
    if (name.size() < 4) return false;
    const char* end = name.data() + name.size() - 4;
    return end[0] == '.' && (end[1] | 0x20) == 'm' && (end[2] | 0x20) == 'a' &&
           (end[3] | 0x20) == 'p';
}

}  // namespace

bool ScriptCanCarry(std::string_view name) {
    if (name.empty() || name.size() > kMaxMapRowLength) return false;
    // One pass over the bytes: a map folder may hold 100,000 names.
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return c == ';' || c == '"' || IsControlCharacter(c); });
}

std::vector<std::string> ListMapFiles(const std::string& directory) {
    // A name the script cannot carry would be written and then read back as other maps.
    return ListSortedNames(directory, EntryKind::PlainFile, [](const std::string& name) {
        return HasMapExtension(name) && ScriptCanCarry(name);
    });
}

}  // namespace kelvrin
