#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace kelvrin {

QIcon WindowIcon();        // icon 128
QPixmap DecorativeIcon();  // icon 134

// The image of icon resource 128 or 134; an empty pixmap for any other number.
QPixmap ProgramIconPixmap(int resource);

// An XPM image among the program's resources, read from its text directly: the general image
// reader would first search the disk for format plugins, which costs the start-up more than
// all the images together. A null image if it cannot be read.
QImage ReadXpmResource(const QString& path);

}  // namespace kelvrin
