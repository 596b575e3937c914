#pragma once

#include <string>

class QWidget;

namespace kelvrin {

// A message with one OK button, no icon, the application title as caption, owned by the window.
void ShowMessageBox(QWidget* owner, const std::string& text);

// Yes and No, the exclamation icon, Yes the default; true for Yes. Only a button answers it:
// Escape does nothing and it has no close box.
bool AskYesNoBox(QWidget* owner, const std::string& text, const std::string& caption);

}  // namespace kelvrin
