// The pieces the renderer adds: message boxes, link labels, the folder chooser, and the real
// main window wired to its services.
#include <filesystem>
#include <sstream>

#include "app/CommandLine.h"
#include "dialogs/KelvrinDlg.h"
#include "tests/support/Recorders.h"
#include "tests/ui/WindowFixture.h"
#include "ui/FolderChooser.h"
#include "ui/LinkLabel.h"
#include "ui/MessageBoxes.h"

namespace kelvrin::testing {
namespace {

struct SeenBox {
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QWidget* owner = nullptr;
};

// Notes the next message box and answers it with the key.
void SeeNextBox(SeenBox& seen, Qt::Key key) {
    WhenWindowAppears([&seen, key](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen = {box->windowTitle(), box->icon(), box->standardButtons(),
                    box->textFormat(),  box->text(), box->parentWidget()};
        }
        QTest::keyClick(modal, key);
    });
}

TEST(MessageBoxes, MessagesAndTheQuestionLookAsTheyShould) {
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
        {"question, Enter", true, Qt::Key_Return, "Question", QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No, true},
        {"question, N", true, Qt::Key_N, "Question", QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No, false},
    };
    QWidget owner;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SeenBox seen;
        SeeNextBox(seen, row.key);
        const std::string text = "Save <b>changed</b> configuration \xe9 ?";
        bool answer = false;
        if (row.question) {
            answer = AskYesNoBox(&owner, text, "Question");
        } else {
            ShowMessageBox(&owner, text);
        }
        EXPECT_EQ(seen.caption, row.caption);
        EXPECT_EQ(seen.icon, row.icon);
        EXPECT_EQ(seen.buttons, row.buttons);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.text, QStringLiteral("Save <b>changed</b> configuration é ?"));
        EXPECT_EQ(seen.owner, &owner);
        EXPECT_EQ(answer, row.answer);
    }
}

// A link's text is drawn pure blue and underlined; the first move over it only starts tracking
// the cursor, then the hand shows over the text and the arrow beside it and after leaving.
TEST(LinkLabel, DrawsItselfAndFollowsTheMouse) {
    ShownTemplate main(102);
    auto* link = main.Item<CLinkLabel>(1039);
    QFont underlined = main.window.font();
    underlined.setUnderline(true);
    const QSize text(QFontMetrics(underlined).horizontalAdvance(link->text()),
                     QFontMetrics(underlined).height());
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
        {"back", 3, Qt::PointingHandCursor},
        {"leave", -1, Qt::ArrowCursor},
        {"enter again", 3, Qt::ArrowCursor},
        {"over it again", 3, Qt::PointingHandCursor},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const QPoint at(step.x, 3);
        QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         {});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, step.x < 0 ? &leave : static_cast<QEvent*>(&move));
        EXPECT_EQ(link->cursor().shape(), step.shape);
    }
}

// "--choose-folder" asks for the start directory; Cancel means: do not start.
TEST(FolderChooser, EntersTheChosenFolderOrNone) {
    const struct {
        const char* name;
        bool pick;
        bool started;
        std::string directory;
    } rows[] = {
        {"picked", true, true, "/game"},
        {"cancelled", false, false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempInstallation install;
        install.MakeFolder("game");
        const QString game = QString::fromStdString(install.PathOf("game").string());
        WhenWindowAppears([&](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            if (dialog == nullptr || !row.pick) return void(window->close());
            dialog->setDirectory(game);
            static_cast<QDialog*>(dialog)->accept();  // takes the directory shown; public there
        });
        EXPECT_EQ(ChooseStartDirectory(), row.started);
        EXPECT_EQ(CurrentDirectoryNow(), install.Root() + row.directory);
    }
}

// The real main window: its messages are its own message boxes, and a sub-dialog runs modally
// over it, its messages then owned by it.
TEST(MainWindow, RunsItsCommandsAndSubDialogsOverItself) {
    TempInstallation install;
    install.MakeFolder("dvbase");
    ServerSettings settings;
    RecordingLauncher launcher;
    QtDialogRunner runner;
    struct NoLinks : LinkOpener {
        void Open(const std::string&) override {}
    } links;
    CKelvrinDlg dialog(settings, launcher, runner, links);
    TemplateWindow window(dialog);
    runner.SetOwner(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Kelvrin - Servertool for Dravek by the Kelvrin team");

    SeenBox saved;
    SeeNextBox(saved, Qt::Key_Return);
    QTest::mouseClick(window.ItemAs<QPushButton>(1024), Qt::LeftButton);
    EXPECT_EQ(saved.text, "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written");
    EXPECT_EQ(saved.owner, &window);

    // Without its game folder the map dialog opens with no map chosen, and OK says so.
    settings.gameFolder = "missing";
    QString caption;
    QWidget* maps = nullptr;
    QWidget* mapsOwner = nullptr;
    SeenBox noMap;
    WhenWindowAppears([&](QWidget* modal) {
        maps = modal;
        mapsOwner = modal->parentWidget();
        caption = modal->windowTitle();
        SeeNextBox(noMap, Qt::Key_Return);
        QTest::keyClick(modal, Qt::Key_Return);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mouseClick(window.ItemAs<QPushButton>(1035), Qt::LeftButton);
    EXPECT_EQ(caption, "Kelvrin - Map Selection");
    ASSERT_NE(maps, nullptr);
    EXPECT_EQ(mapsOwner, &window);
    EXPECT_EQ(noMap.text, "Please select at least one map ( startmap ) or press \"Cancel\"");
    EXPECT_EQ(noMap.owner, maps);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace kelvrin::testing
