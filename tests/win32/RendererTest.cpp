// What the Win32 renderer adds to the dialog layer: each template built as native controls, the
// view's contract kept, and the operator's messages reaching the dialogs, so that the files come
// out as on Linux.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/KelvrinDlg.h"
#include "tests/support/EventDialog.h"
#include "tests/support/Recorders.h"
#include "tests/support/Standing.h"
#include "win32/DialogTemplateBuilder.h"
#include "win32/DialogWindow.h"
#include "win32/WindowServices.h"

namespace kelvrin::testing {
namespace {

// The tooltips that the program registers at start are common controls.
const bool kCommonControls = [] {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
}();

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Hands the queued messages on as the dialog's own loop does.
void Pump(HWND window) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A key pressed on the focused control, through the dialog's own loop.
void PressKey(HWND window, WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    Pump(window);
}

// The window opened over the dialog, once the dialog manager has given it its first focus.
std::unique_ptr<DialogWindow> Opened(Dialog& dialog) {
    std::unique_ptr<DialogWindow> window = DialogWindow::OpenModeless(dialog, nullptr);
    if (window != nullptr) Pump(window->Handle());
    return window;
}

struct Kind {
    const wchar_t* className;
    DWORD mask;
    DWORD style;
};

// The native class and the style bits that make each kind what it is, in ControlKind's order.
constexpr Kind kKinds[] = {
    {L"Static", SS_TYPEMASK | SS_NOPREFIX, SS_LEFT | SS_NOPREFIX},
    {L"Button", BS_TYPEMASK | WS_TABSTOP, BS_GROUPBOX},
    {L"Static", SS_TYPEMASK, SS_ICON},
    {L"Edit", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, ES_AUTOHSCROLL | WS_TABSTOP},
    {L"Edit", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP},
    {L"ComboBox", 3 | CBS_SORT | WS_TABSTOP, CBS_DROPDOWN | WS_TABSTOP},
    {L"Button", BS_TYPEMASK | WS_TABSTOP, BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"Button", BS_TYPEMASK | WS_TABSTOP, BS_PUSHBUTTON | WS_TABSTOP},
    {L"Button", BS_TYPEMASK | WS_TABSTOP, BS_DEFPUSHBUTTON | WS_TABSTOP},
    // Owner data: the list holds only its count; the window draws each row from its strings.
    {L"ListBox",
     LBS_NOTIFY | LBS_SORT | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_TABSTOP,
     LBS_NOTIFY | LBS_NODATA | LBS_OWNERDRAWFIXED | WS_TABSTOP},
    {L"Static", SS_TYPEMASK | SS_NOTIFY, SS_LEFT | SS_NOTIFY},
};
static_assert(std::size(kKinds) == static_cast<std::size_t>(ControlKind::Link) + 1);

// As the dialog manager places a control: its corner and its size each in pixels.
RECT PixelsOf(HWND dialog, const DialogRect& units) {
    RECT rect{units.x, units.y, units.width, units.height};
    MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

RECT PlaceOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct TemplateRow : Named {
    int id;
};
class Win32Template : public ::testing::TestWithParam<TemplateRow> {};

// The controls stand in template order (the tab order), but each label just before its field,
// with the template's id, their kind's class and style, and the template's rectangle in the
// window's dialog units; a combo's list is not measured, an icon takes its image's size, a label
// too narrow for its text grows away from its anchored side.
TEST_P(Win32Template, BecomesItsNativeControls) {
    const DialogTemplate& layout = *FindDialogTemplate(GetParam().id);
    EventDialog dialog(GetParam().id);
    const auto window = Opened(dialog);
    ASSERT_NE(window, nullptr);
    std::vector<const ControlTemplate*> order = CreationOrder(layout);
    HWND control = GetWindow(window->Handle(), GW_CHILD);
    int labelled = -1;  // the field the control before names
    for (const ControlTemplate* item : order) {
        SCOPED_TRACE("control " + std::to_string(item->id) + " " + std::string(item->text));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(labelled == -1 || labelled == item->id) << "a label just before its field";
        labelled = item->buddy;
        const Kind& kind = kKinds[static_cast<int>(item->kind)];
        wchar_t className[32] = {};
        GetClassNameW(control, className, 32);
        EXPECT_EQ(std::wstring(className), kind.className);
        EXPECT_EQ(GetDlgCtrlID(control), item->id);
        const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
        const DWORD centred = item->kind == ControlKind::Group ? BS_CENTER : SS_CENTER;
        EXPECT_EQ(style & (kind.mask | centred),
                  kind.style | (item->HasStyle("centre") ? centred : 0));
        const RECT place = PlaceOf(control);
        RECT expected = PixelsOf(window->Handle(), item->rect);
        if (item->kind == ControlKind::Icon) {
            expected.right = expected.left + GetSystemMetrics(SM_CXICON);
            expected.bottom = expected.top + GetSystemMetrics(SM_CYICON);
        }
        if (item->kind == ControlKind::Label || item->kind == ControlKind::Link) {
            const long grown = (place.right - place.left) - (expected.right - expected.left);
            EXPECT_GE(grown, 0);
            const long leftward = item->HasStyle("centre")      ? grown / 2
                                  : item->HasStyle("grow-left") ? grown
                                                                : 0;
            expected.left -= leftward;
            expected.right += grown - leftward;
        }
        EXPECT_EQ(place.left, expected.left);
        EXPECT_EQ(place.top, expected.top);
        EXPECT_EQ(place.right, expected.right);
        // A closed combo is one line high; the rest of its template height is its list.
        if (item->kind != ControlKind::Combo) {
            EXPECT_EQ(place.bottom, expected.bottom);
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "no control beyond the template's";
    std::erase_if(order, [](const ControlTemplate* item) { return item->buddy != -1; });
    std::vector<const ControlTemplate*> fields;
    for (const ControlTemplate& item : layout.controls) {
        if (item.buddy == -1) fields.push_back(&item);
    }
    EXPECT_EQ(order, fields) << "but for the labels, the template's order";
}

INSTANTIATE_TEST_SUITE_P(Windows, Win32Template,
                         ::testing::Values(TemplateRow{{"main window"}, mainwindow::kTemplate},
                                           TemplateRow{{"map selection"}, mapselection::kTemplate},
                                           TemplateRow{{"advanced"}, advanced::kTemplate},
                                           TemplateRow{{"about"}, about::kTemplate}),
                         RowName());

TEST(Win32Window, KeepsTheViewContractOnTheMainWindow) {
    EventDialog dialog(mainwindow::kTemplate);
    const auto window = Opened(dialog);
    ASSERT_NE(window, nullptr);
    CheckMainWindowView(*window, dialog);
}

TEST(Win32Window, KeepsTheViewContractOnTheMapDialog) {
    EventDialog dialog(mapselection::kTemplate);
    const auto window = Opened(dialog);
    ASSERT_NE(window, nullptr);
    CheckMapDialogView(*window, dialog);
}

// The main window as kelvrin.exe opens it (its lists filled by the dialog), in a start directory
// of its own with the default game folder.
class Win32MainWindow : public ::testing::Test {
protected:
    HWND Open() {
        installation.MakeFolder("dvbase");
        window = Opened(dialog);
        return window == nullptr ? nullptr : window->Handle();
    }

    TempInstallation installation;
    ServerSettings settings = installation.Settings();
    RecordingLauncher launcher;
    ModalDialogRunner dialogs;
    ShellLinkOpener links;
    CKelvrinDlg dialog{settings, launcher, dialogs, links};
    std::unique_ptr<DialogWindow> window;
};

struct KeyRow : Named {
    int box;
    std::vector<WPARAM> keys;
    std::wstring chosen;
    bool captureLimitEnabled;
    std::wstring maxPlayers;
};
class Win32DropDownKeys : public Win32MainWindow, public ::testing::WithParamInterface<KeyRow> {};

// From DM and LAN, the rules follow the entry the keys chose, on the closed box and the open one.
TEST_P(Win32DropDownKeys, ApplyTheRulesOfTheChosenEntry) {
    const HWND main = Open();
    ASSERT_NE(main, nullptr);
    SetFocus(GetDlgItem(main, GetParam().box));
    for (const WPARAM key : GetParam().keys) PressKey(main, key);
    EXPECT_EQ(TextOf(GetDlgItem(main, GetParam().box)), GetParam().chosen);
    const HWND captureLimit = GetDlgItem(main, mainwindow::kCaptureLimit);
    EXPECT_EQ(IsWindowEnabled(captureLimit) != FALSE, GetParam().captureLimitEnabled);
    EXPECT_EQ(TextOf(GetDlgItem(main, mainwindow::kMaxPlayers)), GetParam().maxPlayers);
}

const std::vector<WPARAM> kOpenDownTwice = {VK_F4, VK_DOWN, VK_DOWN, VK_RETURN};
const KeyRow kKeyRows[] = {
    {{"game type down twice, closed"},
     mainwindow::kGameType,
     {VK_DOWN, VK_DOWN},
     L"CTF",
     true,
     L"16"},
    {{"game type down twice, open"}, mainwindow::kGameType, kOpenDownTwice, L"CTF", true, L"16"},
    {{"speed up, closed"}, mainwindow::kSpeed, {VK_UP}, L"768 kbs", false, L"10"},
    {{"speed up, open"}, mainwindow::kSpeed, {VK_F4, VK_UP, VK_RETURN}, L"768 kbs", false, L"10"},
};
INSTANTIATE_TEST_SUITE_P(Rows, Win32DropDownKeys, ::testing::ValuesIn(kKeyRows), RowName());

// The steps for the modal windows that the next messages open (message boxes, sub-dialogs), each
// run from a thread timer in the modal loop, on the owned window that is active then.
std::deque<std::function<void(HWND)>> modalSteps;

void CALLBACK RunModalStep(HWND, UINT, UINT_PTR, DWORD) {
    const HWND modal = GetActiveWindow();
    if (GetWindow(modal, GW_OWNER) == nullptr || modalSteps.empty()) return;
    const auto step = std::move(modalSteps.front());
    modalSteps.pop_front();
    step(modal);
}

void Press(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

// The last static text of a window that holds any: a message box's message.
std::wstring MessageOf(HWND box) {
    std::wstring message;
    for (HWND text = nullptr; (text = FindWindowExW(box, text, L"Static", nullptr));) {
        if (!TextOf(text).empty()) message = TextOf(text);
    }
    return message;
}

// A double click on a row: its second press arrives as a double click.
void DoubleClickRow(HWND list, int row) {
    RECT rect{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM(rect.left + 2, rect.top + 2);
    for (const UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SendMessageW(list, press, MK_LBUTTON, point);
        SendMessageW(list, WM_LBUTTONUP, 0, point);
    }
}

// Each row as a screen reader reads it.
std::vector<std::wstring> RowsOf(HWND list) {
    std::vector<std::wstring> rows(static_cast<std::size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows[row].resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)));
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(rows[row].data()));
    }
    return rows;
}

// The operator's messages on the main window and its sub-dialogs write the same bytes as the
// Linux build; the message boxes carry the program's name as caption, the question its own; in
// the map lists a row's first letter chooses the next row it begins, the arrow keys move on and a
// double click copies, every row read back as drawn; the system menu opens the About box; Exit
// answered No closes the window and writes nothing.
TEST_F(Win32MainWindow, TheOperatorsMessagesWriteWhatLinuxWrites) {
    const HWND main = Open();
    ASSERT_NE(main, nullptr);
    std::vector<std::wstring> shown;
    const auto answer = [&shown](int button) {
        return [&shown, button](HWND box) {
            shown.push_back(TextOf(box) + L": " + MessageOf(box));
            Press(box, button);
        };
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, RunModalStep);

    using namespace mainwindow;
    SetDlgItemTextW(main, kServerName, L"Caf\u00e9 Nord");
    SendMessageW(GetWindow(GetDlgItem(main, kGameType), GW_CHILD), WM_KEYDOWN, VK_DOWN, 0);
    modalSteps.push_back([](HWND maps) {
        using namespace mapselection;
        const HWND available = GetDlgItem(maps, kAvailableList);
        SendMessageW(available, WM_CHAR, L'D', 1);  // from the first row to the second, dvdm2.map
        SendMessageW(available, WM_KEYDOWN, VK_DOWN, 1);
        Press(maps, kCopyButton);
        DoubleClickRow(available, 4);
        SendMessageW(available, WM_CHAR, L'd', 1);
        Press(maps, kCopyButton);
        const std::vector<std::wstring> copied{L"dvdm1", L"dvdm3.map", L"dvdm5.map", L"dvdm6.map"};
        EXPECT_EQ(RowsOf(GetDlgItem(maps, kSelectedList)), copied);
        Press(maps, kOk);
    });
    Press(main, kSelectMaps);
    modalSteps.push_back([](HWND box) {
        SetDlgItemTextW(box, advanced::kZombieTimeout, L"7");
        Press(box, advanced::kOk);
    });
    Press(main, kNetStuff);
    modalSteps.push_back(answer(IDOK));
    Press(main, kSaveConfig);
    wchar_t entry[64] = {};
    GetMenuStringW(GetSystemMenu(main, FALSE), kAboutCommand, entry, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(entry), L"Inf&o \u00fcber Kelvrin...");
    modalSteps.push_back(answer(about::kOk));
    SendMessageW(main, WM_SYSCOMMAND, kAboutCommand, 0);
    SetDlgItemTextW(main, kServerName, L"Not saved");
    modalSteps.push_back(answer(IDNO));
    Press(main, kExit);
    KillTimer(nullptr, timer);

    EXPECT_TRUE(modalSteps.empty());
    EXPECT_FALSE(IsWindow(main)) << "Exit closes the window";
    const std::vector<std::wstring> expected{
        L"win32_tests: Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written",
        L"Info \u00fcber Kelvrin: by the Kelvrin team", L"Question: Save changed configuration ?"};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(installation.ReadFile("dvbase/kelvrin.cfg"), TestData("win32-main-window.cfg"));
    EXPECT_EQ(installation.ReadFile("kvr_dvbase.bat"),
              "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n");
    EXPECT_EQ(installation.ReadFile("dvbase/kelvrin.scriptcfg"),
              "set si_mapcycle \"mp/dvdm1;mp/dvdm3.map;mp/dvdm5.map;mp/dvdm6.map\"\r\n");
}

}  // namespace
}  // namespace kelvrin::testing
