#pragma once

namespace kelvrin {

// Asks for the game's installation folder and makes it the current directory; false when the
// operator cancels or the folder cannot be entered.
bool ChooseStartDirectory();

}  // namespace kelvrin
