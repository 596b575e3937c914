// The pieces the renderer adds: message boxes, link labels, the folder chooser, and the modal
// run of a sub-dialog.
#include "dialogs/AboutDlg.h"
#include "tests/ui/WindowFixture.h"
#include "ui/FolderChooser.h"

namespace kelvrin::testing {
namespace {

// A window's message and question: a message has the program's title, no icon and one OK; the
// question its own caption, a warning icon, Yes (the default) and No, and no close box. Both show
// their text plainly, as Latin-1, over the window.
struct Box : Named {
    bool question;
    void (*answer)(QMessageBox*);
    QString caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool yes;
};

void Enter(QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }
void PressN(QMessageBox* box) { QTest::keyClick(box, Qt::Key_N); }
// Escape after the Enter that started Exit must not answer its question: only a button does. A
// shut box takes no Enter, so Yes comes only from a box that Escape and closing left open.
void EscapeCloseEnter(QMessageBox* box) {
    QTest::keyClick(box, Qt::Key_Escape);
    box->close();
    Enter(box);
}

class MessageBox : public ::testing::TestWithParam<Box> {};

TEST_P(MessageBox, LooksAndAnswersAsItShould) {
    const Box& row = GetParam();
    EventDialog dialog(mapselection::kTemplate);
    TemplateWindow window(dialog);
    bool seen = false;
    WhenWindowAppears([&seen, &row, &window](QWidget* modal) {
        row.answer(static_cast<QMessageBox*>(modal));  // shut, but it lives until exec() returns
        const auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), row.caption);
        EXPECT_EQ(box->icon(), row.icon);
        EXPECT_EQ(box->standardButtons(), row.buttons);
        EXPECT_EQ(box->windowFlags().testFlag(Qt::WindowCloseButtonHint), !row.question);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), QStringLiteral("can't open subdirectory \"<b>Grüße</b>\" !"));
        EXPECT_EQ(box->parentWidget(), &window);
    });
    // Messages name folders and files as the file system spells them.
    const std::string text = "can't open subdirectory \"<b>Gr\xc3\xbc\xc3\x9f\x65</b>\" !";
    const bool yes = row.question && window.AskYesNo(text, "Question");
    if (!row.question) window.Show(text);
    EXPECT_TRUE(seen);
    EXPECT_EQ(yes, row.yes);
}

const QMessageBox::StandardButtons kYesNo = QMessageBox::Yes | QMessageBox::No;
const Box kBoxes[] = {
    {{"message"}, false, Enter, "ui_tests", QMessageBox::NoIcon, QMessageBox::Ok, false},
    {{"question, N"}, true, PressN, "Question", QMessageBox::Warning, kYesNo, false},
    {{"question, Escape"}, true, EscapeCloseEnter, "Question", QMessageBox::Warning, kYesNo, true},
};
INSTANTIATE_TEST_SUITE_P(Shown, MessageBox, ::testing::ValuesIn(kBoxes), RowName());

// Moves the mouse over the link, x pixels from its left, and gives the cursor shown then.
Qt::CursorShape CursorAt(QWidget* link, int x) {
    const QPoint at(x, 3);
    QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, {}, {});
    QApplication::sendEvent(link, &move);
    return link->cursor().shape();
}

// A link's text is drawn pure blue and underlined; the first move over it only starts tracking
// the cursor, then the hand shows over the text and the arrow beside it and after leaving.
TEST(LinkLabel, DrawsItselfAndFollowsTheMouse) {
    ShownTemplate main(mainwindow::kTemplate);
    auto* link = main.window.ItemAs<QLabel>(mainwindow::kHomeLink);
    QFont underlined = main.window.font();
    underlined.setUnderline(true);
    const QFontMetrics metrics(underlined);
    const QSize text(metrics.horizontalAdvance(link->text()), metrics.height());
    const QImage image = link->grab().toImage();
    const QRegion blue(
        QBitmap::fromImage(image.createMaskFromColor(qRgb(0, 0, 255), Qt::MaskOutColor)));
    EXPECT_TRUE(QRect(QPoint(0, 0), text).contains(blue.boundingRect()));
    EXPECT_TRUE(std::any_of(blue.begin(), blue.end(), [&text](const QRect& run) {
        return run.width() >= text.width() * 9 / 10;
    }));
    EXPECT_EQ(CursorAt(link, 3), Qt::BitmapCursor);  // the window's own
    EXPECT_EQ(CursorAt(link, 3), Qt::PointingHandCursor);
    EXPECT_EQ(CursorAt(link, text.width() + 10), Qt::ArrowCursor);
    EXPECT_EQ(CursorAt(link, 3), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(CursorAt(link, 3), Qt::ArrowCursor);
}

// "--choose-folder" asks for the start directory, here answered with the folder "game" or with
// Cancel (nothing: do not start). The current directory stays as it was.
std::optional<std::string> ChooseGameOrCancel(const TempInstallation& install, bool cancel) {
    install.MakeFolder("game");
    WhenWindowAppears([&install, cancel](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (dialog == nullptr || cancel) return void(window->close());
        dialog->setDirectory(QString::fromStdString(install.Root() + "/game"));
        static_cast<QDialog*>(dialog)->accept();  // takes the directory shown; public there
    });
    const std::optional<std::string> chosen = ChooseStartDirectory();
    EXPECT_EQ(CurrentDirectoryNow(), install.Root());
    return chosen;
}

TEST(FolderChooser, GivesTheChosenFolder) {
    TempInstallation install;
    EXPECT_EQ(ChooseGameOrCancel(install, false), install.Root() + "/game");
}

TEST(FolderChooser, GivesNoneOnCancel) {
    TempInstallation install;
    EXPECT_EQ(ChooseGameOrCancel(install, true), std::nullopt);
}

// The main window runs its sub-dialogs modally over itself.
TEST(QtDialogRunner, RunsASubDialogOverItsOwner) {
    EventDialog mainDialog(mainwindow::kTemplate);
    TemplateWindow window(mainDialog);
    QtDialogRunner runner;
    runner.SetOwner(&window);
    CAboutDlg about;
    QWidget* owner = nullptr;
    WhenWindowAppears([&owner](QWidget* modal) {
        owner = modal->parentWidget();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(runner.RunModal(about));
    EXPECT_EQ(owner, &window);
}

}  // namespace
}  // namespace kelvrin::testing
