#include "ui/LinkLabel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace kelvrin {

CLinkLabel::CLinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // Moves without a pressed button must arrive so that the cursor can follow the text.
    setMouseTracking(true);
}

bool CLinkLabel::HitTest(const QPoint& p) const {
    MeasureText();
    if (!sizeMeasured_) return false;
    return p.x() >= 0 && p.x() < textWidth_ && p.y() >= 0 && p.y() < textHeight_;
}

void CLinkLabel::MakeUnderlineFont() {
    const QWidget* parent = parentWidget();
    if (parent == nullptr) return;  // tried again at the next paint
    underlineFont_ = parent->font();
    underlineFont_.setUnderline(true);
    fontMade_ = true;
}

// Measured once, in the underline font; a later change of the text keeps the first size.
void CLinkLabel::MeasureText() const {
    if (sizeMeasured_ || !fontMade_) return;
    const QFontMetrics metrics(underlineFont_);
    textWidth_ = metrics.horizontalAdvance(text());
    textHeight_ = metrics.height();
    sizeMeasured_ = true;
}

void CLinkLabel::paintEvent(QPaintEvent* /*event*/) {
    if (!fontMade_) MakeUnderlineFont();
    QPainter painter(this);
    if (fontMade_) painter.setFont(underlineFont_);
    // No background of its own: the parent shows behind the characters.
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(QRect(QPoint(0, 0), size()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text());
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && HitTest(event->position().toPoint())) emit pressed();
    QLabel::mousePressEvent(event);
}

// The first press of a double click has been reported already; the widget's default would
// treat the second as another press and open it again.
void CLinkLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    // The first move only starts watching for the leave; the cursor follows from the next one.
    if (!tracking_) {
        tracking_ = true;
    } else {
        setCursor(HitTest(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    QLabel::mouseMoveEvent(event);
}

void CLinkLabel::leaveEvent(QEvent* event) {
    tracking_ = false;
    setCursor(Qt::ArrowCursor);
    QLabel::leaveEvent(event);
}

}  // namespace kelvrin
