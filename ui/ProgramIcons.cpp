#include "ui/ProgramIcons.h"

#include <QtDebug>

namespace kelvrin {

namespace {

constexpr int kWindowIcon = 128;
constexpr int kDecorativeIcon = 134;

}  // namespace

QIcon WindowIcon() {
    return QIcon(ProgramIconPixmap(kWindowIcon));
}

QPixmap DecorativeIcon() {
    return ProgramIconPixmap(kDecorativeIcon);
}

QPixmap ProgramIconPixmap(int resource) {
    if (resource != kWindowIcon && resource != kDecorativeIcon) {
        qWarning() << "no icon resource" << resource;
        return QPixmap();
    }
    return QPixmap(QStringLiteral(":/icons/icon%1.xpm").arg(resource));
}

}  // namespace kelvrin
