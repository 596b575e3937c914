#include "ui/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace kelvrin {

void DesktopUrlOpener::Open(const QString& target) {
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

}  // namespace kelvrin
