#pragma once

#include <QPointer>
#include <QWidget>

#include <string>

#include "messages/OperatorMessages.h"

namespace kelvrin {

// The operator's messages as modal message boxes owned by a window.
class QtOperatorMessages : public OperatorMessages {
public:
    explicit QtOperatorMessages(QWidget* owner);
    void SetOwner(QWidget* owner);

    // One OK button, no icon, the application title as caption.
    void Show(const std::string& text) override;
    // Yes and No, the exclamation icon, Yes the default; true for Yes.
    bool AskYesNo(const std::string& text, const std::string& caption) override;

    QWidget* Owner() const { return owner_; }

private:
    QPointer<QWidget> owner_;
};

// While it lives, message boxes shown through these messages belong to the given window (a
// dialog that runs over the main window); afterwards they belong to their previous owner again.
// Messages that are not message boxes are left alone.
class MessageOwnerScope {
public:
    MessageOwnerScope(OperatorMessages& messages, QWidget* owner);
    ~MessageOwnerScope();
    MessageOwnerScope(const MessageOwnerScope&) = delete;
    MessageOwnerScope& operator=(const MessageOwnerScope&) = delete;

private:
    QtOperatorMessages* messages_;
    QPointer<QWidget> previous_;
};

}  // namespace kelvrin
