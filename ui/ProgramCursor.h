#pragma once

#include <QCursor>
#include <QWidget>

namespace kelvrin {

// Cursor 133: the program's own 32 x 32 two-colour cursor, hot spot at the top left corner.
QCursor ProgramCursor();

// Shows the program's cursor over the window and every control in it. Link labels are left
// out: they choose between the hand and the arrow themselves and start out with the window's.
void UseProgramCursor(QWidget* window);

}  // namespace kelvrin
