#pragma once

#include "dialogs/Dialog.h"

namespace kelvrin {

// The About box (template 100): name, version and notices; OK, Enter and Escape close it.
class CAboutDlg : public Dialog {
public:
    CAboutDlg();

protected:
    void OnInitDialog() override {}
};

}  // namespace kelvrin
