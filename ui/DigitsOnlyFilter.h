#pragma once

#include <QLineEdit>

namespace kelvrin {

// Makes the edit refuse typed characters other than the digits 0-9, including pasting such text
// with the keyboard. Text set from code is left alone, so a stored negative number still shows.
void AcceptTypedDigitsOnly(QLineEdit* edit);

}  // namespace kelvrin
