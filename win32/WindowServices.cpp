#include "win32/WindowServices.h"

#include <windows.h>

#include <shellapi.h>

#include "win32/DialogWindow.h"
#include "win32/WindowText.h"

namespace kelvrin {

bool ModalDialogRunner::RunModal(Dialog& dialog) {
    return DialogWindow::RunModal(dialog, DialogWindow::Current());
}

void ShellLinkOpener::Open(const std::string& target) {
    ShellExecuteW(nullptr, L"open", WideFromName(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace kelvrin
