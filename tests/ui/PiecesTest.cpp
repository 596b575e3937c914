// The pieces the renderer adds: message boxes, link labels, the folder chooser, and the modal
// run of a sub-dialog.
#include "dialogs/AboutDlg.h"
#include "tests/ui/WindowFixture.h"
#include "ui/FolderChooser.h"

namespace kelvrin::testing {
namespace {

// A window's message has the program's title, no icon and one OK; its question has its own
// caption, a warning icon, Yes (the default) and No, and no close box. Both show their text
// plainly, as Latin-1, over the window.
struct Box : Named {
    bool question;
    void (*answer)(QWidget*);
    bool yes;
};

// Escape after the Enter that started Exit must not answer its question: only a button does. A
// shut box takes no Enter, so Yes comes only from a box that Escape and closing left open.
void EscapeCloseEnter(QWidget* box) {
    Press<Qt::Key_Escape>(box);
    box->close();
    Press<Qt::Key_Return>(box);
}

const QMessageBox::StandardButtons kYesNo = QMessageBox::Yes | QMessageBox::No;
class MessageBox : public ::testing::TestWithParam<Box> {};

TEST_P(MessageBox, LooksAndAnswersAsItShould) {
    const Box& row = GetParam();
    EventDialog dialog(mapselection::kTemplate);
    TemplateWindow window(dialog);
    QString title;  // none: no box came
    WhenWindowAppears([&title, &row, &window](QWidget* modal) {
        row.answer(modal);  // shut, but it lives until exec() returns
        const auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        EXPECT_EQ(box->icon(), row.question ? QMessageBox::Warning : QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), row.question ? kYesNo : QMessageBox::Ok);
        EXPECT_EQ(box->windowFlags().testFlag(Qt::WindowCloseButtonHint), !row.question);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), QStringLiteral("can't open subdirectory \"<b>Grüße</b>\" !"));
        EXPECT_EQ(box->parentWidget(), &window);
    });
    // Messages name folders and files as the file system spells them.
    const std::string text = "can't open subdirectory \"<b>Gr\xc3\xbc\xc3\x9f\x65</b>\" !";
    const bool yes = row.question && window.AskYesNo(text, "Question");
    if (!row.question) window.Show(text);
    EXPECT_EQ(title, row.question ? "Question" : "ui_tests");
    EXPECT_EQ(yes, row.yes);
}

const Box kBoxes[] = {
    {{"message"}, false, Press<Qt::Key_Return>, false},
    {{"question, N"}, true, Press<Qt::Key_N>, false},
    {{"question, Escape"}, true, EscapeCloseEnter, true},
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
    const QSize text = link->fontMetrics().size(Qt::TextSingleLine, link->text());
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

// "--choose-folder" asks for the start directory and gives the folder chosen, leaving the current
// directory as it was; Cancel gives none: do not start.
TEST(FolderChooser, GivesTheChosenFolder) {
    TempInstallation install;
    install.MakeFolder("game");
    WhenWindowAppears([&install](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (dialog == nullptr) return void(window->close());
        dialog->setDirectory(QString::fromStdString(install.Root() + "/game"));
        static_cast<QDialog*>(dialog)->accept();  // takes the directory shown; public there
    });
    EXPECT_EQ(ChooseStartDirectory(), install.Root() + "/game");
    EXPECT_EQ(CurrentDirectoryNow(), install.Root());
}

TEST(FolderChooser, GivesNoneOnCancel) {
    WhenWindowAppears([](QWidget* window) { window->close(); });
    EXPECT_EQ(ChooseStartDirectory(), std::nullopt);
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
