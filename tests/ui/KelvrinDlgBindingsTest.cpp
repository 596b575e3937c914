#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Number = std::int32_t ServerSettings::*;

class KelvrinDlgBindingsTest : public MainWindowTest {
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

TEST_F(KelvrinDlgBindingsTest, TextEditsShowAndCollectTheirTextUpTo99Characters) {
    Open();
    const std::pair<int, std::string ServerSettings::*> rows[] = {
        {kServerName, &ServerSettings::si_name},
        {kClientPassword, &ServerSettings::g_password},
        {kAdminPassword, &ServerSettings::net_serverRemoteConsolePassword}};
    for (const auto& [control, field] : rows) {
        SCOPED_TRACE(control);
        settings.*field = "  Caf\xe9 \"42\" ";
        window->ShowSettings();
        EXPECT_EQ(Text(control), QStringLiteral("  Café \"42\" "));
        Field(control)->setText(QStringLiteral("Zürich Nights "));
        window->CollectSettings();
        EXPECT_EQ(settings.*field, "Z\xfcrich Nights ");
        EXPECT_TRUE(settings.settingsChanged);
        window->CollectSettings();
        EXPECT_FALSE(settings.settingsChanged) << "the second collection in a row finds nothing new";
        Type(control, QString(120, QLatin1Char('x')));
        window->CollectSettings();
        EXPECT_EQ(settings.*field, std::string(99, 'x'));
    }
}

// Limits show their number in decimal and take the number their text begins with; the lists
// stand for an index (game type, speed) or twice the item's place (player counts), so an odd
// count shows one lower and is a change; a list whose text matches no item keeps the store.
TEST_F(KelvrinDlgBindingsTest, NumberControlsShowAndCollectTheirValue) {
    struct Row { int control; Number field; std::int32_t stored; const char *shown, *put; std::int32_t taken; };
    const Row rows[] = {{kTimeLimit, &ServerSettings::si_timeLimit, 45, "45", "250", 250},
                        {kFragLimit, &ServerSettings::si_fragLimit, -3, "-3", "  17xyz", 17},
                        {kCaptureLimit, &ServerSettings::si_captureLimit, 0, "0", "-8", -8},
                        {kTourneyLimit, &ServerSettings::si_tourneyLimit, 7, "7", "abc", 0},
                        {kCountdown, &ServerSettings::si_countDown, 12, "12", "+6 9", 6},
                        {kGameType, &ServerSettings::gameTypeIndex, 3, "Arena CTF", "Tourney", 4},
                        {kSpeed, &ServerSettings::gui_configServerRate, 5, "LAN", "265 kbs", 1},
                        {kMaxPlayers, &ServerSettings::si_maxPlayers, 12, "12", "6", 6},
                        {kMaxPlayers, &ServerSettings::si_maxPlayers, 5, "4", "4", 4},
                        {kWarmupPlayers, &ServerSettings::si_minPlayers, 7, "6", "6", 6},
                        {kGameType, &ServerSettings::gameTypeIndex, 2, "CTF", "Chess", 2},
                        {kMaxPlayers, &ServerSettings::si_maxPlayers, 8, "8", "20 players", 8}};
    Open();
    EXPECT_EQ(Items(kGameType), QStringList({"DM", "Team DM", "CTF", "Arena CTF", "Tourney"}));
    EXPECT_EQ(Items(kSpeed), QStringList({"128 kbs", "265 kbs", "384 kbs", "512 kbs", "768 kbs", "LAN"}));
    for (const Row& c : rows) {
        SCOPED_TRACE(std::to_string(c.control) + " '" + c.put + "'");
        settings.si_maxPlayers = 16, settings.si_minPlayers = 2;
        settings.*c.field = c.stored;
        window->ShowSettings();
        EXPECT_EQ(Text(c.control), c.shown);
        Field(c.control)->setText(QString::fromLatin1(c.put));
        window->CollectSettings();
        EXPECT_EQ(settings.*c.field, c.taken);
        EXPECT_EQ(settings.settingsChanged, c.taken != c.stored);
    }
    Type(kTimeLimit, "1a-2 3");
    EXPECT_EQ(Text(kTimeLimit), "123") << "typing takes digits only";
}

// A switch stored as 2 shows ticked and is collected as 1, which is a change.
TEST_F(KelvrinDlgBindingsTest, CheckBoxesShowAndCollectTheirSwitch) {
    const std::pair<int, Number> rows[] = {
        {kMapCycle, &ServerSettings::si_mapCycle}, {kWeaponStay, &ServerSettings::si_weaponStay},
        {kWaitForReady, &ServerSettings::si_useReady}, {kTeamDamage, &ServerSettings::si_teamDamage},
        {kDedicated, &ServerSettings::net_serverDedicated}, {kWarmup, &ServerSettings::si_warmup},
        {kPureServer, &ServerSettings::si_pure}, {kShuffleTeams, &ServerSettings::si_shuffle},
        {kSpectators, &ServerSettings::si_spectators}, {kAutobalance, &ServerSettings::si_autobalance},
        {kPunkbuster, &ServerSettings::sv_punkbuster}, {kHitScanTint, &ServerSettings::si_allowHitscanTint},
        {kVoting, &ServerSettings::si_allowVoting}, {kPureLanServer, &ServerSettings::net_LANServer},
        {kLogFile, &ServerSettings::logFile}};
    Open();
    for (const auto& [control, field] : rows) {
        for (const std::int32_t value : {2, 0}) {
            SCOPED_TRACE(std::to_string(control) + " " + std::to_string(value));
            settings.*field = value;
            window->ShowSettings();
            EXPECT_EQ(Check(control)->isChecked(), value != 0);
            window->CollectSettings();
            EXPECT_EQ(settings.*field, value == 0 ? 0 : 1);
            EXPECT_EQ(settings.settingsChanged, value == 2);
            Check(control)->setChecked(value == 0);
            window->CollectSettings();
            EXPECT_EQ(settings.*field, value == 0 ? 1 : 0);
        }
    }
}

TEST_F(KelvrinDlgBindingsTest, EachGameTypeEnablesItsControlsAndNamesItsHitScanTint) {
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

TEST_F(KelvrinDlgBindingsTest, OnlyTheOperatorsChangesRunHandlers) {
    Open();
    Combo(kSpeed)->setCurrentIndex(0);  // chosen by the operator, "2" players would follow
    EXPECT_EQ(Text(kMaxPlayers), "16");
    Combo(kMaxPlayers)->setCurrentIndex(0);
    EXPECT_EQ(settings.si_maxPlayers, 16);
    Check(kHitScanTint)->setChecked(true);
    Combo(kGameType)->setCurrentIndex(4);
    EXPECT_EQ(Check(kHitScanTint)->text(), "Hit Scan Tint ( 0 )");
    Check(kWarmup)->toggle();
    EXPECT_NE(Combo(kWarmupPlayers)->isEnabled(), Check(kWarmup)->isChecked());
    for (int click = 0; click < 2; ++click) {  // warm-up enables its player count when ticked
        Click(kWarmup);
        EXPECT_EQ(Combo(kWarmupPlayers)->isEnabled(), Check(kWarmup)->isChecked());
    }
}

// A speed suggests its player count and lowers a higher warm-up count; the player counts keep
// the stored warm-up count at most the stored player count, comparing with the store.
TEST_F(KelvrinDlgBindingsTest, SpeedAndPlayerCountHandlers) {
    struct Case { std::int32_t most, warmup; std::vector<std::pair<int, int>> choices;
                  const char *shownMost, *shownWarmup; std::int32_t storedMost, storedWarmup; };
    std::vector<Case> cases{{16, 4, {{kSpeed, 4}}, "10", "4", 16, 4},
                            {16, 8, {{kMaxPlayers, 2}}, "6", "6", 6, 6},
                            {8, 4, {{kMaxPlayers, 6}}, "14", "4", 14, 4},
                            {8, 4, {{kWarmupPlayers, 5}}, "12", "12", 12, 12},
                            {16, 4, {{kSpeed, 0}, {kWarmupPlayers, 5}}, "16", "12", 16, 12}};
    const char* const suggested[] = {"2", "4", "6", "8", "10", "16"};  // by speed
    for (int speed = 0; speed < 6; ++speed)
        cases.push_back({16, 16, {{kSpeed, speed}}, suggested[speed], suggested[speed], 16, 16});
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.most << "/" << c.warmup << ", last choice in "
                                          << c.choices.back().first << ": " << c.choices.back().second);
        settings.si_maxPlayers = c.most, settings.si_minPlayers = c.warmup, settings.si_warmup = 1;
        window->ShowSettings();
        for (const auto& [control, index] : c.choices) Choose(control, index);
        EXPECT_EQ(Texts({kMaxPlayers, kWarmupPlayers}), QStringList({c.shownMost, c.shownWarmup}));
        EXPECT_EQ(settings.si_maxPlayers, c.storedMost);
        EXPECT_EQ(settings.si_minPlayers, c.storedWarmup);
        EXPECT_FALSE(settings.settingsChanged);
    }
    Combo(kMaxPlayers)->setFocus();
    QTest::keyClick(Combo(kMaxPlayers), Qt::Key_Up);
    EXPECT_EQ(settings.si_maxPlayers, 14) << "a choice by keyboard runs the handler too";
}

}  // namespace
}  // namespace kelvrin::testing
