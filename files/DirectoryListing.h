#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kelvrin {

enum class EntryKind { Folder, PlainFile };

// The names of the entries of one kind in a directory that the filter keeps, sorted
// case-insensitively; an unreadable directory lists nothing.
std::vector<std::string> ListSortedNames(const std::string& directory, EntryKind kind,
                                         const std::function<bool(const std::string&)>& keep);

}  // namespace kelvrin
