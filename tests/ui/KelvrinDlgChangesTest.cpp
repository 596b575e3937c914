#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgChangesTest : public MainWindowTest {};

TEST_F(KelvrinDlgChangesTest, IsNotRaisedWhenNothingWasEdited) {
    Open();
    window->CollectSettings();
    EXPECT_FALSE(settings.settingsChanged);
}

TEST_F(KelvrinDlgChangesTest, SecondCollectionInARowFindsNothingNew) {
    Open();
    Type(kServerName, "Fresh Name");
    window->CollectSettings();
    EXPECT_TRUE(settings.settingsChanged);
    window->CollectSettings();
    EXPECT_FALSE(settings.settingsChanged);
    EXPECT_EQ(settings.si_name, "Fresh Name");
}

TEST_F(KelvrinDlgChangesTest, IsClearedByTheNextCollectionAfterAnotherRaise) {
    Open();
    settings.settingsChanged = true;
    window->CollectSettings();
    EXPECT_FALSE(settings.settingsChanged);
}

struct StoredOddity {
    const char* name;
    std::int32_t ServerSettings::*field;
    std::int32_t stored;
    std::int32_t collected;
    const char* handEditedLine = nullptr;  // the program itself writes switches as 0 or 1
};

// The file with one switch edited by hand to hold the value 2.
void EditLineByHand(std::string& text, const std::string& name) {
    const std::string line = "set " + name + " \"";
    const std::size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos) << line;
    text[at + line.size()] = '2';
}

class KelvrinDlgOddityTest : public KelvrinDlgChangesTest,
                             public ::testing::WithParamInterface<StoredOddity> {};

TEST_P(KelvrinDlgOddityTest, AValueTheWindowCannotShowIsCollectedAsShownAndCountsAsAChange) {
    ServerSettings stored;
    stored.si_maxPlayers = 16;
    stored.si_minPlayers = 2;
    stored.*GetParam().field = GetParam().stored;
    WriteConfig("dvbase", stored);
    if (GetParam().handEditedLine != nullptr) {
        std::string text = ConfigOf("dvbase");
        EditLineByHand(text, GetParam().handEditedLine);
        installation.WriteFile("dvbase/kelvrin.cfg", text);
    }
    Open();
    ASSERT_EQ(settings.*GetParam().field, GetParam().stored);

    window->CollectSettings();
    EXPECT_EQ(settings.*GetParam().field, GetParam().collected);
    EXPECT_TRUE(settings.settingsChanged);
}

INSTANTIATE_TEST_SUITE_P(
    Values, KelvrinDlgOddityTest,
    ::testing::Values(StoredOddity{"OddMaxPlayers", &ServerSettings::si_maxPlayers, 5, 4},
                      StoredOddity{"OddWarmupPlayers", &ServerSettings::si_minPlayers, 7, 6},
                      StoredOddity{"SwitchStoredAsTwo", &ServerSettings::si_weaponStay, 2, 1,
                                   "si_weaponStay"},
                      StoredOddity{"LogSwitchStoredAsTwo", &ServerSettings::logFile, 2, 1, "logFile"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(KelvrinDlgChangesTest, ASwitchStoredAsTwoShowsTicked) {
    WriteConfig("dvbase", ServerSettings{});
    std::string text = ConfigOf("dvbase");
    EditLineByHand(text, "si_weaponStay");
    installation.WriteFile("dvbase/kelvrin.cfg", text);
    Open();
    ASSERT_EQ(settings.si_weaponStay, 2);
    EXPECT_TRUE(Check(kWeaponStay)->isChecked());
}

}  // namespace
}  // namespace kelvrin::testing
