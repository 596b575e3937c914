// What the Win32 renderer adds to the dialog layer: each template built as native controls, the
// view's contract kept, and the operator's messages reaching the dialogs, so that the files come
// out as on Linux.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/KelvrinDlg.h"
#include "files/WideText.h"
#include "tests/support/EventDialog.h"
#include "tests/support/Recorders.h"
#include "tests/support/Standing.h"
#include "win32/DialogTemplateBuilder.h"
#include "win32/DialogWindow.h"
#include "win32/WindowServices.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Hands the queued messages on as the dialog's own loop does.
void Pump(HWND window) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(window, &message)) DispatchMessageW(&message);
    }
}

// A key pressed on the focused control, through the dialog's own loop.
void PressKey(HWND window, WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    Pump(window);
}

struct Kind {
    const wchar_t* className;
    DWORD mask, style;
};

// Owner data: the list holds only its count; the window draws each row from its strings.
constexpr DWORD kOwnerData = LBS_NOTIFY | LBS_NODATA | LBS_OWNERDRAWFIXED | WS_TABSTOP;

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
    {L"ListBox", kOwnerData | LBS_SORT | LBS_HASSTRINGS, kOwnerData},
    {L"Static", SS_TYPEMASK | SS_NOTIFY, SS_LEFT | SS_NOTIFY},
};
static_assert(std::size(kKinds) == static_cast<std::size_t>(ControlKind::Link) + 1);

// How wide the window's font draws the text.
long TextWidth(HWND window, std::string_view text) {
    const HDC dc = GetDC(window);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    const std::wstring wide = WideFromUtf8(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    ReleaseDC(window, dc);
    return size.cx;
}

std::array<long, 4> Sides(RECT rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

struct TemplateRow : Named {
    int id;
    // What the dialog layer relies on from a view of the template, where it is written down.
    void (*contract)(DialogView& view, const EventDialog& dialog) = nullptr;
};
class Win32Window : public ::testing::TestWithParam<TemplateRow> {};

// The controls stand in template order (the tab order), but each label just before its field,
// with the template's id, their kind's class and style, and the template's rectangle in the
// window's dialog units; a combo's list is not measured, an icon takes its image's size, a label
// too narrow for its text grows away from its anchored side. Then the window keeps the view's
// contract, as the recording view and the Qt window do.
TEST_P(Win32Window, IsItsTemplateAndKeepsTheViewContract) {
    const DialogTemplate& layout = *FindDialogTemplate(GetParam().id);
    EventDialog dialog(layout.id);
    const auto window = DialogWindow::OpenModeless(dialog, nullptr);
    ASSERT_NE(window, nullptr);
    const HWND main = window->Handle();
    Pump(main);  // the dialog manager's first focus given, as before the operator's first action
    std::vector<const ControlTemplate*> order = CreationOrder(layout);
    HWND control = GetWindow(main, GW_CHILD);
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
        const DWORD centred = item->kind == ControlKind::Group ? BS_CENTER : SS_CENTER;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & (kind.mask | centred),
                  kind.style | (item->HasStyle("centre") ? centred : 0));
        RECT place{}, units{item->rect.x, item->rect.y, item->rect.width, item->rect.height};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
        // As the dialog manager places a control: its corner and its size each in pixels.
        MapDialogRect(main, &units);
        RECT expected{units.left, units.top, units.left + units.right, units.top + units.bottom};
        if (item->kind == ControlKind::Icon) {
            expected.right = expected.left + GetSystemMetrics(SM_CXICON);
            expected.bottom = expected.top + GetSystemMetrics(SM_CYICON);
        }
        // A closed combo is one line high; the rest of its template height is its list.
        if (item->kind == ControlKind::Combo) expected.bottom = place.bottom;
        if (item->kind == ControlKind::Label || item->kind == ControlKind::Link) {
            const long width = expected.right - expected.left;
            const long grown = std::max(0L, TextWidth(main, item->text) - width);
            const long leftward = item->HasStyle("centre")      ? grown / 2
                                  : item->HasStyle("grow-left") ? grown
                                                                : 0;
            expected.left -= leftward;
            expected.right += grown - leftward;
        }
        EXPECT_EQ(Sides(place), Sides(expected));
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "no control beyond the template's";
    std::erase_if(order, [](const ControlTemplate* item) { return item->buddy != -1; });
    std::vector<const ControlTemplate*> fields;
    for (const ControlTemplate& item : layout.controls) {
        if (item.buddy == -1) fields.push_back(&item);
    }
    EXPECT_EQ(order, fields) << "but for the labels, the template's order";
    if (GetParam().contract != nullptr) GetParam().contract(*window, dialog);
}

const TemplateRow kTemplates[] = {{{"main window"}, kTemplate, CheckMainWindowView},
                                  {{"map selection"}, mapselection::kTemplate, CheckMapDialogView},
                                  {{"advanced"}, advanced::kTemplate},
                                  {{"about"}, about::kTemplate}};
INSTANTIATE_TEST_SUITE_P(Templates, Win32Window, ::testing::ValuesIn(kTemplates), RowName());

// The main window as kelvrin.exe opens it (its lists filled by the dialog), in a start directory
// of its own with the default game folder.
class Win32MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        installation.MakeFolder("dvbase");
        window = DialogWindow::OpenModeless(dialog, nullptr);
        ASSERT_NE(window, nullptr);
        main = window->Handle();
    }

    TempInstallation installation;
    ServerSettings settings = installation.Settings();
    RecordingLauncher launcher;
    ModalDialogRunner dialogs;
    ShellLinkOpener links;
    CKelvrinDlg dialog{settings, launcher, dialogs, links};
    std::unique_ptr<DialogWindow> window;
    HWND main = nullptr;
};

struct KeyRow : Named {
    int box;
    std::vector<WPARAM> keys;
    std::wstring chosen;
    bool captureLimit;  // enabled
    std::wstring maxPlayers;
};
class Win32DropDownKeys : public Win32MainWindow, public ::testing::WithParamInterface<KeyRow> {};

// From DM and LAN, the rules follow the entry the keys chose, on the closed box and the open one.
TEST_P(Win32DropDownKeys, ApplyTheRulesOfTheChosenEntry) {
    SetFocus(GetDlgItem(main, GetParam().box));
    for (const WPARAM key : GetParam().keys) PressKey(main, key);
    EXPECT_EQ(TextOf(GetDlgItem(main, GetParam().box)), GetParam().chosen);
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(main, kCaptureLimit)) != FALSE, GetParam().captureLimit);
    EXPECT_EQ(TextOf(GetDlgItem(main, kMaxPlayers)), GetParam().maxPlayers);
}

const KeyRow kKeyRows[] = {
    {{"game type, closed"}, kGameType, {VK_DOWN, VK_DOWN}, L"CTF", true, L"16"},
    {{"game type, open"}, kGameType, {VK_F4, VK_DOWN, VK_DOWN, VK_RETURN}, L"CTF", true, L"16"},
    {{"speed, closed"}, kSpeed, {VK_UP}, L"768 kbs", false, L"10"},
    {{"speed, open"}, kSpeed, {VK_F4, VK_UP, VK_RETURN}, L"768 kbs", false, L"10"},
};
INSTANTIATE_TEST_SUITE_P(Rows, Win32DropDownKeys, ::testing::ValuesIn(kKeyRows), RowName());

// The last static text of a window that holds any: a message box's message.
std::wstring MessageOf(HWND box) {
    std::wstring message;
    for (HWND text = nullptr; (text = FindWindowExW(box, text, L"Static", nullptr));) {
        if (!TextOf(text).empty()) message = TextOf(text);
    }
    return message;
}

// The steps for the modal windows that the main window's messages open (message boxes,
// sub-dialogs), each run from a thread timer in the modal loop, on the window that is active then;
// each such window is noted first as its caption and its last text.
std::deque<std::function<void(HWND)>> modalSteps;
std::vector<std::wstring> modalsSeen;
HWND mainWindow = nullptr;

void CALLBACK RunModalStep(HWND, UINT, UINT_PTR, DWORD) {
    const HWND modal = GetActiveWindow();
    if (modal == nullptr || modal == mainWindow || modalSteps.empty()) return;
    EXPECT_EQ(GetWindow(modal, GW_OWNER), mainWindow) << "owned by the window it belongs to";
    modalsSeen.push_back(TextOf(modal) + L": " + MessageOf(modal));
    const auto step = std::move(modalSteps.front());
    modalSteps.pop_front();
    step(modal);
}

void Press(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

// A double click on a row: its second press arrives as a double click.
void DoubleClickRow(HWND list, int row) {
    RECT rect{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    for (const UINT press : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageW(list, press, MK_LBUTTON, MAKELPARAM(rect.left + 2, rect.top + 2));
    }
}

// A row as a screen reader reads it; none there reads as empty.
std::wstring RowOf(HWND list, WPARAM row) {
    const LRESULT length = std::max<LRESULT>(0, SendMessageW(list, LB_GETTEXTLEN, row, 0));
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

// The operator's messages on the main window and its sub-dialogs write the same bytes as the
// Linux build; the message boxes carry the program's name as caption, the question its own; in
// the map lists a row's first letter chooses the next row it begins, the arrow keys move on and a
// double click copies, a row read back as drawn; the system menu opens the About box; Exit
// answered No closes the window and writes nothing.
TEST_F(Win32MainWindow, TheOperatorsMessagesWriteWhatLinuxWrites) {
    mainWindow = main;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, RunModalStep);

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
        EXPECT_EQ(RowOf(GetDlgItem(maps, kSelectedList), 3), L"dvdm6.map");
        Press(maps, kOk);
    });
    Press(main, kSelectMaps);
    modalSteps.push_back([](HWND box) {
        SetDlgItemTextW(box, advanced::kZombieTimeout, L"7");
        Press(box, advanced::kOk);
    });
    Press(main, kNetStuff);
    modalSteps.push_back([](HWND box) { Press(box, IDOK); });
    Press(main, kSaveConfig);
    wchar_t entry[64] = {};
    GetMenuStringW(GetSystemMenu(main, FALSE), kAboutCommand, entry, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(entry), L"Inf&o \u00fcber Kelvrin...");
    modalSteps.push_back([](HWND box) { Press(box, about::kOk); });
    SendMessageW(main, WM_SYSCOMMAND, kAboutCommand, 0);
    SetDlgItemTextW(main, kServerName, L"Not saved");
    modalSteps.push_back([](HWND box) { Press(box, IDNO); });
    Press(main, kExit);
    KillTimer(nullptr, timer);

    EXPECT_TRUE(modalSteps.empty());
    EXPECT_FALSE(IsWindow(main)) << "Exit closes the window";
    const std::vector<std::wstring> seen{
        L"Kelvrin - Map Selection: * -> Startmap", L"Kelvrin - Advanced Settings: ClientRate",
        L"win32_tests: Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written",
        L"Info \u00fcber Kelvrin: by the Kelvrin team", L"Question: Save changed configuration ?"};
    EXPECT_EQ(modalsSeen, seen);
    EXPECT_EQ(installation.ReadFile("dvbase/kelvrin.cfg"), TestData("win32-main-window.cfg"));
    EXPECT_EQ(installation.ReadFile("dvbase/kelvrin.scriptcfg"),
              "set si_mapcycle \"mp/dvdm1;mp/dvdm3.map;mp/dvdm5.map;mp/dvdm6.map\"\r\n");
}

}  // namespace
}  // namespace kelvrin::testing
