#include <algorithm>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

struct GameTypeCase {
    const char* name;
    int index;
    std::vector<int> enabled;  // of 1011, 1012, 1003, 1004, 1016
    const char* tintedCaption;
};

const std::vector<int> kGameTypeControls{1011, 1012, 1003, 1004, 1016};
const std::vector<int> kNeverDisabled{1010, 1026, 1027};

class KelvrinDlgGameTypeTest : public MainWindowTest,
                               public ::testing::WithParamInterface<GameTypeCase> {
protected:
    void ExpectEnabledControls() const {
        for (const int id : kGameTypeControls) {
            const bool expected = std::count(GetParam().enabled.begin(), GetParam().enabled.end(), id) > 0;
            EXPECT_EQ(Item<QWidget>(id)->isEnabled(), expected) << "control " << id;
        }
        for (const int id : kNeverDisabled) EXPECT_TRUE(Item<QWidget>(id)->isEnabled()) << id;
    }
};

TEST_P(KelvrinDlgGameTypeTest, ShownGameTypeEnablesItsControls) {
    Open();
    settings.gameTypeIndex = GetParam().index;
    window->ShowSettings();
    ExpectEnabledControls();
}

TEST_P(KelvrinDlgGameTypeTest, ChosenGameTypeEnablesItsControls) {
    Open();
    const int other = GetParam().index == 0 ? 1 : 0;
    Choose(kGameType, other);
    Choose(kGameType, GetParam().index);
    ExpectEnabledControls();
}

TEST_P(KelvrinDlgGameTypeTest, HitScanTintCaptionFollowsTheBoxAndTheGameType) {
    settings.si_allowHitscanTint = 1;
    Open();
    Choose(kGameType, GetParam().index);
    EXPECT_EQ(Check(kHitScanTint)->text(), GetParam().tintedCaption);

    Click(kHitScanTint);
    EXPECT_EQ(Check(kHitScanTint)->text(), "Hit Scan Tint ( 0 )");
    Click(kHitScanTint);
    EXPECT_EQ(Check(kHitScanTint)->text(), GetParam().tintedCaption);
}

INSTANTIATE_TEST_SUITE_P(
    GameTypes, KelvrinDlgGameTypeTest,
    ::testing::Values(GameTypeCase{"DM", 0, {}, "Hit Scan Tint ( 1 )"},
                      GameTypeCase{"TeamDM", 1, {1003, 1004, 1016}, "Hit Scan Tint ( 2 )"},
                      GameTypeCase{"CTF", 2, {1012, 1003, 1004, 1016}, "Hit Scan Tint ( 2 )"},
                      GameTypeCase{"ArenaCTF", 3, {1012, 1003, 1004, 1016}, "Hit Scan Tint ( 2 )"},
                      GameTypeCase{"Tourney", 4, {1011}, "Hit Scan Tint ( 1 )"}),
    [](const auto& row) { return std::string(row.param.name); });

class KelvrinDlgEnablingTest : public MainWindowTest {};

TEST_F(KelvrinDlgEnablingTest, WithoutAGameTypeOnlyTheTeamAndSpecialLimitsAreDisabled) {
    Open();
    Type(kGameType, "Capture the hill");
    settings.si_allowHitscanTint = 1;
    window->UpdateGameTypeControls();
    for (const int id : kGameTypeControls) EXPECT_FALSE(Item<QWidget>(id)->isEnabled()) << id;
}

TEST_F(KelvrinDlgEnablingTest, DisabledLimitKeepsItsNumberAndIsStillCollected) {
    Open();
    settings.gameTypeIndex = 0;
    settings.si_tourneyLimit = 7;
    window->ShowSettings();
    ASSERT_FALSE(Edit(kTourneyLimit)->isEnabled());
    Edit(kTourneyLimit)->setText("9");
    window->CollectSettings();
    EXPECT_EQ(settings.si_tourneyLimit, 9);
}

TEST_F(KelvrinDlgEnablingTest, WarmUpEnablesItsPlayerCountWhenTicked) {
    settings.si_warmup = 0;
    Open();
    EXPECT_FALSE(Combo(kWarmupPlayers)->isEnabled());
    const QString count = Combo(kWarmupPlayers)->currentText();
    Click(kWarmup);
    EXPECT_TRUE(Combo(kWarmupPlayers)->isEnabled());
    Click(kWarmup);
    EXPECT_FALSE(Combo(kWarmupPlayers)->isEnabled());
    EXPECT_EQ(Combo(kWarmupPlayers)->currentText(), count);
}

TEST_F(KelvrinDlgEnablingTest, ChangesMadeByCodeRunNoHandler) {
    Open();
    ASSERT_EQ(Combo(kMaxPlayers)->currentText(), "16");
    Combo(kSpeed)->setCurrentIndex(0);  // chosen by the operator, "2" players would follow
    EXPECT_EQ(Combo(kMaxPlayers)->currentText(), "16");

    Combo(kMaxPlayers)->setCurrentIndex(0);
    EXPECT_EQ(settings.si_maxPlayers, 16);

    const bool warmupCountEnabled = Combo(kWarmupPlayers)->isEnabled();
    Check(kWarmup)->setChecked(!Check(kWarmup)->isChecked());
    EXPECT_EQ(Combo(kWarmupPlayers)->isEnabled(), warmupCountEnabled);

    Check(kHitScanTint)->setChecked(true);
    Combo(kGameType)->setCurrentIndex(4);
    EXPECT_EQ(Check(kHitScanTint)->text(), "Hit Scan Tint ( 0 )");
    EXPECT_FALSE(Edit(kTourneyLimit)->isEnabled());
}

}  // namespace
}  // namespace kelvrin::testing
