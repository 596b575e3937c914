#pragma once

#include <windows.h>

#include <functional>

namespace kelvrin {

// Turns a static control into a link: its text drawn blue and underlined in the dialog's font,
// the hand cursor over the text only, and a press on the text handed to the owner. What a
// click opens is the owner's business.
class LinkLabel {
public:
    LinkLabel(HWND control, std::function<void()> pressed);
    ~LinkLabel();
    LinkLabel(const LinkLabel&) = delete;
    LinkLabel& operator=(const LinkLabel&) = delete;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    void Paint();
    void MakeUnderlineFont();
    void MeasureText();
    bool OverText(POINT point);

    HWND control_;
    std::function<void()> pressed_;
    HFONT underlineFont_ = nullptr;
    SIZE textSize_{};
    bool sizeMeasured_ = false;
};

}  // namespace kelvrin
