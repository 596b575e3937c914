// Directory listings on Windows.
#ifdef _WIN32

#include "files/DirectoryListing.h"

#include <windows.h>

#include "files/Directories.h"
#include "files/TextCompare.h"
#include "files/WideText.h"

namespace kelvrin {

std::vector<std::string> ListSortedNames(const std::string& directory, EntryKind kind,
                                         const std::function<bool(const std::string&)>& keep) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE search =
        ::FindFirstFileExW(WideFromUtf8(JoinPath(directory, "*")).c_str(), FindExInfoBasic, &entry,
                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folder != (kind == EntryKind::Folder)) continue;
        // Hidden folders are not offered, as dot-folders are not elsewhere.
        if (folder && (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)) continue;
        const std::wstring_view wide(entry.cFileName);
        if (wide == L"." || wide == L"..") continue;
        std::string name = Utf8FromWide(wide);
        if (keep(name)) names.push_back(std::move(name));
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    SortIgnoringCase(names);
    return names;
}

}  // namespace kelvrin

#endif
