#include <QBitmap>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/ModalRun.h"
#include "ui/ApplicationTitle.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramCursor.h"
#include "ui/ProgramIcons.h"
#include "ui/QtOperatorMessages.h"

namespace kelvrin {
namespace {

TEST(ApplicationTitle, IsTheExecutableNameWithoutExtension) {
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("ui_tests"));
}

TEST(ProgramCursor, IsATwoColour32PixelCursorWithItsHotSpotTopLeft) {
    const QCursor cursor = ProgramCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    const QImage bitmap = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bitmap.size(), QSize(32, 32));
    ASSERT_EQ(mask.size(), QSize(32, 32));
    int black = 0;
    int white = 0;
    int clear = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool shown = mask.pixel(x, y) == qRgb(0, 0, 0);
            const bool dark = bitmap.pixel(x, y) == qRgb(0, 0, 0);
            (shown ? (dark ? black : white) : clear)++;
            EXPECT_FALSE(!shown && dark) << "no inverted pixels, at " << x << "," << y;
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);
    EXPECT_GT(clear, 0);
    EXPECT_EQ(mask.pixel(0, 0), qRgb(0, 0, 0)) << "the hot spot is on the cursor's image";
}

TEST(ProgramIcons, AreOurOwn32PixelImages) {
    EXPECT_EQ(DecorativeIcon().size(), QSize(32, 32));
    EXPECT_EQ(WindowIcon().pixmap(32, 32).size(), QSize(32, 32));
    EXPECT_NE(WindowIcon().pixmap(32, 32).toImage(), DecorativeIcon().toImage());
    EXPECT_TRUE(ProgramIconPixmap(133).isNull());
}

TEST(UseProgramCursor, CoversTheWindowAndItsControlsButNotLinkLabels) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* label = new QLabel(QStringLiteral("text"), &window);
    auto* link = new CLinkLabel(&window);
    UseProgramCursor(&window);
    for (const QWidget* widget : std::initializer_list<const QWidget*>{&window, edit, label}) {
        EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor);
        EXPECT_TRUE(widget->testAttribute(Qt::WA_SetCursor));
    }
    EXPECT_FALSE(link->testAttribute(Qt::WA_SetCursor)) << "the link label keeps choosing its own";
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor) << "and starts with the window's";
}

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextFormat format = Qt::AutoText;
};

// Records the message box and then presses the given key in it.
void SeeAndPress(SeenBox& seen, Qt::Key key) {
    testing::WhenWindowAppears([&seen, key](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return modal->close();
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->standardButton(box->defaultButton()), box->textFormat()};
        QTest::keyClick(box, key);
        return true;
    });
}

TEST(QtOperatorMessages, ShowHasOneOkButtonNoIconAndTheApplicationTitle) {
    QWidget owner;
    QtOperatorMessages messages(&owner);
    SeenBox seen;
    SeeAndPress(seen, Qt::Key_Return);
    messages.Show("can't write \"kelvrin.cfg\"!");
    EXPECT_EQ(seen.caption, ApplicationTitle());
    EXPECT_EQ(seen.text, QStringLiteral("can't write \"kelvrin.cfg\"!"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(QtOperatorMessages, AskYesNoHasYesDefaultExclamationAndItsOwnCaption) {
    const struct {
        Qt::Key key;
        bool answer;
    } rows[] = {{Qt::Key_Return, true}, {Qt::Key_Y, true}, {Qt::Key_N, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        QtOperatorMessages messages(nullptr);
        SeenBox seen;
        SeeAndPress(seen, row.key);
        EXPECT_EQ(messages.AskYesNo("Save changed configuration ?", "Question"), row.answer);
        EXPECT_EQ(seen.caption, QStringLiteral("Question"));
        EXPECT_EQ(seen.text, QStringLiteral("Save changed configuration ?"));
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
    }
}

TEST(QtOperatorMessages, TextsAreShownAsPlainText) {
    QtOperatorMessages messages(nullptr);
    SeenBox seen;
    SeeAndPress(seen, Qt::Key_Escape);
    messages.Show("<b>not bold</b>");
    EXPECT_EQ(seen.text, QStringLiteral("<b>not bold</b>"));
    EXPECT_EQ(seen.format, Qt::PlainText);
}

}  // namespace
}  // namespace kelvrin
