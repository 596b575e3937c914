#pragma once

class QLineEdit;

namespace kelvrin {

// Edits whose text is written into a file the game reads one byte per character: refuses
// characters beyond Latin-1, which the file could not hold, however the text arrives, and takes
// at most as many characters as a text may hold (kMaxTextLength), as a longer one would not read
// back whole. Text set from code is shown as given.
void AcceptWrittenTextOnly(QLineEdit* edit);

}  // namespace kelvrin
