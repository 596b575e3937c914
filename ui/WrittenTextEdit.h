#pragma once

class QLineEdit;

namespace kelvrin {

// Edits whose text is written into a file the game reads one byte per character.
inline constexpr int kMaxWrittenEditLength = 99;

// Refuses characters beyond Latin-1, which the file could not hold, however the text arrives,
// and takes at most kMaxWrittenEditLength characters, as a longer text would not read back
// whole. Text set from code is shown as given.
void AcceptWrittenTextOnly(QLineEdit* edit);

}  // namespace kelvrin
