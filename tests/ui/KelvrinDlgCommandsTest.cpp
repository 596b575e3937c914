#include <filesystem>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

constexpr const char* kQuestion = "Save changed configuration ?";

class KelvrinDlgCommandsTest : public MainWindowTest {
protected:
    bool Closed() const { return !window->isVisible(); }
};

TEST_F(KelvrinDlgCommandsTest, SaveConfigWritesWhatTheWindowShowsAndTheBatchFile) {
    Open();
    Type(kServerName, "Saved Server");
    Click(kSaveConfig);

    EXPECT_NE(ConfigOf("dvbase").find("\"Saved Server\""), std::string::npos);
    EXPECT_TRUE(installation.Exists("kvr_dvbase.bat"));
    EXPECT_EQ(messages.shown, std::vector<std::string>{
                                  "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"});
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(launcher.launches.empty());
}

TEST_F(KelvrinDlgCommandsTest, SaveConfigTellsWhenTheFolderCannotBeEntered) {
    Open();
    std::filesystem::remove_all(installation.PathOf("dvbase"));
    Click(kSaveConfig);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"can't change to subdirectory \"dvbase\""});
    EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
    EXPECT_FALSE(Closed());
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
    EXPECT_NE(ConfigOf("dvbase").find("\"Started Server\""), std::string::npos);
    EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Closed());
}

TEST_F(KelvrinDlgCommandsTest, StartServerTellsWhenTheFolderCannotBeEntered) {
    Open();
    std::filesystem::remove_all(installation.PathOf("dvbase"));
    Click(kStartServer);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"can't open subdirectory \"dvbase\" !"});
    EXPECT_TRUE(launcher.launches.empty());
}

TEST_F(KelvrinDlgCommandsTest, ExitWithoutAnEditAsksNothingAndWritesNothing) {
    Open();
    Click(kExit);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(installation.Exists("dvbase/kelvrin.cfg"));
}

TEST_F(KelvrinDlgCommandsTest, ExitAfterSaveConfigWithoutAnEditAsksNothing) {
    Open();
    Type(kServerName, "Saved Server");
    Click(kSaveConfig);
    Click(kExit);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(Closed());
}

TEST_F(KelvrinDlgCommandsTest, ExitAfterAnEditAnsweredNoClosesAndKeepsTheFile) {
    installation.WriteFile("dvbase/kelvrin.cfg", "");
    Open();
    Type(kServerName, "Not Saved");
    messages.answers.push_back(false);
    Click(kExit);

    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, kQuestion);
    EXPECT_EQ(messages.asked[0].caption, "Question");
    EXPECT_EQ(ConfigOf("dvbase"), "");
    EXPECT_TRUE(Closed());
}

TEST_F(KelvrinDlgCommandsTest, ExitAfterAnEditAnsweredYesWritesOnlyTheConfig) {
    Open();
    Type(kServerName, "Saved On Exit");
    messages.answers.push_back(true);
    Click(kExit);

    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(ConfigOf("dvbase").find("\"Saved On Exit\""), std::string::npos);
    EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(KelvrinDlgCommandsTest, ExitAnsweredYesReportsAFolderItCannotEnterAndCloses) {
    Open();
    Type(kServerName, "Lost");
    std::filesystem::remove_all(installation.PathOf("dvbase"));
    messages.answers.push_back(true);
    Click(kExit);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"can't open subdirectory \"dvbase\" !"});
    EXPECT_TRUE(Closed());
}

TEST_F(KelvrinDlgCommandsTest, ExitAnsweredYesReportsAConfigItCannotWriteAndCloses) {
    // A folder in the file's place cannot be written over, whoever runs the test.
    installation.MakeFolder("dvbase/kelvrin.cfg");
    Open();
    Type(kServerName, "Lost");
    messages.answers.push_back(true);
    Click(kExit);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"can't write \"kelvrin.cfg\"!"});
    EXPECT_TRUE(std::filesystem::is_directory(installation.PathOf("dvbase/kelvrin.cfg")));
    EXPECT_TRUE(Closed());
}

TEST_F(KelvrinDlgCommandsTest, EscapeClosesWithoutQuestionOrWrite) {
    Open();
    Type(kServerName, "Escaped");
    messages.answers.push_back(true);
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
        window.reset();
        messages.asked.clear();
        Open();
        Type(kServerName, "Entered");
        messages.answers.push_back(false);
        QWidget* target = Item<QWidget>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        EXPECT_EQ(messages.asked.size(), 1u);
        EXPECT_TRUE(Closed());
    }
}

TEST_F(KelvrinDlgCommandsTest, EnterOnAnotherPushButtonPressesThatButton) {
    Open();
    Item<QWidget>(kSaveConfig)->setFocus();
    QTest::keyClick(Item<QWidget>(kSaveConfig), Qt::Key_Return);
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(installation.Exists("kvr_dvbase.bat"));
}

}  // namespace
}  // namespace kelvrin::testing
