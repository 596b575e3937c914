// kelvrin.exe: the dialog layer's windows on the Win32 API.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "dialogs/KelvrinDlg.h"
#include "files/WideText.h"
#include "launch/ProgramLauncher.h"
#include "settings/ServerSettings.h"
#include "win32/DialogWindow.h"
#include "win32/FolderChooser.h"
#include "win32/WindowServices.h"

namespace {

std::vector<std::string> Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; i < count; ++i) arguments.push_back(kelvrin::Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

// A window program has no console of its own: "--help" and errors go to the console it was
// started from, or to where its output was redirected.
void Print(const std::string& text, DWORD stream) {
    if (text.empty()) return;
    HANDLE handle = GetStdHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) return;
        handle = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
        if (handle == INVALID_HANDLE_VALUE) return;
    }
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*line*/, int /*show*/) {
    std::ostringstream out;
    std::ostringstream err;
    const kelvrin::CommandLine commandLine = kelvrin::ReadCommandLine(Arguments(), out, err);
    Print(out.str(), STD_OUTPUT_HANDLE);
    Print(err.str(), STD_ERROR_HANDLE);
    if (commandLine.exitCode) return *commandLine.exitCode;

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const std::optional<std::string> start =
        kelvrin::StartDirectoryOf(commandLine, kelvrin::ChooseStartDirectory);
    if (!start) return 0;
    kelvrin::ServerSettings settings;
    settings.startDirectory = *start;
    const auto launcher = kelvrin::MakeSystemLauncher();
    kelvrin::ModalDialogRunner dialogs;
    kelvrin::ShellLinkOpener links;
    kelvrin::CKelvrinDlg window(settings, *launcher, dialogs, links);
    kelvrin::DialogWindow::RunModal(window, nullptr);
    CoUninitialize();
    return 0;
}
