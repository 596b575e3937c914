#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

namespace kelvrin {

// A static text turned into a link: drawn blue and underlined in the parent's font at the top
// left corner, a hand cursor over the text, and a press of the left button on the text is
// reported as pressed(). Only the text's own rectangle counts, and only once it is measured: the
// underline font is made at the first paint, so before it nothing is reported. What a press
// opens is the dialog's business.
class CLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit CLinkLabel(QWidget* parent = nullptr);

    // True for a point (label coordinates) on the text, once it has been measured.
    bool HitTest(const QPoint& p) const;

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void MakeUnderlineFont();
    void MeasureText() const;

    QFont underlineFont_;
    bool fontMade_ = false;
    bool tracking_ = false;
    mutable int textWidth_ = 0;
    mutable int textHeight_ = 0;
    mutable bool sizeMeasured_ = false;
};

}  // namespace kelvrin
