#pragma once

#include <string>

namespace kelvrin {

// How the core speaks to the operator. The window shows these as message boxes; tests record them.
class OperatorMessages {
public:
    virtual ~OperatorMessages() = default;

    // A message with one OK button, no icon, and the application title as caption.
    virtual void Show(const std::string& text) = 0;

    // A question with Yes and No, the exclamation icon, Yes the default. True for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
};

}  // namespace kelvrin
