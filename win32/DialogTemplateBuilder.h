#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "dialogs/DialogTemplate.h"

namespace kelvrin {

// The Win32 control a template kind becomes: its predefined class (the atom of "Button",
// "Edit", "Static", "ListBox" or "ComboBox") and its window styles.
struct Win32Control {
    WORD classAtom = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
};

Win32Control Win32ControlOf(const ControlTemplate& control);

DWORD Win32DialogStyle(const DialogTemplate& dialog);
DWORD Win32DialogExStyle(const DialogTemplate& dialog);

// The order the controls are created in, which is their z-order and so their tab order: the
// template's, but each label just before the field it names, since a screen reader names a
// field without text of its own by the static text before it. Labels take no focus, so Tab
// still visits the fields in the template's order.
std::vector<const ControlTemplate*> CreationOrder(const DialogTemplate& dialog);

// The template as the dialog manager reads it (DLGTEMPLATEEX and its items), in memory: the
// layout stays the template's own, in dialog units of the template's font; the controls in their
// creation order.
std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialog);

}  // namespace kelvrin
