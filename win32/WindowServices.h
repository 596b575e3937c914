#pragma once

#include <string>

#include "dialogs/Dialog.h"

namespace kelvrin {

// Runs a sub-dialog modally, owned by the window that is open now, which waits disabled.
class ModalDialogRunner : public DialogRunner {
public:
    bool RunModal(Dialog& dialog) override;
};

// Hands a web or "mailto:" address to the shell with the verb "open".
class ShellLinkOpener : public LinkOpener {
public:
    void Open(const std::string& target) override;
};

}  // namespace kelvrin
