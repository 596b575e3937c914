#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgGameFolderTest : public MainWindowTest {
protected:
    void ChooseFolder(const std::string& folder) const {
        const int index = Combo(kGameBase)->findText(QString::fromStdString("[" + folder + "]"));
        ASSERT_GE(index, 0) << folder;
        Choose(kGameBase, index);
        EXPECT_EQ(settings.gameFolder, folder);
        EXPECT_EQ(CurrentDirectoryNow(), installation.Root());
    }
};

// Each choice reads the folder's store and shows it, replacing edits not yet collected.
TEST_F(KelvrinDlgGameFolderTest, AChosenFolderReplacesWhatTheWindowShows) {
    const std::string script = "set si_mapcycle \"mp/dvdm1.map\"\r\n";
    const std::string longName(32, 'g');
    ServerSettings stored;
    stored.si_name = "Base Server", stored.si_fragLimit = 20;
    WriteConfig("dvbase", stored);
    stored.si_name = "Mod Server", stored.si_fragLimit = 55, stored.gameTypeIndex = 2, stored.si_gameType = "CTF";
    WriteConfig("mods", stored);
    stored.si_name = "Never Read";
    WriteConfig(longName, stored);
    for (const std::string folder : {"dvbase", "mods", longName.c_str()})
        installation.WriteFile(folder + "/kelvrin.scriptcfg", script);
    installation.MakeFolder("empty");
    Open();
    ASSERT_TRUE(Check(kMapCycle)->isChecked());

    Type(kServerName, "Typed But Not Taken");
    Type(kFragLimit, "77");
    ChooseFolder("empty");  // no store of its own and no map cycle script
    EXPECT_EQ(Text(kServerName), "Base Server");
    EXPECT_EQ(Text(kFragLimit), "20");
    EXPECT_EQ(settings.si_name, "Base Server");
    EXPECT_FALSE(Check(kMapCycle)->isChecked());
    EXPECT_EQ(settings.si_mapCycle, 0);

    ChooseFolder("mods");
    EXPECT_TRUE(settings.settingsChanged);
    EXPECT_EQ(Text(kServerName), "Mod Server");
    EXPECT_EQ(Text(kFragLimit), "55");
    EXPECT_EQ(Text(kGameType), "CTF");
    EXPECT_TRUE(Item<QWidget>(kCaptureLimit)->isEnabled());
    EXPECT_TRUE(Check(kMapCycle)->isChecked());

    Type(kServerName, "Typed But Not Taken");
    ChooseFolder(longName);  // a name over 31 characters reads nothing
    EXPECT_EQ(Text(kServerName), "Mod Server");
    EXPECT_TRUE(Check(kMapCycle)->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kelvrin::testing
