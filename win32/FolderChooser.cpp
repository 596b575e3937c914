#include "win32/FolderChooser.h"

#include <windows.h>

#include <shlobj.h>

#include "files/WideText.h"

namespace kelvrin {

std::optional<std::string> ChooseStartDirectory() {
    BROWSEINFOW browse{};
    browse.lpszTitle = L"Choose the Dravek installation folder";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    const bool named = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (!named) return std::nullopt;
    return Utf8FromWide(path);
}

}  // namespace kelvrin
