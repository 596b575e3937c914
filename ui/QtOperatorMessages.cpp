#include "ui/QtOperatorMessages.h"

#include <QMessageBox>

#include "ui/ApplicationTitle.h"

namespace kelvrin {

namespace {

int RunMessageBox(QMessageBox::Icon icon, const QString& caption, const std::string& text,
                  QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                  QWidget* owner) {
    QMessageBox box(icon, caption, QString::fromStdString(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

QtOperatorMessages::QtOperatorMessages(QWidget* owner) : owner_(owner) {}

void QtOperatorMessages::SetOwner(QWidget* owner) { owner_ = owner; }

void QtOperatorMessages::Show(const std::string& text) {
    RunMessageBox(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok,
                  owner_);
}

bool QtOperatorMessages::AskYesNo(const std::string& text, const std::string& caption) {
    return RunMessageBox(QMessageBox::Warning, QString::fromStdString(caption), text,
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                         owner_) == QMessageBox::Yes;
}

MessageOwnerScope::MessageOwnerScope(OperatorMessages& messages, QWidget* owner)
    : messages_(dynamic_cast<QtOperatorMessages*>(&messages)) {
    if (messages_ == nullptr) return;
    previous_ = messages_->Owner();
    messages_->SetOwner(owner);
}

MessageOwnerScope::~MessageOwnerScope() {
    if (messages_ != nullptr) messages_->SetOwner(previous_);
}

}  // namespace kelvrin
