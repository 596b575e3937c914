// Directory listings on Windows.
#ifdef _WIN32

#include "app/DirectoryListing.h"

#include <filesystem>

#include "app/TextCompare.h"

namespace kelvrin {

std::vector<std::string> ListSortedNames(const std::string& directory, EntryKind kind,
                                         const std::function<bool(const std::string&)>& keep) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        const bool wantedKind = kind == EntryKind::Folder ? it->is_directory(typeError)
                                                          : it->is_regular_file(typeError);
        if (!wantedKind) continue;
        std::string name = it->path().filename().string();
        if (keep(name)) names.push_back(std::move(name));
    }
    SortIgnoringCase(names);
    return names;
}

}  // namespace kelvrin

#endif
