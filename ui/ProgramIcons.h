#pragma once

#include <QIcon>
#include <QPixmap>

namespace kelvrin {

QIcon WindowIcon();         // icon 128
QPixmap DecorativeIcon();   // icon 134

// The image of icon resource 128 or 134; an empty pixmap for any other number.
QPixmap ProgramIconPixmap(int resource);

}  // namespace kelvrin
