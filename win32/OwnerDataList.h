#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelvrin {

// A list box that holds only its count (owner data), so that thousands of rows fill at once: the
// rows are kept here as the names they are and drawn from here, each as it comes into view, and a
// screen reader or anyone else asking the list for a row's text is answered from here. A typed
// character chooses the next row it begins, as in a list that keeps its strings.
class OwnerDataList {
public:
    explicit OwnerDataList(HWND list);
    ~OwnerDataList();
    OwnerDataList(const OwnerDataList&) = delete;
    OwnerDataList& operator=(const OwnerDataList&) = delete;

    int Id() const { return GetDlgCtrlID(list_); }
    // Names shown as UTF-8 where they are valid UTF-8, else one byte a character; none chosen.
    void SetRows(std::vector<std::string> rows);
    // Draws a row for the owner's WM_DRAWITEM.
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    int WidestRow() const;
    void ChooseRowBeginning(wchar_t typed);

    HWND list_;
    std::vector<std::string> rows_;
};

}  // namespace kelvrin
