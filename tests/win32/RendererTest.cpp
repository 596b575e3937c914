// What the Win32 renderer adds to the dialog layer: each template built as native controls, and
// the operator's messages reaching the dialogs, so that the files come out as on Linux.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/KelvrinDlg.h"
#include "dialogs/MapSelectionDlg.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"
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

// A dialog that leaves its window as the template built it.
class BareDialog : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void OnInitDialog() override {}
};

struct KindRow {
    ControlKind kind;
    const wchar_t* className;
    DWORD mask;
    DWORD style;
};

// The native class and the style bits that make each kind what it is.
constexpr KindRow kKinds[] = {
    {ControlKind::Label, L"Static", SS_TYPEMASK | SS_NOPREFIX, SS_LEFT | SS_NOPREFIX},
    {ControlKind::Group, L"Button", BS_TYPEMASK | WS_TABSTOP, BS_GROUPBOX},
    {ControlKind::Icon, L"Static", SS_TYPEMASK, SS_ICON},
    {ControlKind::Edit, L"Edit", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP,
     ES_AUTOHSCROLL | WS_TABSTOP},
    {ControlKind::DigitsEdit, L"Edit", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP,
     ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP},
    {ControlKind::Combo, L"ComboBox", 3 | CBS_SORT | WS_TABSTOP, CBS_DROPDOWN | WS_TABSTOP},
    {ControlKind::Check, L"Button", BS_TYPEMASK | WS_TABSTOP, BS_AUTOCHECKBOX | WS_TABSTOP},
    {ControlKind::Button, L"Button", BS_TYPEMASK | WS_TABSTOP, BS_PUSHBUTTON | WS_TABSTOP},
    {ControlKind::DefaultButton, L"Button", BS_TYPEMASK | WS_TABSTOP,
     BS_DEFPUSHBUTTON | WS_TABSTOP},
    // Owner data: the list holds only its count; the window draws each row from its strings.
    {ControlKind::List, L"ListBox",
     LBS_NOTIFY | LBS_SORT | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_TABSTOP,
     LBS_NOTIFY | LBS_NODATA | LBS_OWNERDRAWFIXED | WS_TABSTOP},
    {ControlKind::Link, L"Static", SS_TYPEMASK | SS_NOTIFY, SS_LEFT | SS_NOTIFY},
};

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

// The controls stand in template order (the tab order), but each label just before its field,
// with the template's id, their kind's class and style, and the template's rectangle in the
// window's dialog units; a combo's list is not measured, an icon takes its image's size, a label
// too narrow for its text grows away from its anchored side.
TEST(Win32Renderer, EachTemplateBecomesItsNativeControls) {
    for (const int id : DialogTemplateIds()) {
        const DialogTemplate& layout = *FindDialogTemplate(id);
        SCOPED_TRACE("template " + std::to_string(id));
        BareDialog dialog(id);
        const auto window = DialogWindow::OpenModeless(dialog, nullptr);
        ASSERT_NE(window, nullptr);
        std::vector<const ControlTemplate*> order = CreationOrder(layout);
        HWND control = GetWindow(window->Handle(), GW_CHILD);
        int labelled = -1;  // the field the control before names
        for (const ControlTemplate* created : order) {
            const ControlTemplate& item = *created;
            SCOPED_TRACE("control " + std::to_string(item.id) + " " + std::string(item.text));
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(labelled == -1 || labelled == item.id) << "a label just before its field";
            labelled = item.buddy;
            const KindRow& kind = kKinds[static_cast<int>(item.kind)];
            wchar_t className[32] = {};
            GetClassNameW(control, className, 32);
            EXPECT_EQ(std::wstring(className), kind.className);
            EXPECT_EQ(GetDlgCtrlID(control), item.id);
            const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
            const DWORD centred = item.kind == ControlKind::Group ? BS_CENTER : SS_CENTER;
            EXPECT_EQ(style & (kind.mask | centred),
                      kind.style | (item.HasStyle("centre") ? centred : 0));
            const RECT place = PlaceOf(control);
            RECT expected = PixelsOf(window->Handle(), item.rect);
            if (item.kind == ControlKind::Icon) {
                expected.right = expected.left + GetSystemMetrics(SM_CXICON);
                expected.bottom = expected.top + GetSystemMetrics(SM_CYICON);
            }
            if (item.kind == ControlKind::Label || item.kind == ControlKind::Link) {
                const long grown = (place.right - place.left) - (expected.right - expected.left);
                EXPECT_GE(grown, 0);
                const long leftward = item.HasStyle("centre")      ? grown / 2
                                      : item.HasStyle("grow-left") ? grown
                                                                   : 0;
                expected.left -= leftward;
                expected.right += grown - leftward;
            }
            EXPECT_EQ(place.left, expected.left);
            EXPECT_EQ(place.top, expected.top);
            EXPECT_EQ(place.right, expected.right);
            // A closed combo is one line high; the rest of its template height is its list.
            if (item.kind != ControlKind::Combo) {
                EXPECT_EQ(place.bottom, expected.bottom);
            }
            control = GetWindow(control, GW_HWNDNEXT);
        }
        EXPECT_EQ(control, nullptr) << "no control beyond the template's";
        std::vector<const ControlTemplate*> unlabelled;
        for (const ControlTemplate& item : layout.controls) {
            if (item.buddy == -1) unlabelled.push_back(&item);
        }
        std::erase_if(order, [](const ControlTemplate* item) { return item->buddy != -1; });
        EXPECT_EQ(order, unlabelled) << "but for the labels, the template's order";
    }
}

// A key message to the focused control, through the dialog's own loop.
void Deliver(HWND window, UINT keyMessage, WPARAM key, LPARAM flags) {
    PostMessageW(GetFocus(), keyMessage, key, flags);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PressKey(HWND window, WPARAM key) {
    Deliver(window, WM_KEYDOWN, key, 1);
    Deliver(window, WM_KEYUP, key, 0xC0000001);
}

struct KeyRow {
    const char* name;
    int box;
    std::vector<WPARAM> keys;
    std::wstring chosen;
    bool captureLimitEnabled;
    std::wstring maxPlayers;
};
void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }

class Win32DropDownKeys : public ::testing::TestWithParam<KeyRow> {};

// From DM and LAN, the rules follow the entry the keys chose, on the closed box and the open one.
TEST_P(Win32DropDownKeys, ApplyTheRulesOfTheChosenEntry) {
    TempInstallation installation;
    installation.MakeFolder("dvbase");
    ServerSettings settings;
    RecordingLauncher launcher;
    ModalDialogRunner dialogs;
    ShellLinkOpener links;
    CKelvrinDlg dialog(settings, launcher, dialogs, links);
    const auto window = DialogWindow::OpenModeless(dialog, nullptr);
    ASSERT_NE(window, nullptr);
    const HWND main = window->Handle();
    SetFocus(GetDlgItem(main, GetParam().box));
    for (const WPARAM key : GetParam().keys) PressKey(main, key);
    EXPECT_EQ(TextOf(GetDlgItem(main, GetParam().box)), GetParam().chosen);
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(main, 1012)) != FALSE, GetParam().captureLimitEnabled);
    EXPECT_EQ(TextOf(GetDlgItem(main, 1014)), GetParam().maxPlayers);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Win32DropDownKeys,
    ::testing::Values(
        KeyRow{"GameTypeDownTwiceOnTheClosedBox", 1008, {VK_DOWN, VK_DOWN}, L"CTF", true, L"16"},
        KeyRow{"GameTypeF4DownTwiceEnter",
               1008,
               {VK_F4, VK_DOWN, VK_DOWN, VK_RETURN},
               L"CTF",
               true,
               L"16"},
        KeyRow{"SpeedUpOnTheClosedBox", 1007, {VK_UP}, L"768 kbs", false, L"10"},
        KeyRow{"SpeedF4UpEnter", 1007, {VK_F4, VK_UP, VK_RETURN}, L"768 kbs", false, L"10"}),
    [](const auto& row) { return std::string(row.param.name); });

// The steps for the modal windows that the next messages open (message boxes, sub-dialogs), each
// run from a thread timer in the modal loop, on the window that takes the operator's input then.
std::deque<std::function<void(HWND)>> modalSteps;

HWND ModalWindowNow(HWND mainWindow) {
    struct Search {
        HWND mainWindow;
        HWND found = nullptr;
    } search{mainWindow};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto& [main, found] = *reinterpret_cast<Search*>(data);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            const bool modal = window != main && IsWindowVisible(window) &&
                               IsWindowEnabled(window) && std::wstring(className) == L"#32770";
            if (modal) found = window;
            return modal ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND mainWindowUnderTest = nullptr;

void CALLBACK RunModalStep(HWND, UINT, UINT_PTR, DWORD) {
    const HWND modal = ModalWindowNow(mainWindowUnderTest);
    if (modal == nullptr || modalSteps.empty()) return;
    const auto step = std::move(modalSteps.front());
    modalSteps.pop_front();
    step(modal);
}

void Press(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

void Type(HWND window, int id, const std::wstring& text) {
    const HWND edit = GetDlgItem(window, id);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t typed : text) SendMessageW(edit, WM_CHAR, typed, 1);
}

// One click on a row, or a double click (the second press arrives as a double click).
void ClickRow(HWND window, int id, int row, bool twice = false) {
    const HWND list = GetDlgItem(window, id);
    RECT rect{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM(rect.left + 2, rect.top + 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    if (!twice) return;
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
}

// Each row as a screen reader reads it.
std::vector<std::wstring> RowsOf(HWND list) {
    std::vector<std::wstring> rows;
    for (WPARAM row = 0; row < static_cast<WPARAM>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++row) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)), 0);
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        rows.push_back(text);
    }
    return rows;
}

// In the map lists a row's first letter chooses the next row it begins, the arrow keys move on
// and a double click copies; every row reads back as drawn.
TEST(Win32Renderer, MapListsChooseByKeysAndDoubleClickAndReadBack) {
    TempInstallation installation;
    installation.MakeFolder("dvbase");
    ServerSettings settings;
    settings.startDirectory = installation.Root();
    CMapSelectionDlg dialog(settings);
    const auto window = DialogWindow::OpenModeless(dialog, nullptr);
    ASSERT_NE(window, nullptr);
    const HWND maps = window->Handle();
    SetFocus(GetDlgItem(maps, 1037));
    Deliver(maps, WM_CHAR, L'D', 1);  // from the first row to the second, "dvdm2.map"
    PressKey(maps, VK_DOWN);
    Press(maps, 1023);
    ClickRow(maps, 1037, 4, true);
    Deliver(maps, WM_CHAR, L'd', 1);
    Press(maps, 1023);
    const std::vector<std::wstring> copied{L"dvdm1", L"dvdm3.map", L"dvdm5.map", L"dvdm6.map"};
    EXPECT_EQ(RowsOf(GetDlgItem(maps, 1036)), copied);
}

std::string ExpectedFile(int resource) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(resource), MAKEINTRESOURCEW(10));
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return bytes == nullptr ? "" : std::string(bytes, SizeofResource(nullptr, found));
}

// The operator's messages on the main window and its sub-dialogs write the same bytes as the
// Linux build; the message boxes carry the program's name as caption, the question its own; the
// system menu opens the About box; Exit answered No closes the window and writes nothing.
TEST(Win32Renderer, TheOperatorsMessagesWriteWhatLinuxWrites) {
    TempInstallation installation;
    installation.WriteFile("dvbase/mp/dvdm_quarry.map", "");
    installation.WriteFile("dvbase/mp/dvctf_canyon.map", "");
    installation.MakeFolder("dvarena");
    ServerSettings settings;
    RecordingLauncher launcher;
    ModalDialogRunner dialogs;
    ShellLinkOpener links;
    CKelvrinDlg dialog(settings, launcher, dialogs, links);
    const auto window = DialogWindow::OpenModeless(dialog, nullptr);
    ASSERT_NE(window, nullptr);
    const HWND main = mainWindowUnderTest = window->Handle();
    std::vector<std::wstring> shown;
    const auto answer = [&shown](int button) {
        return [&shown, button](HWND box) {
            shown.push_back(TextOf(box) + L": " + TextOf(GetDlgItem(box, 0xFFFF)));
            Press(box, button);
        };
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, RunModalStep);

    Type(main, 1009, L"Caf\u00e9 Nord");
    const HWND gameTypeEdit = GetWindow(GetDlgItem(main, 1008), GW_CHILD);
    SendMessageW(gameTypeEdit, WM_KEYDOWN, VK_DOWN, 0);
    modalSteps.push_back(answer(IDOK));
    Press(main, 1024);
    modalSteps.push_back([](HWND maps) {
        ClickRow(maps, 1037, 2);
        Press(maps, 1023);
        Press(maps, IDOK);
    });
    Press(main, 1035);
    modalSteps.push_back([](HWND advanced) {
        Type(advanced, 1009, L"7");
        Press(advanced, IDOK);
    });
    Press(main, 1041);
    modalSteps.push_back(answer(IDOK));
    Press(main, 1024);
    wchar_t entry[64] = {};
    GetMenuStringW(GetSystemMenu(main, FALSE), 16, entry, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(entry), L"Inf&o \u00fcber Kelvrin...");
    modalSteps.push_back([&shown](HWND about) {
        shown.push_back(TextOf(about));
        Press(about, IDOK);
    });
    SendMessageW(main, WM_SYSCOMMAND, 16, 0);
    Type(main, 1009, L"Not saved");
    modalSteps.push_back(answer(IDNO));
    Press(main, IDOK);
    KillTimer(nullptr, timer);

    EXPECT_TRUE(modalSteps.empty());
    EXPECT_FALSE(IsWindow(main)) << "Exit closes the window";
    const std::wstring saved =
        L"win32_tests: Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written";
    const std::vector<std::wstring> expected{saved, saved, L"Info \u00fcber Kelvrin",
                                             L"Question: Save changed configuration ?"};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(installation.ReadFile("dvbase/kelvrin.cfg"), ExpectedFile(1));
    EXPECT_EQ(installation.ReadFile("kvr_dvbase.bat"),
              "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n");
    EXPECT_EQ(installation.ReadFile("dvbase/kelvrin.scriptcfg"),
              "set si_mapcycle \"mp/dvdm1;mp/dvdm3.map\"\r\n");
}

}  // namespace
}  // namespace kelvrin::testing
