#pragma once

#include <QLineEdit>

namespace kelvrin {

// Makes the edit hold the digits 0-9 only, however text arrives: typed, pasted with the keyboard,
// the mouse or the context menu, or dropped. Only a leading minus sign is let through where it
// does not come from a key, so that a stored negative number, which code sets, can be edited.
void AcceptDigitsOnly(QLineEdit* edit);

}  // namespace kelvrin
