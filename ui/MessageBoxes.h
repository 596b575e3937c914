#pragma once

#include <string>

class QWidget;

namespace kelvrin {

// A message with one OK button, no icon, the application title as caption, owned by the window.
void ShowMessageBox(QWidget* owner, const std::string& text);

// Yes and No, the exclamation icon, Yes the default; true for Yes.
bool AskYesNoBox(QWidget* owner, const std::string& text, const std::string& caption);

}  // namespace kelvrin
