#include <QApplication>
#include <QBitmap>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QRegion>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "ui/LinkLabel.h"
#include "ui/ProgramCursor.h"

namespace kelvrin {
namespace {

struct OpenedTargets : UrlOpener {
    void Open(const QString& target) override { opened << target; }
    QStringList opened;
};

class LinkLabelTest : public ::testing::Test {
protected:
    LinkLabelTest() {
        window.setFont(QFont(window.font().family(), 11));
        link->setText(QStringLiteral("www.kelvrin.example.org"));
        link->SetTarget(QStringLiteral("http://www.kelvrin.example.org"));
        link->SetUrlOpener(&urls);
        // The text's own size is measured in the parent's font, underlined.
        QFont underlined = window.font();
        underlined.setUnderline(true);
        const QFontMetrics metrics(underlined);
        text = QSize(metrics.horizontalAdvance(link->text()), metrics.height());
        // The control is larger than its text, so there is room beside and below it.
        link->setGeometry(10, 10, text.width() + 60, text.height() * 3);
    }

    QWidget window;
    CLinkLabel* link = new CLinkLabel(&window);
    OpenedTargets urls;
    QSize text;
};

// The press opens, on the text only and only once its size is known from the first paint.
TEST_F(LinkLabelTest, APressOnThePaintedTextOpensTheTarget) {
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    link->grab();
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, text.height() + 2));
    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(urls.opened, QStringList{QStringLiteral("http://www.kelvrin.example.org")});
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(urls.opened.size(), 1) << "releasing the button opens nothing more";
}

TEST_F(LinkLabelTest, DrawsBlueUnderlinedTextAtTheTopLeftOnly) {
    window.setStyleSheet(QStringLiteral("background: white"));
    const QImage image = link->grab().toImage();
    // The pure blue pixels; in the bitmap they are the set ones, which MaskOutColor gives.
    const QRegion blue(QBitmap::fromImage(image.createMaskFromColor(qRgb(0, 0, 255), Qt::MaskOutColor)));
    EXPECT_TRUE(QRect(QPoint(0, 0), text).contains(blue.boundingRect())) << "nothing blue beside the text";
    // The underline: a run of pure blue nearly as wide as the text.
    const auto nearlyTextWide = [this](const QRect& run) { return run.width() >= text.width() * 9 / 10; };
    EXPECT_TRUE(std::any_of(blue.begin(), blue.end(), nearlyTextWide));
}

TEST_F(LinkLabelTest, CursorIsAHandOverTheTextFromTheSecondMoveOn) {
    link->grab();
    window.setCursor(ProgramCursor());
    // The first move after entering only starts tracking, so the cursor stays as it was.
    enum Step { OnText, BesideText, Leave };
    const std::pair<Step, Qt::CursorShape> steps[] = {
        {OnText, Qt::BitmapCursor}, {OnText, Qt::PointingHandCursor}, {BesideText, Qt::ArrowCursor},
        {OnText, Qt::PointingHandCursor}, {Leave, Qt::ArrowCursor}, {OnText, Qt::ArrowCursor},
        {OnText, Qt::PointingHandCursor},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        const QPoint at(steps[i].first == OnText ? 3 : text.width() + 10, 3);
        QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, steps[i].first == Leave ? &leave : &move);
        EXPECT_EQ(link->cursor().shape(), steps[i].second) << "step " << i;
    }
}

}  // namespace
}  // namespace kelvrin
