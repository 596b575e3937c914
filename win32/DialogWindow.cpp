#include "win32/DialogWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <optional>
#include <utility>

#include "files/WideText.h"
#include "settings/SettingDescription.h"
#include "win32/DialogTemplateBuilder.h"
#include "win32/WindowText.h"

namespace kelvrin {

namespace {

// Posted when the window opens: it arrives after the dialog manager has given the first focus.
constexpr UINT kOpened = WM_APP + 1;

std::vector<DialogWindow*> openWindows;

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The executable's file name without its extension: the caption of every message box.
std::wstring ApplicationTitle() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

bool SameLetters(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

std::wstring ComboItem(HWND combo, int index) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    return item;
}

class ChangingFromCode {
public:
    explicit ChangingFromCode(int& depth) : depth_(depth) { ++depth_; }
    ~ChangingFromCode() { --depth_; }
    ChangingFromCode(const ChangingFromCode&) = delete;
    ChangingFromCode& operator=(const ChangingFromCode&) = delete;

private:
    int& depth_;
};

}  // namespace

DialogWindow::DialogWindow(Dialog& dialog, const DialogTemplate& layout, bool modal)
    : dialog_(dialog), layout_(layout), modal_(modal) {}

DialogWindow::~DialogWindow() {
    links_.clear();
    if (window_ != nullptr) DestroyWindow(window_);
}

bool DialogWindow::RunModal(Dialog& dialog, HWND owner) {
    const DialogTemplate* layout = FindDialogTemplate(dialog.TemplateId());
    if (layout == nullptr) return false;
    const std::vector<std::uint16_t> built = BuildDialogTemplate(*layout);
    DialogWindow window(dialog, *layout, true);
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(built.data()), owner,
        Procedure, reinterpret_cast<LPARAM>(&window));
    window.window_ = nullptr;
    return result == IDOK;
}

std::unique_ptr<DialogWindow> DialogWindow::OpenModeless(Dialog& dialog, HWND owner) {
    const DialogTemplate* layout = FindDialogTemplate(dialog.TemplateId());
    if (layout == nullptr) return nullptr;
    const std::vector<std::uint16_t> built = BuildDialogTemplate(*layout);
    std::unique_ptr<DialogWindow> window(new DialogWindow(dialog, *layout, false));
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                               reinterpret_cast<LPCDLGTEMPLATEW>(built.data()), owner, Procedure,
                               reinterpret_cast<LPARAM>(window.get()));
    if (window->window_ == nullptr) return nullptr;
    ShowWindow(window->window_, SW_SHOW);
    return window;
}

HWND DialogWindow::Current() { return openWindows.empty() ? nullptr : openWindows.back()->window_; }

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self == nullptr ? FALSE : self->Handle(message, wParam, lParam);
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_SYSCOMMAND:
            return OnSystemCommand(wParam);
        case WM_DRAWITEM:
            if (const OwnerDataList* list = ListOf(static_cast<int>(wParam))) {
                list->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            return FALSE;
        case WM_SETCURSOR:
            if (cursor_ == nullptr) return FALSE;
            // The program's cursor over the window, its frame and every control that leaves
            // the cursor to its parent.
            SetCursor(cursor_);
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case kOpened:
            focusEvents_ = true;
            return TRUE;
        case WM_DESTROY:
            std::erase(openWindows, this);
            links_.clear();
            lists_.clear();
            return FALSE;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, DWLP_USER, 0);
            window_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

BOOL DialogWindow::OnInitDialog() {
    openWindows.push_back(this);
    SetUpIcons();
    SetUpSystemMenu();
    SetUpControls();
    FitLabelsToText();
    SetUpTooltips();
    {
        const ChangingFromCode changing(changingFromCode_);
        dialog_.Open(*this);
    }
    PostMessageW(window_, kOpened, 0, 0);
    // The dialog manager puts the focus on the first control in tab order.
    return TRUE;
}

void DialogWindow::SetUpIcons() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (layout_.icon != 0) {
        const auto icon = [&](int metricX, int metricY) {
            return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(layout_.icon),
                                                 IMAGE_ICON, GetSystemMetrics(metricX),
                                                 GetSystemMetrics(metricY), LR_SHARED));
        };
        // Shared: loaded once for every window, and never destroyed.
        SendMessageW(window_, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(icon(SM_CXICON, SM_CYICON)));
        SendMessageW(window_, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(icon(SM_CXSMICON, SM_CYSMICON)));
    }
    if (layout_.cursor != 0) {
        cursor_ = LoadCursorW(instance, MAKEINTRESOURCEW(layout_.cursor));
        SetCursor(cursor_);
    }
}

void DialogWindow::SetUpSystemMenu() {
    const HMENU menu = GetSystemMenu(window_, FALSE);
    if (menu == nullptr || layout_.systemMenu.empty()) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const MenuEntry& entry : layout_.systemMenu) {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.command),
                    WideFromName(entry.text).c_str());
    }
}

void DialogWindow::SetUpTooltips() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltips_ == nullptr) return;
    SendMessageW(tooltips_, TTM_ACTIVATE, TRUE, 0);
    for (const ControlTemplate& control : layout_.controls) {
        if (control.tooltip.empty()) continue;
        std::wstring text = WideFromName(control.tooltip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(Control(control.id));
        tool.lpszText = text.data();
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void DialogWindow::SetUpControls() {
    for (const ControlTemplate& control : layout_.controls) {
        const HWND handle = Control(control.id);
        if (control.kind == ControlKind::Link) {
            const int id = control.id;
            links_.push_back(
                std::make_unique<LinkLabel>(handle, [this, id] { dialog_.Clicked(id); }));
        }
        if (control.kind == ControlKind::List)
            lists_.push_back(std::make_unique<OwnerDataList>(handle));
        if (control.HasStyle("written")) {
            SendMessageW(handle, EM_SETLIMITTEXT, kMaxTextLength, 0);
            writtenTexts_.emplace_back(control.id, WindowText(handle));
        }
        if (!control.items.empty()) {
            FillItems(handle, control.kind, {control.items.begin(), control.items.end()});
        }
    }
}

// The template's font may be drawn wider than the one it was laid out in (a substitute for
// "MS Sans Serif"): a label whose text outgrows its rectangle grows to the right, a centred one
// to both sides, a "grow-left" one to the left, so that no text is cut or wrapped away.
void DialogWindow::FitLabelsToText() {
    const HDC dc = GetDC(window_);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
    HWND label = GetWindow(window_, GW_CHILD);
    for (const ControlTemplate* created : CreationOrder(layout_)) {
        const ControlTemplate& control = *created;
        const HWND current = label;
        label = GetWindow(label, GW_HWNDNEXT);
        if (control.kind != ControlKind::Label && control.kind != ControlKind::Link) continue;
        const std::wstring text = WideFromUtf8(control.text);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        // Where the dialog manager put it: its corner and its size each in pixels.
        RECT units{control.rect.x, control.rect.y, control.rect.width, control.rect.height};
        MapDialogRect(window_, &units);
        const RECT rect{units.left, units.top, units.left + units.right, units.top + units.bottom};
        const int extra = size.cx - (rect.right - rect.left);
        if (extra <= 0) continue;
        const int left = control.HasStyle("centre")      ? rect.left - extra / 2
                         : control.HasStyle("grow-left") ? rect.left - extra
                                                         : rect.left;
        SetWindowPos(current, nullptr, left, rect.top, size.cx, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
}

void DialogWindow::FillItems(HWND control, ControlKind kind, std::vector<std::string> items) {
    const ChangingFromCode changing(changingFromCode_);
    if (kind == ControlKind::Combo) {
        SendMessageW(control, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : items) {
            SendMessageW(control, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(WideFromName(item).c_str()));
        }
        return;
    }
    if (OwnerDataList* list = ListOf(GetDlgCtrlID(control))) list->SetRows(std::move(items));
}

void DialogWindow::OnCommand(int id, int code, HWND control) {
    if (changingFromCode_ > 0) return;
    // Enter and Escape come without a control when the window has no such button.
    if (control == nullptr) {
        if (id == IDOK || id == IDCANCEL) dialog_.Clicked(id);
        return;
    }
    switch (KindOf(id)) {
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        case ControlKind::Check:
            if (code == BN_CLICKED) dialog_.Clicked(id);
            break;
        case ControlKind::Combo:
            // A choice confirmed from the open list, or made with the arrow keys on the closed
            // box; moving through the open list is no choice yet.
            if (code == CBN_SELENDOK ||
                (code == CBN_SELCHANGE && SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) == 0)) {
                // The box's text follows the choice only after this notification.
                const std::optional<int> outer = pickedCombo_;
                pickedCombo_ = id;
                dialog_.Picked(id);
                pickedCombo_ = outer;
            }
            if (code == CBN_EDITCHANGE) dialog_.Edited(id);
            break;
        case ControlKind::Edit:
        case ControlKind::DigitsEdit:
            if (code == EN_CHANGE) OnEditChanged(id);
            break;
        case ControlKind::List:
            if (code == LBN_SELCHANGE) dialog_.Picked(id);
            if (code == LBN_DBLCLK) dialog_.DoubleClicked(id);
            if (code == LBN_SETFOCUS && focusEvents_) dialog_.Focused(id);
            break;
        default:
            break;
    }
}

// A written edit takes Latin-1 only, however the text arrives (typed, pasted, dropped): a change
// that brings in anything else is undone.
void DialogWindow::OnEditChanged(int id) {
    const auto written = std::find_if(writtenTexts_.begin(), writtenTexts_.end(),
                                      [id](const auto& entry) { return entry.first == id; });
    if (written != writtenTexts_.end()) {
        const HWND edit = Control(id);
        std::wstring text = WindowText(edit);
        if (!IsLatin1(text)) {
            const ChangingFromCode changing(changingFromCode_);
            SetWindowTextW(edit, written->second.c_str());
            SendMessageW(edit, EM_SETSEL, written->second.size(), written->second.size());
            MessageBeep(MB_OK);
            return;
        }
        written->second = std::move(text);
    }
    dialog_.Edited(id);
}

bool DialogWindow::OnSystemCommand(WPARAM command) {
    for (const MenuEntry& entry : layout_.systemMenu) {
        if ((command & 0xFFF0) != static_cast<WPARAM>(entry.command)) continue;
        dialog_.Clicked(entry.command);
        return true;
    }
    return false;
}

ControlKind DialogWindow::KindOf(int id) const {
    const ControlTemplate* control = layout_.Control(id);
    return control == nullptr ? ControlKind::Label : control->kind;
}

OwnerDataList* DialogWindow::ListOf(int id) const {
    for (const auto& list : lists_) {
        if (list->Id() == id) return list.get();
    }
    return nullptr;
}

HWND DialogWindow::Control(int id) const {
    return id == kWindowItem ? window_ : GetDlgItem(window_, id);
}

std::string DialogWindow::Text(int id) const {
    const HWND control = Control(id);
    if (id == pickedCombo_) return Latin1FromWide(ComboItem(control, Selection(id)));
    return Latin1FromWide(WindowText(control));
}

void DialogWindow::SetText(int id, std::string_view text) {
    const ChangingFromCode changing(changingFromCode_);
    const std::wstring wide = WideFromLatin1(text);
    SetWindowTextW(Control(id), wide.c_str());
    for (auto& [writtenId, lastText] : writtenTexts_) {
        if (writtenId == id) lastText = WindowText(Control(id));
    }
}

bool DialogWindow::Checked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void DialogWindow::SetChecked(int id, bool checked) {
    const ChangingFromCode changing(changingFromCode_);
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void DialogWindow::SetItems(int id, const std::vector<std::string>& items) {
    FillItems(Control(id), KindOf(id), items);
}

int DialogWindow::Selection(int id) const {
    const HWND control = Control(id);
    if (KindOf(id) != ControlKind::Combo) {
        return static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0));
    }
    const auto chosen = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    if (id == pickedCombo_) return chosen;
    // The item the box's text stands for, letter case ignored; the chosen one first, so that
    // of two equal items the chosen one counts.
    const std::wstring text = WindowText(control);
    if (chosen >= 0 && SameLetters(ComboItem(control, chosen), text)) return chosen;
    const auto found =
        static_cast<int>(SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(text.c_str())));
    return found == CB_ERR || !SameLetters(ComboItem(control, found), text) ? -1 : found;
}

void DialogWindow::Select(int id, int index) {
    const ChangingFromCode changing(changingFromCode_);
    const HWND control = Control(id);
    const bool combo = KindOf(id) == ControlKind::Combo;
    const auto count = SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    const WPARAM chosen =
        index >= 0 && index < count ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1);
    SendMessageW(control, combo ? CB_SETCURSEL : LB_SETCURSEL, chosen, 0);
}

void DialogWindow::Enable(int id, bool enabled) {
    const ChangingFromCode changing(changingFromCode_);
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
}

void DialogWindow::Close(bool accepted) {
    if (modal_) {
        EndDialog(window_, accepted ? IDOK : IDCANCEL);
    } else {
        DestroyWindow(window_);
    }
}

void DialogWindow::Show(const std::string& text) {
    MessageBoxW(window_, WideFromName(text).c_str(), ApplicationTitle().c_str(), MB_OK);
}

bool DialogWindow::AskYesNo(const std::string& text, const std::string& caption) {
    return MessageBoxW(window_, WideFromName(text).c_str(), WideFromName(caption).c_str(),
                       MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

}  // namespace kelvrin
