#include "maps/MapList.h"

#include "app/DirectoryListing.h"
#include "app/TextCompare.h"

namespace kelvrin {

namespace {

bool HasMapExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".map";
    return name.size() >= kExtension.size() &&
           EqualIgnoringCase(std::string_view(name).substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace

std::vector<std::string> ListMapFiles(const std::string& directory) {
    return ListSortedNames(directory, EntryKind::PlainFile, HasMapExtension);
}

}  // namespace kelvrin
