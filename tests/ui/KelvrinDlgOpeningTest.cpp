#include <QDir>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgOpeningTest : public MainWindowTest {
protected:
    void ChooseFolder(const std::string& folder) const {
        Choose(kGameBase, Combo(kGameBase)->findText(QString::fromStdString("[" + folder + "]")));
        EXPECT_EQ(settings.gameFolder, folder);
        EXPECT_EQ(CurrentDirectoryNow(), installation.Root());
    }
};

TEST_F(KelvrinDlgOpeningTest, ListsTheGameFoldersSortedAndShowsTheStoreOfDvbase) {
    for (const char* folder : {"zeta", "Alpha", "mods", "Beta"}) installation.MakeFolder(folder);
    installation.WriteFile("readme.txt", "a file is no game folder");
    ServerSettings stored;  // its map cycle is on, but the folder has no map cycle script
    stored.si_name = "Cold Harbour", stored.si_fragLimit = 35, stored.g_password = "letmein";
    WriteConfig("dvbase", stored);
    settings.si_name = "changed before the window opened";
    Open();
    EXPECT_EQ(window->windowTitle(), "Kelvrin - Servertool for Dravek by the Kelvrin team");
    EXPECT_EQ(Items(kGameBase), QStringList({"[Alpha]", "[Beta]", "[dvbase]", "[mods]", "[zeta]"}));
    EXPECT_EQ(Texts({kServerName, kFragLimit, kClientPassword, kGameBase}),
              QStringList({"Cold Harbour", "35", "letmein", "[dvbase]"}));
    EXPECT_FALSE(Check(kMapCycle)->isChecked());
    EXPECT_EQ(settings.si_mapCycle, 0);
    EXPECT_FALSE(settings.settingsChanged);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, FindsDvbaseInAnyLetterCase) {
    QDir(QString::fromStdString(installation.Root())).rename("dvbase", "DVBASE");
    Open();
    EXPECT_EQ(Text(kGameBase), "[DVBASE]");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, WithoutDvbaseSaysSoOnceAndStaysUsable) {
    QDir(QString::fromStdString(installation.Root())).rmdir("dvbase");
    for (const QStringList& folders : {QStringList{}, QStringList{"[mods]", "[other]"}}) {
        SCOPED_TRACE(folders.size());
        for (const QString& folder : folders) installation.MakeFolder(folder.mid(1).chopped(1).toStdString());
        settings.si_name = "left over";
        Reopen();
        EXPECT_EQ(messages.shown, std::vector<std::string>{"can't find game folders in the current directory !\n"
                                                           "Please execute \"kelvrin.exe\" in your Dravek(TM) folder..."});
        EXPECT_EQ(Items(kGameBase), folders);
        EXPECT_EQ(Texts({kGameBase, kServerName}), QStringList({"", "Hollowmere"}));
        Type(kServerName, "Reachable");
        Click(kExit);
        EXPECT_EQ(settings.si_name, "Reachable");
        EXPECT_FALSE(window->isVisible());
    }
}

// Each choice reads the folder's store and shows it, replacing edits not yet collected.
TEST_F(KelvrinDlgOpeningTest, AChosenGameFolderReplacesWhatTheWindowShows) {
    const std::string longName(32, 'g');
    ServerSettings stored;
    stored.si_name = "Base Server", stored.si_fragLimit = 20;
    WriteConfig("dvbase", stored);
    stored.si_name = "Mod Server", stored.si_fragLimit = 55, stored.gameTypeIndex = 2, stored.si_gameType = "CTF";
    WriteConfig("mods", stored);
    stored.si_name = "Never Read";
    WriteConfig(longName, stored);
    for (const std::string folder : {"dvbase", "mods", longName.c_str()})
        installation.WriteFile(folder + "/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm1.map\"\r\n");
    installation.MakeFolder("empty");
    Open();
    ASSERT_TRUE(Check(kMapCycle)->isChecked());
    Type(kServerName, "Typed But Not Taken");
    Type(kFragLimit, "77");
    ChooseFolder("empty");  // no store of its own and no map cycle script
    EXPECT_EQ(Texts({kServerName, kFragLimit}), QStringList({"Base Server", "20"}));
    EXPECT_EQ(settings.si_name, "Base Server");
    EXPECT_FALSE(Check(kMapCycle)->isChecked());
    EXPECT_EQ(settings.si_mapCycle, 0);

    ChooseFolder("mods");
    EXPECT_EQ(Texts({kServerName, kFragLimit, kGameType}), QStringList({"Mod Server", "55", "CTF"}));
    EXPECT_TRUE(Item<QWidget>(kCaptureLimit)->isEnabled());
    EXPECT_TRUE(Check(kMapCycle)->isChecked());

    Type(kServerName, "Typed But Not Taken");
    ChooseFolder(longName);  // a name over 31 characters reads nothing
    EXPECT_EQ(Text(kServerName), "Mod Server");
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kelvrin::testing
