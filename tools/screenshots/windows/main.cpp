// Opens kelvrin.exe's four windows side by side in the current directory (a copy of the demo
// installation), waits until they have painted, and prints each window's name and place on the
// screen ("name x y width height"), for take.sh to cut out of the screen. The windows
// stay open for the given seconds (20 unless told).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "dialogs/AboutDlg.h"
#include "dialogs/AdvancedSettingsDlg.h"
#include "dialogs/KelvrinDlg.h"
#include "dialogs/MapSelectionDlg.h"
#include "settings/ServerSettings.h"
#include "tools/common/QuietServices.h"
#include "win32/DialogWindow.h"

namespace {

void HandleMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kelvrin;
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ServerSettings settings;
    tools::NoLauncher launcher;
    tools::NoDialogs dialogs;
    tools::NoLinks links;
    CKelvrinDlg mainDialog(settings, launcher, dialogs, links);
    CMapSelectionDlg mapsDialog(settings);
    CAdvancedSettingsDlg advancedDialog(settings);
    CAboutDlg aboutDialog;
    const struct {
        const char* name;
        Dialog& dialog;
        POINT place;
    } shots[] = {
        {"main-window", mainDialog, {16, 16}},
        {"map-selection", mapsDialog, {16, 560}},
        {"advanced-settings", advancedDialog, {410, 560}},
        {"about", aboutDialog, {850, 560}},
    };
    std::unique_ptr<DialogWindow> windows[std::size(shots)];
    for (std::size_t i = 0; i < std::size(shots); ++i) {
        windows[i] = DialogWindow::OpenModeless(shots[i].dialog, nullptr);
        if (windows[i] == nullptr) return 1;
        SetWindowPos(windows[i]->Handle(), nullptr, shots[i].place.x, shots[i].place.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(windows[i]->Handle());
    }
    // The focus where an operator finds it: on the main window.
    SetForegroundWindow(windows[0]->Handle());
    for (int round = 0; round < 20; ++round) {
        HandleMessages();
        Sleep(50);
    }
    for (std::size_t i = 0; i < std::size(shots); ++i) {
        RECT rect{};
        GetWindowRect(windows[i]->Handle(), &rect);
        std::printf("%s %ld %ld %ld %ld\n", shots[i].name, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top);
    }
    std::fflush(stdout);
    for (int round = 0; round < seconds * 20; ++round) {
        HandleMessages();
        Sleep(50);
    }
    return 0;
}
