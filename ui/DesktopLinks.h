#pragma once

#include "dialogs/Dialog.h"

namespace kelvrin {

// Hands a link's target to the desktop's URL handler; a failure is ignored.
class DesktopLinkOpener : public LinkOpener {
public:
    void Open(const std::string& target) override;
};

}  // namespace kelvrin
