#pragma once

#include <QPointer>
#include <QWidget>

#include <string>

#include "app/OperatorMessages.h"

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

private:
    QPointer<QWidget> owner_;
};

}  // namespace kelvrin
