// A link label on its own: where it draws, when it opens and which cursor it shows.
#include <QApplication>
#include <QBitmap>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QRegion>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/LinkLabel.h"
#include "ui/ProgramCursor.h"

namespace kelvrin {
namespace {

class LinkLabelTest : public ::testing::Test, public UrlOpener {
protected:
    LinkLabelTest() {
        window.setFont(QFont(window.font().family(), 11));
        link->setText(QStringLiteral("www.kelvrin.example.org"));
        link->SetTarget(QStringLiteral("http://www.kelvrin.example.org"));
        link->SetUrlOpener(this);
        // The text's own size is measured in the parent's font, underlined; the control is larger.
        QFont underlined = window.font();
        underlined.setUnderline(true);
        text = QSize(QFontMetrics(underlined).horizontalAdvance(link->text()), QFontMetrics(underlined).height());
        link->setGeometry(10, 10, text.width() + 60, text.height() * 3);
    }
    void Open(const QString& target) override { opened << target; }

    QWidget window;
    CLinkLabel* link = new CLinkLabel(&window);
    QStringList opened;
    QSize text;
};

// The press opens, on the text only and only once its size is known from the first paint; the
// second press of a double click opens nothing more.
TEST_F(LinkLabelTest, APressOnThePaintedTextOpensTheTarget) {
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    link->grab();
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, text.height() + 2));
    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://www.kelvrin.example.org")});
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseDClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(opened.size(), 1) << "neither the release nor the double click opens it again";
}

// Pure blue, underlined, at the top left: nothing blue beside the text, and one run of blue nearly
// as wide as the text.
TEST_F(LinkLabelTest, DrawsBlueUnderlinedTextAtTheTopLeftOnly) {
    window.setStyleSheet(QStringLiteral("background: white"));
    const QImage image = link->grab().toImage();
    const QRegion blue(QBitmap::fromImage(image.createMaskFromColor(qRgb(0, 0, 255), Qt::MaskOutColor)));
    EXPECT_TRUE(QRect(QPoint(0, 0), text).contains(blue.boundingRect()));
    EXPECT_TRUE(std::any_of(blue.begin(), blue.end(), [this](const QRect& run) { return run.width() >= text.width() * 9 / 10; }));
}

// The first move after entering only starts tracking, so the cursor stays as it was; then the hand
// over the text, the arrow beside it and after leaving.
TEST_F(LinkLabelTest, CursorIsAHandOverTheTextFromTheSecondMoveOn) {
    link->grab();
    window.setCursor(ProgramCursor());
    const std::pair<int, Qt::CursorShape> steps[] = {  // x of the move, or -1 to leave
        {3, Qt::BitmapCursor}, {3, Qt::PointingHandCursor}, {text.width() + 10, Qt::ArrowCursor},
        {3, Qt::PointingHandCursor}, {-1, Qt::ArrowCursor}, {3, Qt::ArrowCursor}, {3, Qt::PointingHandCursor}};
    for (const auto& [x, shape] : steps) {
        QMouseEvent move(QEvent::MouseMove, QPoint(x, 3), link->mapToGlobal(QPoint(x, 3)), Qt::NoButton, Qt::NoButton, {});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, x < 0 ? &leave : static_cast<QEvent*>(&move));
        EXPECT_EQ(link->cursor().shape(), shape) << "move to x " << x;
    }
}

}  // namespace
}  // namespace kelvrin
