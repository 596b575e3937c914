// The main window's rules on a recording view: how it opens, how its controls show and collect
// the store, and how its lists and boxes react to the operator.
#include <algorithm>
#include <filesystem>

#include "dialogs/SettingBindings.h"
#include "tests/dialogs/MainDialogFixture.h"
#include "tests/support/SettingsByName.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Texts = std::vector<std::string>;

// The default folder is found in any letter case and its store is read; the list orders the
// entries with their brackets, as it shows them; without a default folder the operator is told.
TEST_F(MainDialogTest, OpeningListsTheGameFoldersAndSelectsTheDefault) {
    const Texts listed{"[a-b]", "[a]", "[Alpha]", "[Beta]", "[DVBASE]", "[zeta]"};
    const struct {
        const char* name;
        std::string selected;
        Texts folders;
    } rows[] = {
        {"default in capitals", "[DVBASE]", {"zeta", "Alpha", "DVBASE", "Beta", "a-b", "a", ".x"}},
        {"no default folder", "", {"mods"}},
        {"no folder at all", "", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const auto& entry : std::filesystem::directory_iterator(installation.Root())) {
            std::filesystem::remove_all(entry);
        }
        ServerSettings saved;
        saved.si_name = "Saved";
        for (const std::string& folder : row.folders) WriteConfig(folder, saved);
        installation.WriteFile("readme.txt", "a file is no game folder");
        Open();
        const bool found = !row.selected.empty();
        EXPECT_EQ(window->Text(kWindowItem), "Kelvrin - Servertool for Dravek by the Kelvrin team");
        EXPECT_EQ(window->At(kGameBase).items,
                  found ? listed : Texts(row.folders.size(), "[mods]"));
        EXPECT_EQ(window->Text(kGameBase), row.selected);
        EXPECT_EQ(window->Text(kServerName), found ? "Saved" : "Hollowmere");
        EXPECT_EQ(window->messages.shown.size(), found ? 0u : 1u);
        for (const std::string& message : window->messages.shown) {
            EXPECT_EQ(message,
                      "can't find game folders in the current directory !\n"
                      "Please execute \"kelvrin.exe\" in your Dravek(TM) folder...");
        }
        window->Click(kExit);
        EXPECT_TRUE(window->messages.asked.empty()) << "nothing changed, nothing to ask";
        EXPECT_EQ(window->closed, true);
    }
}

// Each control shows its setting and collects it back, and each difference is a change: texts
// unchanged; limits as the number their text begins with; lists by position, player counts as
// twice the place plus one (so an odd count shows one lower), and a list whose text names no
// item keeps the store; check boxes ticked ("1") for any switch but 0, collected as 1. Showing
// first pulls the counts, the speed and the game type into the lists' ranges.
TEST_F(MainDialogTest, ControlsShowAndCollectTheirSetting) {
    const struct {
        const char* name;
        int control;
        const char* setting;
        std::string stored;
        std::string shown;
        std::string put;
        std::string taken;
    } rows[] = {
        {"server name", kServerName, "si_name", " Caf\xe9 \"4\" ", " Caf\xe9 \"4\" ", "Z", "Z"},
        {"client password", kClientPassword, "g_password", "old", "old", "", ""},
        {"admin password", kAdminPassword, "net_serverRemoteConsolePassword", "", "", "a", "a"},
        {"time limit", kTimeLimit, "si_timeLimit", "45", "45", "250", "250"},
        {"frag limit", kFragLimit, "si_fragLimit", "-3", "-3", "  17xyz", "17"},
        {"capture limit", kCaptureLimit, "si_captureLimit", "0", "0", "-8", "-8"},
        {"tourney limit", kTourneyLimit, "si_tourneyLimit", "7", "7", "", "0"},
        {"countdown", kCountdown, "si_countDown", "12", "12", "+6 9", "6"},
        {"game type", kGameType, "gameTypeIndex", "3", "Arena CTF", "tourney", "4"},
        {"game type too high", kGameType, "gameTypeIndex", "7", "DM", "DM", "0"},
        {"game type below 0", kGameType, "gameTypeIndex", "-2", "", "", "-2"},
        {"speed", kSpeed, "gui_configServerRate", "5", "LAN", "265 kbs", "1"},
        {"speed too high", kSpeed, "gui_configServerRate", "9", "LAN", "LAN", "5"},
        {"speed no item", kSpeed, "gui_configServerRate", "2", "384 kbs", "3", "2"},
        {"max players", kMaxPlayers, "si_maxPlayers", "12", "12", "6", "6"},
        {"odd max players", kMaxPlayers, "si_maxPlayers", "5", "4", "4", "4"},
        {"max players too high", kMaxPlayers, "si_maxPlayers", "40", "16", "16", "16"},
        {"max players below 2", kMaxPlayers, "si_maxPlayers", "1", "16", "16", "16"},
        {"warm-up players", kWarmupPlayers, "si_minPlayers", "7", "6", "6", "6"},
        {"warm-up above 16", kWarmupPlayers, "si_minPlayers", "20", "2", "2", "2"},
        {"warm-up above most", kWarmupPlayers, "si_minPlayers", "14", "12", "12", "12"},
        {"map cycle 2", kMapCycle, "si_mapCycle", "2", "1", "1", "1"},
        {"dedicated", kDedicated, "net_serverDedicated", "1", "1", "0", "0"},
        {"log file", kLogFile, "logFile", "0", "0", "1", "1"},
        {"LAN server", kPureLanServer, "net_LANServer", "1", "1", "1", "1"},
    };
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const bool box = FindSetting(kSwitchSettings, row.setting) != nullptr;
        settings.si_maxPlayers = 12;
        Assign(settings, row.setting, row.stored);
        dialog->ShowSettings();
        EXPECT_EQ(box ? std::to_string(window->Checked(row.control)) : window->Text(row.control),
                  row.shown);
        const std::string shownValue = ValueOf(settings, row.setting);
        window->At(row.control).checked = row.put == "1";
        window->At(row.control).text = row.put;
        dialog->CollectSettings();
        EXPECT_EQ(ValueOf(settings, row.setting), row.taken);
        EXPECT_EQ(settings.settingsChanged, row.taken != shownValue);
        dialog->CollectSettings();
        EXPECT_FALSE(settings.settingsChanged) << "a second collection finds nothing new";
    }
}

// The game type enables its limits and team boxes and names the tint while it is ticked; the
// other limits stay enabled. "Warm up" enables its player count.
TEST_F(MainDialogTest, EachGameTypeEnablesItsControlsAndNamesItsHitScanTint) {
    const struct {
        const char* name;
        int gameType;
        int tint;
        std::vector<int> enabled;
    } rows[] = {
        {"DM", 0, 1, {}},
        {"Team DM", 1, 2, {kAutobalance, kShuffleTeams, kTeamDamage}},
        {"CTF", 2, 2, {kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}},
        {"Arena CTF", 3, 2, {kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}},
        {"Tourney", 4, 1, {kTourneyLimit}},
    };
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        settings.gameTypeIndex = row.gameType == 0 ? 1 : 0;
        dialog->ShowSettings();
        window->Pick(kGameType, row.gameType);
        std::vector<int> enabled;
        for (const int id :
             {kTourneyLimit, kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}) {
            if (window->At(id).enabled) enabled.push_back(id);
        }
        EXPECT_EQ(enabled, row.enabled);
        EXPECT_TRUE(window->At(kTimeLimit).enabled);
        EXPECT_EQ(window->Text(kHitScanTint), "Hit Scan Tint ( 0 )");
        window->Click(kHitScanTint);
        EXPECT_EQ(window->Text(kHitScanTint), "Hit Scan Tint ( " + std::to_string(row.tint) + " )");
    }
    for (const bool ticked : {true, false}) {
        window->Click(kWarmup);
        EXPECT_EQ(window->At(kWarmupPlayers).enabled, ticked);
    }
}

// A speed suggests its player count and lowers a higher warm-up count in the boxes only; a
// confirmed player count goes into the store and keeps the stored warm-up count at most the
// stored player count. None of it is a change.
TEST_F(MainDialogTest, SpeedAndPlayerCountChoices) {
    const struct {
        const char* name;
        std::int32_t most;
        std::int32_t warmup;
        std::string shownMost;
        std::string shownWarmup;
        std::int32_t storedMost;
        std::int32_t storedWarmup;
        std::vector<std::pair<int, int>> picks;
    } rows[] = {
        {"128 kbs", 16, 16, "2", "2", 16, 16, {{kSpeed, 0}}},
        {"265 kbs", 16, 16, "4", "4", 16, 16, {{kSpeed, 1}}},
        {"768 kbs", 16, 4, "10", "4", 16, 4, {{kSpeed, 4}}},
        {"LAN", 8, 8, "16", "8", 8, 8, {{kSpeed, 5}}},
        {"most below warm-up", 16, 8, "6", "6", 6, 6, {{kMaxPlayers, 2}}},
        {"most above warm-up", 8, 4, "14", "4", 14, 4, {{kMaxPlayers, 6}}},
        {"warm-up above most", 8, 4, "12", "12", 12, 12, {{kWarmupPlayers, 5}}},
        {"against the store", 16, 4, "16", "12", 16, 12, {{kSpeed, 0}, {kWarmupPlayers, 5}}},
    };
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        settings.si_maxPlayers = row.most;
        settings.si_minPlayers = row.warmup;
        dialog->ShowSettings();
        for (const auto& [control, index] : row.picks) window->Pick(control, index);
        EXPECT_EQ(window->Text(kMaxPlayers), row.shownMost);
        EXPECT_EQ(window->Text(kWarmupPlayers), row.shownWarmup);
        EXPECT_EQ(settings.si_maxPlayers, row.storedMost);
        EXPECT_EQ(settings.si_minPlayers, row.storedWarmup);
        EXPECT_FALSE(settings.settingsChanged);
    }
}

// Choosing a folder reads its store and shows it, replacing edits not yet collected, and counts
// as a change; a folder without a script clears "Map cycle"; one that cannot be entered reads
// nothing. The copy-back takes the chosen folder, also named by typed text in any letter case.
TEST_F(MainDialogTest, AChosenGameFolderReplacesWhatTheWindowShows) {
    const std::string longName(32, 'g');
    const struct {
        const char* name;
        std::string folder;
        std::string serverName;
        bool mapCycle;
    } rows[] = {
        {"no config", "empty", "Base Server", false},
        {"its own config", "mods", "Mod Server", true},
        {"name too long", longName, "Mod Server", true},
    };
    ServerSettings stored;
    stored.si_name = "Base Server";
    WriteConfig("dvbase", stored);
    stored.si_name = "Mod Server";
    for (const std::string& folder : {std::string("mods"), longName}) {
        WriteConfig(folder, stored);
        installation.WriteFile(folder + "/kelvrin.scriptcfg", "set si_mapcycle \"mp/a\"\r\n");
    }
    installation.MakeFolder("empty");
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window->Type(kServerName, "Typed But Not Taken");
        const Texts& entries = window->At(kGameBase).items;
        const auto entry = std::find(entries.begin(), entries.end(), "[" + row.folder + "]");
        window->Pick(kGameBase, static_cast<int>(entry - entries.begin()));
        EXPECT_EQ(window->Text(kServerName), row.serverName);
        EXPECT_EQ(window->Checked(kMapCycle), row.mapCycle);
        EXPECT_EQ(settings.gameFolder, row.folder);
        EXPECT_TRUE(settings.settingsChanged);
    }
    window->At(kGameBase).text = "[DVBASE]";
    dialog->CollectSettings();
    EXPECT_EQ(settings.gameFolder, "dvbase");
    EXPECT_TRUE(settings.settingsChanged);
}

}  // namespace
}  // namespace kelvrin::testing
