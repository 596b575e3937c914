#include "ui/ProgramIcons.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtDebug>

#include <vector>

namespace kelvrin {

namespace {

constexpr int kWindowIcon = 128;
constexpr int kDecorativeIcon = 134;

// Decoded once: every window and its icon controls share the images. Kept as images, which
// need no window system, so that they may outlive the application object.
const QImage& Decoded(int resource) {
    static const QImage window =
        ReadXpmResource(QStringLiteral(":/icons/icon%1.xpm").arg(kWindowIcon));
    static const QImage decorative =
        ReadXpmResource(QStringLiteral(":/icons/icon%1.xpm").arg(kDecorativeIcon));
    return resource == kWindowIcon ? window : decorative;
}

}  // namespace

QImage ReadXpmResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    const QByteArray text = file.readAll();
    // An XPM file is a C array of strings: its rows are the quoted texts, in order.
    QList<QByteArray> rows;
    for (qsizetype open = text.indexOf('"'); open >= 0;) {
        const qsizetype close = text.indexOf('"', open + 1);
        if (close < 0) return QImage();
        rows.append(text.mid(open + 1, close - open - 1));
        open = text.indexOf('"', close + 1);
    }
    if (rows.isEmpty()) return QImage();
    std::vector<const char*> lines;
    lines.reserve(static_cast<std::size_t>(rows.size()));
    for (const QByteArray& row : rows) lines.push_back(row.constData());
    return QImage(lines.data());
}

QIcon WindowIcon() { return QIcon(QPixmap::fromImage(Decoded(kWindowIcon))); }

QPixmap DecorativeIcon() { return QPixmap::fromImage(Decoded(kDecorativeIcon)); }

QPixmap ProgramIconPixmap(int resource) {
    if (resource != kWindowIcon && resource != kDecorativeIcon) {
        qWarning() << "no icon resource" << resource;
        return QPixmap();
    }
    return QPixmap::fromImage(Decoded(resource));
}

}  // namespace kelvrin
