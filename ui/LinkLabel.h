#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

#include "ui/UrlOpener.h"

namespace kelvrin {

// A static text turned into a link: drawn blue and underlined in the parent's font at the top
// left corner, a hand cursor over the text, and a press of the left button on the text hands the
// target to the UrlOpener. Only the text's own rectangle counts, and only once it is measured:
// the underline font is made at the first paint, so before it nothing opens.
// The shown text is the label's text(); the target is separate and set by the owner.
// Without an opener (the default) a click opens nothing.
class CLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit CLinkLabel(QWidget* parent = nullptr);

    void SetTarget(const QString& target);
    void SetUrlOpener(UrlOpener* opener);

    // True for a point (label coordinates) on the text, once it has been measured.
    bool HitTest(const QPoint& p) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void MakeUnderlineFont();
    void MeasureText() const;

    QString target_;
    UrlOpener* opener_ = nullptr;
    QFont underlineFont_;
    bool fontMade_ = false;
    bool tracking_ = false;
    mutable int textWidth_ = 0;
    mutable int textHeight_ = 0;
    mutable bool sizeMeasured_ = false;
};

}  // namespace kelvrin
