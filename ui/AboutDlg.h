#pragma once

#include "ui/TemplateDialog.h"

namespace kelvrin {

// The About box (template 100): name, version and notices; OK or Enter and Escape close it.
class CAboutDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace kelvrin
