#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/LinkLabel.h"
#include "ui/ProgramCursor.h"

namespace kelvrin {
namespace {

class OpenedTargets : public UrlOpener {
public:
    void Open(const QString& target) override { opened << target; }
    QStringList opened;
};

class LinkLabelTest : public ::testing::Test {
protected:
    LinkLabelTest() {
        QFont font = window.font();
        font.setPointSize(11);
        window.setFont(font);
        link->setText(QStringLiteral("www.kelvrin.example.org"));
        link->SetTarget(QStringLiteral("http://www.kelvrin.example.org"));
        link->SetUrlOpener(&urls);
        // The control is larger than its text, so there is room beside and below it.
        link->setGeometry(10, 10, TextSize().width() + 60, TextSize().height() * 3);
    }

    // The text's own size in the parent's font, underlined.
    QSize TextSize() const {
        QFont font = window.font();
        font.setUnderline(true);
        const QFontMetrics metrics(font);
        return QSize(metrics.horizontalAdvance(link->text()), metrics.height());
    }

    void Paint() { link->grab(); }

    void Press(const QPoint& at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(link, button, Qt::NoModifier, at);
        QTest::mouseRelease(link, button, Qt::NoModifier, at);
    }

    void Move(const QPoint& at) {
        QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &move);
    }

    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
    }

    QWidget window;
    CLinkLabel* link = new CLinkLabel(&window);
    OpenedTargets urls;
};

TEST_F(LinkLabelTest, HitTestCoversTheTextRectangleOnly) {
    Paint();
    const QSize text = TextSize();
    const struct {
        QPoint point;
        bool hit;
    } rows[] = {
        {{0, 0}, true},
        {{text.width() - 1, text.height() - 1}, true},
        {{text.width() / 2, text.height() / 2}, true},
        {{text.width(), 0}, false},
        {{0, text.height()}, false},
        {{text.width() + 20, text.height() / 2}, false},
        {{text.width() / 2, text.height() + 5}, false},
        {{-1, 0}, false},
        {{0, -1}, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(link->HitTest(row.point), row.hit) << row.point.x() << "," << row.point.y();
    }
}

TEST_F(LinkLabelTest, PressOnTheTextOpensTheTargetOnceOnTheWayDown) {
    Paint();
    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(urls.opened, QStringList{QStringLiteral("http://www.kelvrin.example.org")});
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(urls.opened.size(), 1) << "releasing the button opens nothing more";
}

TEST_F(LinkLabelTest, PressesBesideTheTextOrWithOtherButtonsOpenNothing) {
    Paint();
    const QSize text = TextSize();
    Press(QPoint(text.width() + 10, 2));          // right of the text, inside the control
    Press(QPoint(2, text.height() + 4));          // below the text, inside the control
    Press(QPoint(3, 3), Qt::RightButton);
    Press(QPoint(3, 3), Qt::MiddleButton);
    EXPECT_TRUE(urls.opened.isEmpty());
}

TEST_F(LinkLabelTest, NothingOpensBeforeTheFirstPaint) {
    EXPECT_FALSE(link->HitTest(QPoint(0, 0)));
    Press(QPoint(3, 3));
    EXPECT_TRUE(urls.opened.isEmpty());
    Paint();
    Press(QPoint(3, 3));
    EXPECT_EQ(urls.opened.size(), 1);
}

TEST_F(LinkLabelTest, WithoutAParentNothingIsEverMeasured) {
    CLinkLabel alone;
    alone.setText(QStringLiteral("kelvrin@example.org"));
    alone.SetUrlOpener(&urls);
    alone.resize(200, 40);
    alone.grab();
    EXPECT_FALSE(alone.HitTest(QPoint(0, 0)));
    QTest::mousePress(&alone, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_TRUE(urls.opened.isEmpty());
}

TEST_F(LinkLabelTest, SetTargetChangesWhatOpensButNotTheText) {
    Paint();
    const QImage before = link->grab().toImage();
    link->SetTarget(QStringLiteral("mailto:kelvrin@example.org?subject=kelvrin"));
    EXPECT_EQ(link->Target(), QStringLiteral("mailto:kelvrin@example.org?subject=kelvrin"));
    EXPECT_EQ(link->text(), QStringLiteral("www.kelvrin.example.org"));
    EXPECT_EQ(link->grab().toImage(), before);
    Press(QPoint(3, 3));
    EXPECT_EQ(urls.opened, QStringList{QStringLiteral("mailto:kelvrin@example.org?subject=kelvrin")});
}

TEST_F(LinkLabelTest, DrawsBlueUnderlinedTextAtTheTopLeftOnly) {
    window.setStyleSheet(QStringLiteral("background: white"));
    const QImage image = link->grab().toImage();
    const QSize text = TextSize();
    int blueOutside = 0;
    int longestBlueRow = 0;
    for (int y = 0; y < image.height(); ++y) {
        int blueInRow = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 255)) continue;
            if (x < text.width() && y < text.height()) ++blueInRow;
            else ++blueOutside;
        }
        longestBlueRow = std::max(longestBlueRow, blueInRow);
    }
    // The underline: a row of pure blue nearly as wide as the text.
    EXPECT_GE(longestBlueRow, text.width() * 9 / 10);
    EXPECT_EQ(blueOutside, 0);
}

TEST_F(LinkLabelTest, CursorIsAHandOverTheTextFromTheSecondMoveOn) {
    Paint();
    window.setCursor(ProgramCursor());
    const QPoint onText(3, 3);
    const QPoint besideText(TextSize().width() + 10, 3);

    Move(onText);
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor) << "the first move leaves the window's cursor";
    Move(onText);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    Move(besideText);
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
    Move(onText);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    Leave();
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
    Move(onText);
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor) << "after leaving, the next move only starts tracking";
    Move(onText);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace kelvrin
