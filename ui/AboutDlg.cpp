#include "ui/AboutDlg.h"

#include <QPushButton>

namespace kelvrin {

namespace {

constexpr int kAboutTemplate = 100;
constexpr int kOk = 1;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : TemplateDialog(kAboutTemplate, parent) {
    if (auto* ok = ItemAs<QPushButton>(kOk))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace kelvrin
