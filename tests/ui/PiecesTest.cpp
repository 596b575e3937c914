// The pieces the renderer adds: message boxes, link labels, the folder chooser, and the modal
// run of a sub-dialog.
#include "dialogs/AboutDlg.h"
#include "tests/ui/WindowFixture.h"
#include "ui/FolderChooser.h"

namespace kelvrin::testing {
namespace {

// A window's message and question: a message has the program's title, no icon and one OK; the
// question its own caption, a warning icon, Yes (the default) and No. Both show their text
// plainly, as Latin-1, over the window.
TEST(MessageBoxes, MessagesAndTheQuestionLookAsTheyShould) {
    const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
    const struct {
        const char* name;
        bool question;
        Qt::Key key;
        QString caption;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool answer;
    } rows[] = {
        {"message", false, Qt::Key_Return, "ui_tests", QMessageBox::NoIcon, QMessageBox::Ok, false},
        {"question, Enter", true, Qt::Key_Return, "Question", QMessageBox::Warning, yesNo, true},
        {"question, N", true, Qt::Key_N, "Question", QMessageBox::Warning, yesNo, false},
    };
    RecordingDialog dialog(139);
    TemplateWindow window(dialog);
    // Messages name folders and files as the file system spells them.
    const std::string text = "can't open subdirectory \"<b>Gr\xc3\xbc\xc3\x9f\x65</b>\" !";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bool seen = false;
        WhenWindowAppears([&seen, &row, &window](QWidget* modal) {
            QTest::keyClick(modal, row.key);  // the box is shut, but lives until exec() returns
            const auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            seen = true;
            EXPECT_EQ(box->windowTitle(), row.caption);
            EXPECT_EQ(box->icon(), row.icon);
            EXPECT_EQ(box->standardButtons(), row.buttons);
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->text(), QStringLiteral("can't open subdirectory \"<b>Grüße</b>\" !"));
            EXPECT_EQ(box->parentWidget(), &window);
        });
        const bool answer = row.question && window.AskYesNo(text, "Question");
        if (!row.question) window.Show(text);
        EXPECT_TRUE(seen);
        EXPECT_EQ(answer, row.answer);
    }
}

// A link's text is drawn pure blue and underlined; the first move over it only starts tracking
// the cursor, then the hand shows over the text and the arrow beside it and after leaving.
TEST(LinkLabel, DrawsItselfAndFollowsTheMouse) {
    ShownTemplate main(102);
    auto* link = main.window.ItemAs<QLabel>(1039);
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
    const struct {
        const char* name;
        int x;  // -1: leave
        Qt::CursorShape shape;
    } steps[] = {
        {"first move", 3, Qt::BitmapCursor},
        {"over the text", 3, Qt::PointingHandCursor},
        {"beside the text", text.width() + 10, Qt::ArrowCursor},
        {"leave", -1, Qt::ArrowCursor},
        {"enter again", 3, Qt::ArrowCursor},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const QPoint at(step.x, 3);
        QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, {}, {});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, step.x < 0 ? &leave : static_cast<QEvent*>(&move));
        EXPECT_EQ(link->cursor().shape(), step.shape);
    }
}

// "--choose-folder" asks for the start directory; Cancel means: do not start. The current
// directory stays as it was.
TEST(FolderChooser, GivesTheChosenFolderOrNone) {
    for (const bool pick : {true, false}) {
        SCOPED_TRACE(pick ? "picked" : "cancelled");
        TempInstallation install;
        install.MakeFolder("game");
        WhenWindowAppears([&](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            if (dialog == nullptr || !pick) return void(window->close());
            dialog->setDirectory(QString::fromStdString(install.Root() + "/game"));
            static_cast<QDialog*>(dialog)->accept();  // takes the directory shown; public there
        });
        const std::optional<std::string> none;
        EXPECT_EQ(ChooseStartDirectory(), pick ? install.Root() + "/game" : none);
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
    }
}

// The main window runs its sub-dialogs modally over itself.
TEST(QtDialogRunner, RunsASubDialogOverItsOwner) {
    RecordingDialog mainDialog(102);
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
