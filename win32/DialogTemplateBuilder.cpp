#include "win32/DialogTemplateBuilder.h"

#include <string>
#include <string_view>

#include "files/WideText.h"

namespace kelvrin {

namespace {

// The predefined classes by their atoms, as dialog templates name them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kListBoxClass = 0x0083;
constexpr WORD kComboBoxClass = 0x0085;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

Win32Control ControlOfKind(const ControlTemplate& control) {
    const bool centred = control.HasStyle("centre");
    switch (control.kind) {
        case ControlKind::Label:
            // Plain text: an ampersand is shown, not taken as a mnemonic.
            return {kStaticClass, kChild | (centred ? SS_CENTER : SS_LEFT) | SS_NOPREFIX, 0};
        case ControlKind::Group:
            return {kButtonClass, kChild | BS_GROUPBOX | (centred ? BS_CENTER : 0), 0};
        case ControlKind::Icon:
            return {kStaticClass, kChild | SS_ICON, 0};
        case ControlKind::Edit:
            return {kEditClass, kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0};
        case ControlKind::DigitsEdit:
            return {kEditClass,
                    kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | ES_NUMBER, 0};
        case ControlKind::Combo:
            // Never CBS_SORT: the dialog layer decides every order.
            return {kComboBoxClass,
                    kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
        case ControlKind::Check:
            return {kButtonClass, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::Button:
            return {kButtonClass, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::DefaultButton:
            return {kButtonClass, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
        case ControlKind::List:
            // Owner data: the window keeps and draws the rows (OwnerDataList).
            return {kListBoxClass,
                    kChild | WS_BORDER | WS_TABSTOP | WS_VSCROLL |
                        (control.HasStyle("hscroll") ? WS_HSCROLL : 0) | LBS_NOTIFY |
                        LBS_NOINTEGRALHEIGHT | LBS_NODATA | LBS_OWNERDRAWFIXED,
                    0};
        case ControlKind::Link:
            // Notifies so that it receives the mouse; the link label draws and handles it.
            return {kStaticClass, kChild | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
    }
    return {kStaticClass, kChild, 0};
}

class TemplateWriter {
public:
    void Word(std::uint16_t value) { words_.push_back(value); }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Short(int value) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))); }
    void Text(std::string_view utf8) {
        for (const wchar_t unit : WideFromUtf8(utf8)) Word(static_cast<std::uint16_t>(unit));
        Word(0);
    }
    void Ordinal(std::uint16_t value) {
        Word(0xFFFF);
        Word(value);
    }
    // Every item starts on a DWORD boundary.
    void AlignToDword() {
        if (words_.size() % 2 != 0) Word(0);
    }
    std::vector<std::uint16_t> Take() { return std::move(words_); }

private:
    std::vector<std::uint16_t> words_;
};

void WriteControl(TemplateWriter& out, const ControlTemplate& control) {
    const Win32Control win32 = Win32ControlOf(control);
    out.AlignToDword();
    out.Dword(0);  // help id
    out.Dword(win32.exStyle);
    out.Dword(win32.style);
    out.Short(control.rect.x);
    out.Short(control.rect.y);
    out.Short(control.rect.width);
    out.Short(control.rect.height);
    out.Dword(static_cast<std::uint32_t>(control.id));
    out.Ordinal(win32.classAtom);
    if (control.kind == ControlKind::Icon) {
        out.Ordinal(static_cast<std::uint16_t>(control.icon));
    } else {
        out.Text(control.text);
    }
    out.Word(0);  // no creation data
}

}  // namespace

Win32Control Win32ControlOf(const ControlTemplate& control) {
    Win32Control win32 = ControlOfKind(control);
    if (control.HasStyle("disabled")) win32.style |= WS_DISABLED;
    return win32;
}

DWORD Win32DialogStyle(const DialogTemplate& /*dialog*/) {
    // A caption with the system menu and its close box, no minimise or maximise box.
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
}

DWORD Win32DialogExStyle(const DialogTemplate& dialog) {
    return dialog.HasStyle("taskbar") ? WS_EX_APPWINDOW : 0;
}

std::vector<const ControlTemplate*> CreationOrder(const DialogTemplate& dialog) {
    std::vector<const ControlTemplate*> order;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.buddy != -1) continue;  // comes with its field
        for (const ControlTemplate& label : dialog.controls) {
            if (control.id != -1 && label.buddy == control.id) order.push_back(&label);
        }
        order.push_back(&control);
    }
    return order;
}

std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialog) {
    TemplateWriter out;
    out.Word(1);       // version of the extended template
    out.Word(0xFFFF);  // its signature
    out.Dword(0);      // help id
    out.Dword(Win32DialogExStyle(dialog));
    out.Dword(Win32DialogStyle(dialog));
    out.Word(static_cast<std::uint16_t>(dialog.controls.size()));
    out.Short(0);
    out.Short(0);
    out.Short(dialog.width);
    out.Short(dialog.height);
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.Text(dialog.caption);
    out.Word(static_cast<std::uint16_t>(dialog.fontPoints));
    out.Word(FW_NORMAL);
    out.Word(static_cast<std::uint16_t>(DEFAULT_CHARSET << 8));  // not italic; the charset
    out.Text(dialog.fontFamily);
    for (const ControlTemplate* control : CreationOrder(dialog)) WriteControl(out, *control);
    return out.Take();
}

}  // namespace kelvrin
