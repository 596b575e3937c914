#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

constexpr const char* kScript = "set si_mapcycle \"mp/dvdm1.map\"\r\n";

class KelvrinDlgGameFolderTest : public MainWindowTest {
protected:
    KelvrinDlgGameFolderTest() {
        ServerSettings base;
        base.si_name = "Base Server";
        base.si_fragLimit = 20;
        WriteConfig("dvbase", base);
        installation.WriteFile("dvbase/kelvrin.scriptcfg", kScript);
    }

    void ChooseFolder(const QString& entry) const {
        const int index = Combo(kGameBase)->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        Choose(kGameBase, index);
        EXPECT_EQ(CurrentDirectoryNow(), installation.Root());
    }
};

TEST_F(KelvrinDlgGameFolderTest, ReadsTheChosenFoldersConfigurationAndShowsIt) {
    ServerSettings mods;
    mods.si_name = "Mod Server";
    mods.si_fragLimit = 55;
    mods.gameTypeIndex = 2;
    mods.si_gameType = "CTF";
    WriteConfig("mods", mods);
    installation.WriteFile("mods/kelvrin.scriptcfg", kScript);
    Open();
    ASSERT_EQ(Edit(kServerName)->text(), "Base Server");

    ChooseFolder("[mods]");
    EXPECT_EQ(settings.gameFolder, "mods");
    EXPECT_TRUE(settings.settingsChanged);
    EXPECT_EQ(Edit(kServerName)->text(), "Mod Server");
    EXPECT_EQ(Edit(kFragLimit)->text(), "55");
    EXPECT_EQ(Combo(kGameType)->currentText(), "CTF");
    EXPECT_TRUE(Item<QWidget>(kCaptureLimit)->isEnabled());
    EXPECT_TRUE(Check(kMapCycle)->isChecked());
}

TEST_F(KelvrinDlgGameFolderTest, EditsNotYetCollectedAreReplacedByTheStore) {
    installation.MakeFolder("empty");
    Open();
    Type(kServerName, "Typed But Not Taken");
    Type(kFragLimit, "77");

    ChooseFolder("[empty]");
    EXPECT_EQ(Edit(kServerName)->text(), "Base Server");
    EXPECT_EQ(Edit(kFragLimit)->text(), "20");
    EXPECT_EQ(settings.si_name, "Base Server");
}

TEST_F(KelvrinDlgGameFolderTest, AFolderWithoutAScriptClearsTheMapCycle) {
    WriteConfig("mods", ServerSettings{});  // its map cycle is on
    Open();
    ASSERT_TRUE(Check(kMapCycle)->isChecked());

    ChooseFolder("[mods]");
    EXPECT_FALSE(Check(kMapCycle)->isChecked());
    EXPECT_EQ(settings.si_mapCycle, 0);
}

TEST_F(KelvrinDlgGameFolderTest, AFolderNameOver31CharactersReadsNothing) {
    const std::string longName(32, 'g');
    ServerSettings other;
    other.si_name = "Never Read";
    WriteConfig(longName, other);
    installation.WriteFile(longName + "/kelvrin.scriptcfg", kScript);
    Open();
    Type(kServerName, "Typed But Not Taken");

    ChooseFolder(QString::fromStdString("[" + longName + "]"));
    EXPECT_EQ(settings.gameFolder, longName);
    EXPECT_EQ(Edit(kServerName)->text(), "Base Server");
    EXPECT_TRUE(Check(kMapCycle)->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kelvrin::testing
