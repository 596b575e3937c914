#include <filesystem>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Shown = std::vector<std::string>;

class KelvrinDlgCommandsTest : public MainWindowTest {
protected:
    bool Closed() const { return !window->isVisible(); }
    bool Wrote(const char* name) const { return ConfigOf("dvbase").find(name) != std::string::npos; }
};

TEST_F(KelvrinDlgCommandsTest, SaveConfigByEnterOnItsButtonWritesBothFilesThenExitAsksNothing) {
    Open();
    Type(kServerName, "Saved Server");
    Item<QWidget>(kSaveConfig)->setFocus();
    QTest::keyClick(Item<QWidget>(kSaveConfig), Qt::Key_Return);
    EXPECT_TRUE(Wrote("\"Saved Server\""));
    EXPECT_TRUE(installation.Exists("kvr_dvbase.bat"));
    EXPECT_EQ(messages.shown, Shown{"Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"});
    EXPECT_TRUE(launcher.launches.empty());
    ASSERT_FALSE(Closed());
    Click(kExit);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(Closed());
}

TEST_F(KelvrinDlgCommandsTest, StartServerWritesTheConfigAndStartsTheGame) {
    settings.net_serverDedicated = 0;
    Open();
    Check(kDedicated)->setChecked(true);
    Type(kServerName, "Started Server");
    Click(kStartServer);
    ASSERT_EQ(launcher.launches.size(), 1u);
    EXPECT_EQ(launcher.launches[0].executable, "dravekDed.exe");
    EXPECT_EQ(launcher.launches[0].parameters, "+set fs_game dvbase+exec kelvrin.cfg");
    EXPECT_EQ(launcher.launches[0].startDirectory, installation.Root());
    EXPECT_TRUE(Wrote("\"Started Server\""));
    EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Closed());
}

TEST_F(KelvrinDlgCommandsTest, ExitAsksOnlyAfterAnEditAndWritesOnlyTheConfigOnYes) {
    const std::pair<bool, bool> cases[] = {{false, true}, {true, false}, {true, true}};  // edit, answer
    for (const auto& [edit, answer] : cases) {
        SCOPED_TRACE(std::to_string(edit) + std::to_string(answer));
        std::filesystem::remove(installation.PathOf("dvbase/kelvrin.cfg"));
        Reopen();
        if (edit) Type(kServerName, "Saved On Exit");
        messages.answers.push_back(answer);
        Click(kExit);
        ASSERT_EQ(messages.asked.size(), edit ? 1u : 0u);
        for (const auto& question : messages.asked)
            EXPECT_EQ(question.text + "|" + question.caption, "Save changed configuration ?|Question");
        EXPECT_EQ(installation.Exists("dvbase/kelvrin.cfg"), edit && answer);
        EXPECT_EQ(edit && answer && Wrote("\"Saved On Exit\""), edit && answer);
        EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(Closed());
        EXPECT_EQ(window->result(), QDialog::Accepted);
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

TEST_F(KelvrinDlgCommandsTest, EscapeClosesWithoutQuestionOrWrite) {
    Open();
    Type(kServerName, "Escaped");
    QTest::keyClick(Edit(kServerName), Qt::Key_Escape);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(installation.Exists("dvbase/kelvrin.cfg"));
    EXPECT_EQ(settings.si_name, "Hollowmere");
}

TEST_F(KelvrinDlgCommandsTest, EnterActsAsExitWhereverTheFocusIsOutsideAPushButton) {
    for (const int focus : {kServerName, kFragLimit, kDedicated, kSpeed}) {
        SCOPED_TRACE(focus);
        Reopen();
        Type(kServerName, "Entered");
        Item<QWidget>(focus)->setFocus();
        QTest::keyClick(Item<QWidget>(focus), Qt::Key_Return);
        EXPECT_EQ(messages.asked.size(), 1u);
        EXPECT_TRUE(Closed());
    }
}

}  // namespace
}  // namespace kelvrin::testing
