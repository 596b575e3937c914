#include <QDir>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgOpeningTest : public MainWindowTest {};

TEST_F(KelvrinDlgOpeningTest, ShowsTheDefaultFoldersStoreWithTheFocusOnTheServerName) {
    ServerSettings stored;  // its map cycle is on, but the folder has no map cycle script
    stored.si_name = "Cold Harbour", stored.si_fragLimit = 35, stored.g_password = "letmein";
    WriteConfig("dvbase", stored);
    settings.si_name = "changed before the window opened";
    Open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(window->windowTitle(), "Kelvrin - Servertool for Dravek by the Kelvrin team");
    EXPECT_EQ(QApplication::focusWidget(), Edit(kServerName));
    EXPECT_EQ(Text(kServerName), "Cold Harbour");
    EXPECT_EQ(Text(kFragLimit), "35");
    EXPECT_EQ(Text(kClientPassword), "letmein");
    EXPECT_EQ(Text(kGameBase), "[dvbase]");
    EXPECT_FALSE(Check(kMapCycle)->isChecked());
    EXPECT_EQ(settings.si_mapCycle, 0);
    EXPECT_EQ(settings.startDirectory, installation.Root());
    EXPECT_EQ(CurrentDirectoryNow(), installation.Root());
    EXPECT_FALSE(settings.settingsChanged);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, ListsEveryGameFolderSortedAndFindsDvbaseInAnyLetterCase) {
    QDir(QString::fromStdString(installation.Root())).rename("dvbase", "DVBASE");
    for (const char* folder : {"zeta", "Alpha", "mods", "Beta"}) installation.MakeFolder(folder);
    installation.WriteFile("readme.txt", "a file is no game folder");
    settings.si_name = "left over";
    Open();
    EXPECT_EQ(Items(kGameBase), QStringList({"[Alpha]", "[Beta]", "[DVBASE]", "[mods]", "[zeta]"}));
    EXPECT_EQ(Text(kGameBase), "[DVBASE]");
    EXPECT_EQ(Text(kServerName), "Hollowmere") << "the default name without a configuration";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, WithoutDvbaseSaysSoOnceAndStaysUsable) {
    QDir(QString::fromStdString(installation.Root())).rmdir("dvbase");
    for (const QStringList& folders : {QStringList{}, QStringList{"[mods]", "[other]"}}) {
        SCOPED_TRACE(folders.size());
        for (const QString& folder : folders) installation.MakeFolder(folder.mid(1).chopped(1).toStdString());
        Reopen();
        EXPECT_EQ(messages.shown, std::vector<std::string>{
                                      "can't find game folders in the current directory !\n"
                                      "Please execute \"kelvrin.exe\" in your Dravek(TM) folder..."});
        EXPECT_EQ(Items(kGameBase), folders);
        EXPECT_EQ(Text(kGameBase), "");
        EXPECT_EQ(settings.gameFolder, "dvbase");
        Type(kServerName, "Reachable");
        Click(kExit);
        EXPECT_EQ(settings.si_name, "Reachable");
        EXPECT_FALSE(window->isVisible());
    }
}

}  // namespace
}  // namespace kelvrin::testing
