#include "ui/ApplicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kelvrin {

QString ApplicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace kelvrin
