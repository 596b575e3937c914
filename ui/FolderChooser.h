#pragma once

#include <optional>
#include <string>

namespace kelvrin {

// Asks for the game's installation folder with the desktop's folder dialog; nothing when the
// operator cancelled: quit then.
std::optional<std::string> ChooseStartDirectory();

}  // namespace kelvrin
