#include "win32/OwnerDataList.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <utility>

#include "dialogs/LongestRows.h"
#include "win32/WindowText.h"

namespace kelvrin {

namespace {

constexpr UINT_PTR kSubclassId = 2;

// Text stands this far from the row's left edge, as in a list that draws its own rows.
constexpr int kTextIndent = 1;

}  // namespace

OwnerDataList::OwnerDataList(HWND list) : list_(list) {
    // An owner-drawn row keeps the height it had at creation, before the dialog's font came.
    const HDC dc = GetDC(list_);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(list_, dc);
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, metrics.tmHeight);
    SetWindowSubclass(list_, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

OwnerDataList::~OwnerDataList() {
    if (IsWindow(list_)) RemoveWindowSubclass(list_, Procedure, kSubclassId);
}

void OwnerDataList::SetRows(std::vector<std::string> rows) {
    rows_ = std::move(rows);
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SendMessageW(list_, LB_SETCOUNT, rows_.size(), 0);
    // The list scrolls sideways as far as its widest row reaches.
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(WidestRow() + 4), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

int OwnerDataList::WidestRow() const {
    const HDC dc = GetDC(list_);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::size_t row : LongestRows(rows_)) {
        const std::wstring text = WideFromName(rows_[row]);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, previous);
    ReleaseDC(list_, dc);
    return widest;
}

void OwnerDataList::Draw(const DRAWITEMSTRUCT& item) const {
    RECT rect = item.rcItem;
    if (item.itemID < rows_.size()) {
        const bool chosen = (item.itemState & ODS_SELECTED) != 0;
        const bool enabled = IsWindowEnabled(list_) != FALSE;
        FillRect(item.hDC, &rect, GetSysColorBrush(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(!enabled ? COLOR_GRAYTEXT
                                           : chosen ? COLOR_HIGHLIGHTTEXT
                                                    : COLOR_WINDOWTEXT));
        const std::wstring row = WideFromName(rows_[item.itemID]);
        RECT text = rect;
        text.left += kTextIndent;
        DrawTextW(item.hDC, row.c_str(), static_cast<int>(row.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &rect);
}

void OwnerDataList::ChooseRowBeginning(wchar_t typed) {
    const auto count = rows_.size();
    const auto caret = SendMessageW(list_, LB_GETCARETINDEX, 0, 0);
    const std::size_t start = caret < 0 ? 0 : static_cast<std::size_t>(caret);
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t row = (start + step) % count;
        const std::wstring text = WideFromName(rows_[row]);
        if (text.empty() || std::towlower(text[0]) != std::towlower(typed)) continue;
        SendMessageW(list_, LB_SETCURSEL, row, 0);
        // As the list tells its owner of a choice made with the keys.
        SendMessageW(GetParent(list_), WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(list_)), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list_));
        return;
    }
}

LRESULT CALLBACK OwnerDataList::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR /*id*/, DWORD_PTR self) {
    auto& list = *reinterpret_cast<OwnerDataList*>(self);
    switch (message) {
        case LB_GETTEXTLEN:
            if (wParam >= list.rows_.size()) return LB_ERR;
            return static_cast<LRESULT>(WideFromName(list.rows_[wParam]).size());
        case LB_GETTEXT: {
            if (wParam >= list.rows_.size() || lParam == 0) return LB_ERR;
            const std::wstring row = WideFromName(list.rows_[wParam]);
            row.copy(reinterpret_cast<wchar_t*>(lParam), row.size());
            reinterpret_cast<wchar_t*>(lParam)[row.size()] = L'\0';
            return static_cast<LRESULT>(row.size());
        }
        case WM_CHAR:
            if (wParam > L' ') {
                list.ChooseRowBeginning(static_cast<wchar_t>(wParam));
                return 0;
            }
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
