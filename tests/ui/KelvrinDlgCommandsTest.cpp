#include <QContextMenuEvent>
#include <QMenu>

#include <filesystem>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Shown = std::vector<std::string>;

class KelvrinDlgCommandsTest : public MainWindowTest {
protected:
    bool Closed() const { return !window->isVisible(); }
    bool Wrote(const char* text) const {
        return installation.ReadFile("dvbase/kelvrin.cfg").find(text) != std::string::npos;
    }
};

// Both commands collect first, so a following Exit has nothing to ask.
TEST_F(KelvrinDlgCommandsTest, SaveConfigWritesBothFilesAndStartServerTheConfigAndStartsTheGame) {
    Open();
    Type(kServerName, "Saved Server");
    Item<QWidget>(kSaveConfig)->setFocus();
    QTest::keyClick(Item<QWidget>(kSaveConfig), Qt::Key_Return);  // Enter presses the focused button
    EXPECT_TRUE(Wrote("\"Saved Server\""));
    EXPECT_TRUE(installation.Exists("kvr_dvbase.bat"));
    EXPECT_EQ(messages.shown, Shown{"Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"});
    Type(kServerName, "Started Server");
    ASSERT_TRUE(Check(kDedicated)->isChecked());
    Click(kDedicated);
    Click(kStartServer);
    ASSERT_EQ(launcher.launches.size(), 1u) << "only Start Server starts the game";
    EXPECT_EQ(launcher.launches[0].executable, "dravek.exe");
    EXPECT_EQ(launcher.launches[0].parameters, "+set fs_game dvbase+exec kelvrin.cfg");
    EXPECT_EQ(launcher.launches[0].startDirectory, installation.Root());
    EXPECT_TRUE(Wrote("\"Started Server\""));
    EXPECT_EQ(messages.shown.size(), 1u) << "Start Server says nothing";
    ASSERT_FALSE(Closed());
    Click(kExit);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(Closed());
}

// Exit asks only after an edit and writes only the config on Yes; Enter outside a push button
// acts as Exit; Escape closes without a question or a write.
TEST_F(KelvrinDlgCommandsTest, EachWayOfClosingTheWindow) {
    struct Case { const char* what; int focus; Qt::Key key; bool edit, answer, asked, written; int result; };
    const Case cases[] = {
        {"Exit by Space", kExit, Qt::Key_Space, false, true, false, false, QDialog::Accepted},
        {"Exit, No", kExit, Qt::Key_Space, true, false, true, false, QDialog::Accepted},
        {"Exit, Yes", kExit, Qt::Key_Space, true, true, true, true, QDialog::Accepted},
        {"Escape", kServerName, Qt::Key_Escape, true, true, false, false, QDialog::Rejected},
        {"Enter in an edit", kFragLimit, Qt::Key_Return, true, true, true, true, QDialog::Accepted},
        {"Enter on a list", kSpeed, Qt::Key_Enter, true, false, true, false, QDialog::Accepted}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(installation.PathOf("dvbase/kelvrin.cfg"));
        Reopen();
        if (c.edit) Type(kServerName, "Edited");
        messages.answers.push_back(c.answer);
        Item<QWidget>(c.focus)->setFocus();
        QTest::keyClick(Item<QWidget>(c.focus), c.key);
        ASSERT_EQ(messages.asked.size(), c.asked ? 1u : 0u);
        for (const auto& question : messages.asked)
            EXPECT_EQ(question.text + "|" + question.caption, "Save changed configuration ?|Question");
        EXPECT_EQ(Wrote("\"Edited\""), c.written);
        EXPECT_EQ(settings.si_name, c.asked ? "Edited" : "Hollowmere") << "collected only for the question";
        EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(Closed());
        EXPECT_EQ(window->result(), c.result);
    }
}

// The commands tell what failed; Exit (answered Yes) closes anyway.
TEST_F(KelvrinDlgCommandsTest, CommandsReportAFolderOrFileTheyCannotUse) {
    struct Case { int command; bool configIsAFolder; const char* message; };
    const Case cases[] = {{kSaveConfig, false, "can't change to subdirectory \"dvbase\""},
                          {kStartServer, false, "can't open subdirectory \"dvbase\" !"},
                          {kExit, false, "can't open subdirectory \"dvbase\" !"},
                          {kExit, true, "can't write \"kelvrin.cfg\"!"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        installation.MakeFolder(c.configIsAFolder ? "dvbase/kelvrin.cfg" : "dvbase");
        Reopen();
        Type(kServerName, "Lost");
        if (!c.configIsAFolder) std::filesystem::remove_all(installation.PathOf("dvbase"));
        messages.answers.push_back(true);
        Click(c.command);
        EXPECT_EQ(messages.shown, Shown{c.message});
        EXPECT_EQ(Closed(), c.command == kExit);
        EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
        EXPECT_TRUE(launcher.launches.empty());
    }
}

TEST_F(KelvrinDlgCommandsTest, InfoAndTheWindowsMenuEntryOpenTheAboutBox) {
    Open();
    QString fromInfo, fromMenu, entry;
    CloseWhenModalAppears(&fromInfo);
    Click(kInfo);
    WhenWindowAppears([&entry](QWidget* popup) {  // the window's menu: its first entry is clicked
        auto* menu = qobject_cast<QMenu*>(popup);
        QAction* about = menu != nullptr ? menu->actions().value(0) : nullptr;
        if (about != nullptr) entry = about->text();
        if (about != nullptr) QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(about).center());
        popup->close();
    }, [] { return QApplication::activePopupWidget(); });
    CloseWhenModalAppears(&fromMenu);
    // A right click on the window's background, below the buttons.
    const QPoint background = window->DialogUnitsToPixels(QRect(140, 290, 1, 1)).topLeft();
    ASSERT_EQ(window->childAt(background), nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window.get(), &click);
    EXPECT_EQ(entry, QStringLiteral("Inf&o über Kelvrin..."));
    EXPECT_EQ(QStringList({fromInfo, fromMenu}), QStringList({"Info über Kelvrin", "Info über Kelvrin"}));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace kelvrin::testing
