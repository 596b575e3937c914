#include "ui/MessageBoxes.h"

#include <QKeyEvent>
#include <QMessageBox>

#include "ui/ApplicationTitle.h"
#include "ui/WindowText.h"

namespace kelvrin {

namespace {

// Answered by its buttons alone, as a Windows Yes/No box: Escape does nothing and there is no
// close box, so that Escape pressed after Enter cannot throw an edit away.
class QuestionBox : public QMessageBox {
public:
    QuestionBox(const QString& caption, const QString& text, QWidget* owner)
        : QMessageBox(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No,
                      owner) {
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Cancel)) QMessageBox::keyPressEvent(event);
    }
    // A window manager may close it all the same (a key or a menu of its own).
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

int Run(QMessageBox& box, QMessageBox::StandardButton defaultButton) {
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

// A message names folders and files as the file system spells them.
void ShowMessageBox(QWidget* owner, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), NameText(text), QMessageBox::Ok,
                    owner);
    Run(box, QMessageBox::Ok);
}

bool AskYesNoBox(QWidget* owner, const std::string& text, const std::string& caption) {
    QuestionBox box(WindowText(caption), NameText(text), owner);
    return Run(box, QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace kelvrin
