#include "ui/MessageBoxes.h"

#include <QMessageBox>

#include "ui/ApplicationTitle.h"
#include "ui/WindowText.h"

namespace kelvrin {

namespace {

int RunMessageBox(QMessageBox::Icon icon, const QString& caption, const std::string& text,
                  QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                  QWidget* owner) {
    QMessageBox box(icon, caption, WindowText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

void ShowMessageBox(QWidget* owner, const std::string& text) {
    RunMessageBox(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok,
                  owner);
}

bool AskYesNoBox(QWidget* owner, const std::string& text, const std::string& caption) {
    return RunMessageBox(QMessageBox::Warning, WindowText(caption), text,
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                         owner) == QMessageBox::Yes;
}

}  // namespace kelvrin
