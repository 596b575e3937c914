#include <QDir>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

constexpr const char* kNoFolders =
    "can't find game folders in the current directory !\n"
    "Please execute \"kelvrin.exe\" in your Dravek(TM) folder...";

class KelvrinDlgOpeningTest : public MainWindowTest {
protected:
    std::vector<std::string> GameBaseEntries() const {
        std::vector<std::string> entries;
        for (int row = 0; row < Combo(kGameBase)->count(); ++row)
            entries.push_back(Combo(kGameBase)->itemText(row).toStdString());
        return entries;
    }
};

TEST_F(KelvrinDlgOpeningTest, ShowsTheDefaultFoldersConfigurationWithTheServerNameFromTheFile) {
    ServerSettings stored;
    stored.si_name = "Cold Harbour";
    stored.si_fragLimit = 35;
    stored.g_password = "letmein";
    WriteConfig("dvbase", stored);
    settings.si_name = "changed before the window opened";
    Open();

    EXPECT_EQ(Edit(kServerName)->text(), "Cold Harbour");
    EXPECT_EQ(Edit(kFragLimit)->text(), "35");
    EXPECT_EQ(Edit(kClientPassword)->text(), "letmein");
    EXPECT_EQ(settings.startDirectory, installation.Root());
    EXPECT_EQ(CurrentDirectoryNow(), installation.Root());
    EXPECT_FALSE(settings.settingsChanged);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, WithoutAConfigurationTheServerNameIsHollowmere) {
    settings.si_name = "left over";
    Open();
    EXPECT_EQ(settings.si_name, "Hollowmere");
    EXPECT_EQ(Edit(kServerName)->text(), "Hollowmere");
}

TEST_F(KelvrinDlgOpeningTest, HasItsCaptionAndTheFocusOnTheServerName) {
    Open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(window->windowTitle(), "Kelvrin - Servertool for Dravek by the Kelvrin team");
    EXPECT_EQ(QApplication::focusWidget(), Edit(kServerName));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(KelvrinDlgOpeningTest, ListsEveryGameFolderSortedAndSelectsDvbase) {
    for (const char* folder : {"zeta", "Alpha", "mods", "Beta"}) installation.MakeFolder(folder);
    installation.WriteFile("readme.txt", "a file is no game folder");
    Open();

    const std::vector<std::string> expected{"[Alpha]", "[Beta]", "[dvbase]", "[mods]", "[zeta]"};
    EXPECT_EQ(GameBaseEntries(), expected);
    EXPECT_EQ(Combo(kGameBase)->currentText(), "[dvbase]");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, FindsTheDefaultFolderWhateverItsLetterCase) {
    QDir(QString::fromStdString(installation.Root())).rename("dvbase", "DVBASE");
    Open();
    EXPECT_EQ(Combo(kGameBase)->currentText(), "[DVBASE]");
    EXPECT_TRUE(messages.shown.empty());
}

struct MissingFolderCase {
    const char* name;
    std::vector<std::string> folders;
};

class KelvrinDlgMissingFolderTest : public KelvrinDlgOpeningTest,
                                    public ::testing::WithParamInterface<MissingFolderCase> {};

TEST_P(KelvrinDlgMissingFolderTest, SaysSoOnceAndStaysUsableWithNothingSelected) {
    QDir(QString::fromStdString(installation.Root())).rmdir("dvbase");
    for (const std::string& folder : GetParam().folders) installation.MakeFolder(folder);
    Open();

    EXPECT_EQ(messages.shown, std::vector<std::string>{kNoFolders});
    EXPECT_EQ(GameBaseEntries().size(), GetParam().folders.size());
    EXPECT_EQ(Combo(kGameBase)->currentText(), "");
    EXPECT_EQ(settings.gameFolder, "dvbase");
    EXPECT_EQ(Edit(kServerName)->text(), "Hollowmere");

    // Still usable: an edit is taken and the window closes through Exit.
    Type(kServerName, "Reachable");
    Click(kExit);
    EXPECT_EQ(settings.si_name, "Reachable");
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, KelvrinDlgMissingFolderTest,
    ::testing::Values(MissingFolderCase{"NoSubfolderAtAll", {}},
                      MissingFolderCase{"SubfoldersButNoDvbase", {"other", "mods"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(KelvrinDlgOpeningTest, ClearsTheMapCycleWhenTheFolderHasNoScript) {
    WriteConfig("dvbase", ServerSettings{});  // the map cycle is on by default
    Open();
    EXPECT_FALSE(Check(kMapCycle)->isChecked());
    EXPECT_EQ(settings.si_mapCycle, 0);
}

TEST_F(KelvrinDlgOpeningTest, KeepsTheMapCycleWhenTheFolderHasItsScript) {
    WriteConfig("dvbase", ServerSettings{});  // the map cycle is on by default
    installation.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm1.map\"\r\n");
    Open();
    EXPECT_TRUE(Check(kMapCycle)->isChecked());
    EXPECT_TRUE(settings.mapCycleScriptPresent);
}

}  // namespace
}  // namespace kelvrin::testing
