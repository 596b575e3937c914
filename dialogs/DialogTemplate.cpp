#include "dialogs/DialogTemplate.h"

#include <algorithm>

namespace kelvrin {

namespace {

bool Holds(const std::vector<std::string_view>& styles, std::string_view style) {
    return std::find(styles.begin(), styles.end(), style) != styles.end();
}

}  // namespace

bool ControlTemplate::HasStyle(std::string_view style) const { return Holds(styles, style); }

bool DialogTemplate::HasStyle(std::string_view style) const { return Holds(styles, style); }

const ControlTemplate* DialogTemplate::Control(int controlId) const {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [controlId](const ControlTemplate& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

}  // namespace kelvrin
