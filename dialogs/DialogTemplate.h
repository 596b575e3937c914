#pragma once

#include <string_view>
#include <vector>

namespace kelvrin {

enum class ControlKind {
    Label,
    Group,
    Icon,
    Edit,
    DigitsEdit,
    Combo,
    Check,
    Button,
    DefaultButton,
    List,
    Link,
};

// A rectangle in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One control of a dialog template: what to create, where and with which text. Texts are UTF-8.
// Styles: "sort" (the dialog layer keeps the items in order: a renderer adds them as given),
// "hscroll", "centre", "disabled", "written" (an edit whose text is written into a file the game
// reads one byte a character: Latin-1 only, as long as a text may be), "grow-left" (a label whose
// text outgrows its rectangle grows to the left, away from the control on its right).
struct ControlTemplate {
    int id = -1;  // -1: a static control nobody looks up
    ControlKind kind = ControlKind::Label;
    std::string_view text;
    DialogRect rect;  // a combo's height includes its drop-down list
    std::vector<std::string_view> items;
    std::vector<std::string_view> styles;
    int icon = 0;    // icon resource of an "icon" control
    int buddy = -1;  // a label: the id of the field it names
    std::string_view tooltip;

    bool HasStyle(std::string_view style) const;
};

// An entry a window adds to its system menu; choosing it arrives as a click on the command.
struct MenuEntry {
    int command = 0;
    std::string_view text;
};

// A dialog template as kept under res/templates: caption, size in dialog units, the font the
// units are taken from, and the controls in creation (and tab) order. Window styles: "taskbar"
// (the window stands in the task bar). icon and cursor are resource numbers, 0 for none.
struct DialogTemplate {
    int id = 0;
    std::string_view caption;
    int width = 0;
    int height = 0;
    std::string_view fontFamily;
    int fontPoints = 0;
    std::vector<std::string_view> styles;
    int icon = 0;
    int cursor = 0;
    std::vector<MenuEntry> systemMenu;
    std::vector<ControlTemplate> controls;

    bool HasStyle(std::string_view style) const;
    // The control with this id, nullptr when there is none.
    const ControlTemplate* Control(int controlId) const;
};

// The templates of res/templates, compiled into the program; nullptr for an id none has.
const DialogTemplate* FindDialogTemplate(int id);

// The ids of every template there is, in increasing order.
std::vector<int> DialogTemplateIds();

}  // namespace kelvrin
