#pragma once

#include <optional>
#include <string>

namespace kelvrin {

// Asks for the game's installation folder; nothing when the operator cancels.
std::optional<std::string> ChooseStartDirectory();

}  // namespace kelvrin
