#include "ui/DesktopLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace kelvrin {

void DesktopLinkOpener::Open(const std::string& target) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(target), QUrl::TolerantMode));
}

}  // namespace kelvrin
