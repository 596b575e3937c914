#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgEnablingTest : public MainWindowTest {
protected:
    // Which of the game type's controls take input; the other limits always do.
    std::vector<int> EnabledGameTypeControls() const {
        for (const int id : {kTimeLimit, kFragLimit, kCountdown}) EXPECT_TRUE(Item<QWidget>(id)->isEnabled());
        std::vector<int> enabled;
        for (const int id : {kTourneyLimit, kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage})
            if (Item<QWidget>(id)->isEnabled()) enabled.push_back(id);
        return enabled;
    }
};

TEST_F(KelvrinDlgEnablingTest, EachGameTypeEnablesItsControlsAndNamesItsHitScanTint) {
    const std::vector<int> team{kAutobalance, kShuffleTeams, kTeamDamage};
    const std::vector<int> capture{kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage};
    const std::tuple<int, std::vector<int>, const char*> cases[] = {
        {0, {}, "Hit Scan Tint ( 1 )"},      {1, team, "Hit Scan Tint ( 2 )"},
        {2, capture, "Hit Scan Tint ( 2 )"}, {3, capture, "Hit Scan Tint ( 2 )"},
        {4, {kTourneyLimit}, "Hit Scan Tint ( 1 )"}};
    settings.si_allowHitscanTint = 1;
    Open();
    for (const auto& [index, enabled, tinted] : cases) {
        SCOPED_TRACE(index);
        settings.gameTypeIndex = index;
        window->ShowSettings();
        EXPECT_EQ(EnabledGameTypeControls(), enabled);
        Choose(kGameType, index == 0 ? 1 : 0);
        Choose(kGameType, index);
        EXPECT_EQ(EnabledGameTypeControls(), enabled);
        EXPECT_EQ(Check(kHitScanTint)->text(), tinted);
        for (const char* caption : {"Hit Scan Tint ( 0 )", tinted}) {
            Click(kHitScanTint);
            EXPECT_EQ(Check(kHitScanTint)->text(), caption);
        }
    }
    Field(kGameType)->setText("Capture the hill");
    window->UpdateGameTypeControls();
    EXPECT_EQ(EnabledGameTypeControls(), std::vector<int>{});
}

TEST_F(KelvrinDlgEnablingTest, OnlyTheOperatorsChangesRunHandlers) {
    Open();
    Combo(kSpeed)->setCurrentIndex(0);  // chosen by the operator, "2" players would follow
    EXPECT_EQ(Text(kMaxPlayers), "16");
    Combo(kMaxPlayers)->setCurrentIndex(0);
    EXPECT_EQ(settings.si_maxPlayers, 16);
    Check(kHitScanTint)->setChecked(true);
    Combo(kGameType)->setCurrentIndex(4);
    EXPECT_EQ(Check(kHitScanTint)->text(), "Hit Scan Tint ( 0 )");
    EXPECT_FALSE(Edit(kTourneyLimit)->isEnabled());
    Check(kWarmup)->toggle();
    EXPECT_NE(Combo(kWarmupPlayers)->isEnabled(), Check(kWarmup)->isChecked());
    for (int click = 0; click < 2; ++click) {  // warm-up enables its player count when ticked
        Click(kWarmup);
        EXPECT_EQ(Combo(kWarmupPlayers)->isEnabled(), Check(kWarmup)->isChecked());
    }
}

// A speed suggests its player count and lowers a higher warm-up count; the player counts keep
// the stored warm-up count at most the stored player count, comparing with the store.
TEST_F(KelvrinDlgEnablingTest, SpeedAndPlayerCountHandlers) {
    struct Case { std::int32_t most, warmup; std::vector<std::pair<int, int>> choices;
                  const char *shownMost, *shownWarmup; std::int32_t storedMost, storedWarmup; };
    const Case cases[] = {{16, 16, {{kSpeed, 0}}, "2", "2", 16, 16},
                          {16, 16, {{kSpeed, 1}}, "4", "4", 16, 16},
                          {16, 16, {{kSpeed, 2}}, "6", "6", 16, 16},
                          {16, 16, {{kSpeed, 3}}, "8", "8", 16, 16},
                          {16, 16, {{kSpeed, 4}}, "10", "10", 16, 16},
                          {16, 16, {{kSpeed, 5}}, "16", "16", 16, 16},
                          {16, 4, {{kSpeed, 4}}, "10", "4", 16, 4},
                          {16, 8, {{kMaxPlayers, 2}}, "6", "6", 6, 6},
                          {8, 4, {{kMaxPlayers, 6}}, "14", "4", 14, 4},
                          {8, 4, {{kWarmupPlayers, 5}}, "12", "12", 12, 12},
                          {16, 4, {{kSpeed, 0}, {kWarmupPlayers, 5}}, "16", "12", 16, 12}};
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.most) + " " + std::to_string(c.warmup));
        settings.si_maxPlayers = c.most, settings.si_minPlayers = c.warmup, settings.si_warmup = 1;
        window->ShowSettings();
        for (const auto& [control, index] : c.choices) Choose(control, index);
        EXPECT_EQ(Texts({kMaxPlayers, kWarmupPlayers}), QStringList({c.shownMost, c.shownWarmup}));
        EXPECT_EQ(std::pair(settings.si_maxPlayers, settings.si_minPlayers), std::pair(c.storedMost, c.storedWarmup));
        EXPECT_FALSE(settings.settingsChanged);
    }
    Combo(kMaxPlayers)->setFocus();
    QTest::keyClick(Combo(kMaxPlayers), Qt::Key_Up);
    EXPECT_EQ(settings.si_maxPlayers, 14) << "a choice by keyboard runs the handler too";
}

}  // namespace
}  // namespace kelvrin::testing
