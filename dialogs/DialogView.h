#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvrin {

// The id that stands for the window itself: its text is the caption.
inline constexpr int kWindowItem = 0;

// What the dialog layer asks of one window on screen; each front-end renders it its own way.
// Ids are the template's control ids. Texts that pass here are the store's own bytes, one byte a
// character (Latin-1 on screen). Items are names as the file system spells them: shown as UTF-8
// where they are valid UTF-8, else one byte a character; the layer keeps their bytes itself.
// Nothing done here from code runs a handler: only the operator's own actions come back as
// events. The window's messages are shown through the view, so they belong to that window.
class DialogView {
public:
    virtual ~DialogView() = default;

    // A message with one OK button, no icon, and the application title as caption.
    virtual void Show(const std::string& text) = 0;
    // A question with Yes and No, the exclamation icon, Yes the default. True for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;

    // The text of an edit, of a drop-down's edit field, of a label, button or the caption.
    virtual std::string Text(int id) const = 0;
    virtual void SetText(int id, std::string_view text) = 0;

    virtual bool Checked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;

    // Replaces the items of a list or a drop-down, in this order: the layer decides every order,
    // a renderer never sorts. Nothing is chosen afterwards.
    virtual void SetItems(int id, const std::vector<std::string>& items) = 0;
    // The chosen item, -1 for none: a list's selected row; the item a drop-down's text stands
    // for, letter case ignored (typed text that matches no item is no choice).
    virtual int Selection(int id) const = 0;
    // Chooses an item; an index outside the items chooses none.
    virtual void Select(int id, int index) = 0;

    virtual void Enable(int id, bool enabled) = 0;

    // Ends the window's modal run, accepted (OK) or not.
    virtual void Close(bool accepted) = 0;
};

}  // namespace kelvrin
