#include "win32/LinkLabel.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>

namespace kelvrin {

namespace {

constexpr UINT_PTR kSubclassId = 1;

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

LinkLabel::LinkLabel(HWND control, std::function<void()> pressed)
    : control_(control), pressed_(std::move(pressed)) {
    SetWindowSubclass(control_, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LinkLabel::~LinkLabel() {
    if (IsWindow(control_)) RemoveWindowSubclass(control_, Procedure, kSubclassId);
    if (underlineFont_ != nullptr) DeleteObject(underlineFont_);
}

void LinkLabel::MakeUnderlineFont() {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(GetParent(control_), WM_GETFONT, 0, 0));
    if (font == nullptr) return;  // tried again at the next paint
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    description.lfUnderline = TRUE;
    underlineFont_ = CreateFontIndirectW(&description);
}

// Measured once, in the underline font; a later change of the text keeps the first size.
void LinkLabel::MeasureText() {
    if (sizeMeasured_ || underlineFont_ == nullptr) return;
    const HDC dc = GetDC(control_);
    const HGDIOBJ previous = SelectObject(dc, underlineFont_);
    const std::wstring text = WindowText(control_);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &textSize_);
    SelectObject(dc, previous);
    ReleaseDC(control_, dc);
    sizeMeasured_ = true;
}

bool LinkLabel::OverText(POINT point) {
    MeasureText();
    return sizeMeasured_ && point.x >= 0 && point.x < textSize_.cx && point.y >= 0 &&
           point.y < textSize_.cy;
}

void LinkLabel::Paint() {
    if (underlineFont_ == nullptr) MakeUnderlineFont();
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(control_, &paint);
    // The dialog's own background behind the characters.
    const auto background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(control_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control_)));
    RECT client{};
    GetClientRect(control_, &client);
    if (background != nullptr) FillRect(dc, &client, background);
    const HGDIOBJ previous = underlineFont_ != nullptr ? SelectObject(dc, underlineFont_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 255));
    const std::wstring text = WindowText(control_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    if (previous != nullptr) SelectObject(dc, previous);
    EndPaint(control_, &paint);
}

LRESULT CALLBACK LinkLabel::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR /*id*/, DWORD_PTR self) {
    auto& link = *reinterpret_cast<LinkLabel*>(self);
    switch (message) {
        case WM_PAINT:
            link.Paint();
            return 0;
        case WM_SETCURSOR: {
            // The link's own cursor, before the dialog puts the program's cursor everywhere.
            POINT point{};
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            SetCursor(LoadCursorW(nullptr, link.OverText(point) ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        case WM_LBUTTONDOWN:
            // The link reacts to the button going down; the second press of a double click
            // arrives as a double click and opens nothing more.
            if (link.OverText(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) link.pressed_();
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, Procedure, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace kelvrin
