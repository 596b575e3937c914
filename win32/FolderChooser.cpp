#include "win32/FolderChooser.h"

#include <windows.h>

#include <shlobj.h>

namespace kelvrin {

bool ChooseStartDirectory() {
    BROWSEINFOW browse{};
    browse.lpszTitle = L"Choose the Dravek installation folder";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) return false;
    wchar_t path[MAX_PATH] = {};
    const bool entered = SHGetPathFromIDListW(chosen, path) && SetCurrentDirectoryW(path);
    CoTaskMemFree(chosen);
    return entered;
}

}  // namespace kelvrin
