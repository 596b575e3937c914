#include "ui/ProgramCursor.h"

#include <QBitmap>
#include <QImage>

#include "ui/LinkLabel.h"
#include "ui/ProgramIcons.h"

namespace kelvrin {

namespace {

// Pixels of the source image (32-bit ARGB) as a monochrome image: bit 1 where the test holds.
QImage MonochromeWhere(const QImage& source, bool (*test)(QRgb)) {
    QImage bits(source.size(), QImage::Format_MonoLSB);
    bits.setColor(0, qRgb(255, 255, 255));
    bits.setColor(1, qRgb(0, 0, 0));
    bits.fill(0);
    for (int y = 0; y < source.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* line = bits.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            if (test(pixels[x])) line[x >> 3] = static_cast<uchar>(line[x >> 3] | (1u << (x & 7)));
        }
    }
    return bits;
}

bool IsBlack(QRgb pixel) { return qAlpha(pixel) != 0 && qGray(pixel) < 128; }

bool IsOpaque(QRgb pixel) { return qAlpha(pixel) != 0; }

struct CursorImages {
    QImage bitmap;
    QImage mask;
};

CursorImages DecodeCursorImages() {
    const QImage image = ReadXpmResource(QStringLiteral(":/icons/cursor133.xpm"))
                             .convertToFormat(QImage::Format_ARGB32);
    // Black where the bitmap is set, white where only the mask is, clear elsewhere.
    return {MonochromeWhere(image, IsBlack), MonochromeWhere(image, IsOpaque)};
}

}  // namespace

QCursor ProgramCursor() {
    // Decoded once for every window; kept as images, which need no window system, so that
    // they may outlive the application object.
    static const CursorImages images = DecodeCursorImages();
    return QCursor(QBitmap::fromImage(images.bitmap), QBitmap::fromImage(images.mask), 0, 0);
}

void UseProgramCursor(QWidget* window) {
    const QCursor cursor = ProgramCursor();
    window->setCursor(cursor);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isWindow() || qobject_cast<CLinkLabel*>(child) != nullptr) continue;
        child->setCursor(cursor);
    }
}

}  // namespace kelvrin
