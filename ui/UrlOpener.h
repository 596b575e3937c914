#pragma once

#include <QString>

namespace kelvrin {

// Opens a link target (a web address or a "mailto:" address); tests record instead of opening.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void Open(const QString& target) = 0;
};

// Hands the target to the desktop's URL handler; a failure is ignored.
class DesktopUrlOpener : public UrlOpener {
public:
    void Open(const QString& target) override;
};

}  // namespace kelvrin
