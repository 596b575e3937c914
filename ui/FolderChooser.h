#pragma once

namespace kelvrin {

// Asks for the game's installation folder with the desktop's folder dialog and makes it the
// current directory. False when the operator cancelled (or it cannot be entered): quit then.
bool ChooseStartDirectory();

}  // namespace kelvrin
