// The Windows part of the benchmark: the main window of kelvrin.exe against a bare Win32 dialog
// with the same 59 controls, each from its creation until it has painted itself and has nothing
// left to do, in wall-clock time (under Wine much of the work is done by the wineserver and the
// X server, outside the process). The two alternate in one run, after one unmeasured round,
// in a temporary start directory with the game folder dvbase; the medians, and the median of
// each round's ratio, are printed beside the goal. Usage: kelvrin_win32_benchmark.exe [runs]   (15
// runs unless given)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/KelvrinDlg.h"
#include "settings/ServerSettings.h"
#include "tools/common/QuietServices.h"
#include "win32/DialogTemplateBuilder.h"
#include "win32/DialogWindow.h"
#include "win32/WindowText.h"

namespace {

using namespace kelvrin;

double Milliseconds() {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Shows the window and handles its messages until it has painted and none is left.
void ShowUntilIdle(HWND window) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

INT_PTR CALLBACK BareProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The main window's template as it is, in a dialog that only fills the drop-downs' lists.
HWND OpenBareDialog() {
    const DialogTemplate& layout = *FindDialogTemplate(102);
    const std::vector<std::uint16_t> built = BuildDialogTemplate(layout);
    const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                                   reinterpret_cast<LPCDLGTEMPLATEW>(built.data()),
                                                   nullptr, BareProcedure, 0);
    for (const ControlTemplate& control : layout.controls) {
        for (const std::string_view item : control.items) {
            SendDlgItemMessageW(dialog, control.id, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(WideFromName(item).c_str()));
        }
    }
    return dialog;
}

double TimeBareDialog() {
    const double start = Milliseconds();
    const HWND dialog = OpenBareDialog();
    ShowUntilIdle(dialog);
    const double spent = Milliseconds() - start;
    DestroyWindow(dialog);
    return spent;
}

double TimeMainWindow() {
    ServerSettings settings;
    tools::NoLauncher launcher;
    tools::NoDialogs dialogs;
    tools::NoLinks links;
    const double start = Milliseconds();
    CKelvrinDlg dialog(settings, launcher, dialogs, links);
    const auto window = DialogWindow::OpenModeless(dialog, nullptr);
    ShowUntilIdle(window->Handle());
    return Milliseconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() /
        ("kelvrin-benchmark-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(root / "dvbase");
    std::filesystem::current_path(root);

    std::vector<double> bare;
    std::vector<double> main;
    std::vector<double> ratios;
    for (int run = 0; run <= runs; ++run) {
        const double bareTime = TimeBareDialog();
        const double mainTime = TimeMainWindow();
        if (run == 0) continue;  // the first round loads the classes, fonts and images
        bare.push_back(bareTime);
        main.push_back(mainTime);
        ratios.push_back(mainTime / bareTime);
    }
    std::filesystem::current_path(root.parent_path());
    std::filesystem::remove_all(root);

    // Each round's two windows meet the same load of the machine: the goal is on their ratio.
    const double ratio = Median(ratios);
    std::printf("Windows start-up, median of %d runs in one process (wall clock):\n", runs);
    std::printf("  bare Win32 dialog, %zu controls  %8.2f ms\n",
                FindDialogTemplate(102)->controls.size(), Median(bare));
    std::printf("  main window                     %8.2f ms\n", Median(main));
    std::printf(
        "  main window / bare dialog       %8.2f   (median of the rounds' ratios; goal: at "
        "most 1.20) %s\n",
        ratio, ratio <= 1.2 ? "met" : "MISSED");
    return 0;
}
