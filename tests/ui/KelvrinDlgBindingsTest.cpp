#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Number = std::int32_t ServerSettings::*;

class KelvrinDlgBindingsTest : public MainWindowTest {};

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
        Type(control, QStringLiteral("Zürich Nights "));
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
    struct Row { int control; Number field; std::int32_t stored; const char* shown; const char* put; std::int32_t taken; };
    const Row rows[] = {{kTimeLimit, &ServerSettings::si_timeLimit, 45, "45", "250", 250},
                        {kFragLimit, &ServerSettings::si_fragLimit, -3, "-3", "  17xyz", 17},
                        {kCaptureLimit, &ServerSettings::si_captureLimit, 0, "0", "-8", -8},
                        {kTourneyLimit, &ServerSettings::si_tourneyLimit, 7, "7", "abc", 0},
                        {kCountdown, &ServerSettings::si_countDown, 12, "12", "+6 9", 6},
                        {kGameType, &ServerSettings::gameTypeIndex, 3, "Arena CTF", "Tourney", 4},
                        {kSpeed, &ServerSettings::gui_configServerRate, 5, "LAN", "265 kbs", 1},
                        {kMaxPlayers, &ServerSettings::si_maxPlayers, 12, "12", "6", 6},
                        {kWarmupPlayers, &ServerSettings::si_minPlayers, 2, "2", "16", 16},
                        {kMaxPlayers, &ServerSettings::si_maxPlayers, 5, "4", "4", 4},
                        {kWarmupPlayers, &ServerSettings::si_minPlayers, 7, "6", "6", 6},
                        {kGameType, &ServerSettings::gameTypeIndex, 2, "CTF", "Chess", 2},
                        {kSpeed, &ServerSettings::gui_configServerRate, 2, "384 kbs", "1 Gbs", 2},
                        {kMaxPlayers, &ServerSettings::si_maxPlayers, 8, "8", "20 players", 8},
                        {kWarmupPlayers, &ServerSettings::si_minPlayers, 4, "4", "3", 4}};
    Open();
    EXPECT_EQ(Items(kGameType), QStringList({"DM", "Team DM", "CTF", "Arena CTF", "Tourney"}));
    EXPECT_EQ(Items(kSpeed), QStringList({"128 kbs", "265 kbs", "384 kbs", "512 kbs", "768 kbs", "LAN"}));
    for (const int id : {kMaxPlayers, kWarmupPlayers})
        EXPECT_EQ(Items(id), QStringList({"2", "4", "6", "8", "10", "12", "14", "16"}));
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

}  // namespace
}  // namespace kelvrin::testing
