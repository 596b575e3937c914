// The main window's rules on a recording view: how it opens, how its controls show and collect
// the store, and how its lists and boxes react to the operator.
#include <algorithm>
#include <filesystem>

#include "dialogs/DialogTemplate.h"

#include "tests/dialogs/MainDialogFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Number = std::int32_t ServerSettings::*;
using Texts = std::vector<std::string>;

bool IsCheckBox(int control) {
    return FindDialogTemplate(102)->Control(control)->kind == ControlKind::Check;
}

TEST_F(MainDialogTest, OpeningListsTheGameFoldersAndSelectsTheDefault) {
    const std::string noFolders =
        "can't find game folders in the current directory !\n"
        "Please execute \"kelvrin.exe\" in your Dravek(TM) folder...";
    // The default folder is found in any letter case, and its store is read; the list orders
    // the entries with their brackets, as it shows them.
    const struct {
        const char* name;
        Texts folders;
        Texts items;
        std::string selected;
        std::string serverName;
        Texts shown;
    } rows[] = {
        {"default in capitals",
         {"zeta", "Alpha", "DVBASE", "Beta", "a-b", "a", ".hidden"},
         {"[a-b]", "[a]", "[Alpha]", "[Beta]", "[DVBASE]", "[zeta]"},
         "[DVBASE]",
         "Saved",
         {}},
        {"no default folder", {"mods"}, {"[mods]"}, "", "Hollowmere", {noFolders}},
        {"no folder at all", {}, {}, "", "Hollowmere", {noFolders}},
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
        EXPECT_EQ(window->At(kWindowItem).text,
                  "Kelvrin - Servertool for Dravek by the Kelvrin team");
        EXPECT_EQ(window->At(kGameBase).items, row.items);
        EXPECT_EQ(window->Text(kGameBase), row.selected);
        EXPECT_EQ(window->Text(kServerName), row.serverName);
        EXPECT_EQ(window->shown, row.shown);
        window->Click(kExit);
        EXPECT_TRUE(window->asked.empty()) << "nothing changed, nothing to ask";
        EXPECT_EQ(window->closed, true);
    }
}

// Showing the store first pulls the player counts, the speed and the game type into the ranges
// the lists can show; nothing below 0 is raised.
TEST_F(MainDialogTest, ShowingTheStorePullsItIntoTheShownRanges) {
    const struct {
        const char* name;
        Number field;
        std::int32_t stored;
        int control;
        std::string shown;
        std::int32_t normal;
    } rows[] = {
        {"warm-up above 16", &ServerSettings::si_minPlayers, 20, kWarmupPlayers, "2", 2},
        {"warm-up below 2", &ServerSettings::si_minPlayers, 1, kWarmupPlayers, "2", 2},
        {"warm-up above most", &ServerSettings::si_minPlayers, 14, kWarmupPlayers, "12", 12},
        {"most below 2", &ServerSettings::si_maxPlayers, 1, kMaxPlayers, "16", 16},
        {"most above 16", &ServerSettings::si_maxPlayers, 40, kMaxPlayers, "16", 16},
        {"speed above LAN", &ServerSettings::gui_configServerRate, 9, kSpeed, "LAN", 5},
        {"speed below 0", &ServerSettings::gui_configServerRate, -1, kSpeed, "", -1},
        {"game type above 4", &ServerSettings::gameTypeIndex, 7, kGameType, "DM", 0},
        {"game type below 0", &ServerSettings::gameTypeIndex, -2, kGameType, "", -2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ServerSettings stored;
        stored.si_maxPlayers = 12;
        stored.*row.field = row.stored;
        Open(stored);
        EXPECT_EQ(window->Text(row.control), row.shown);
        EXPECT_EQ(settings.*row.field, row.normal);
    }
}

// The texts pass unchanged both ways, one byte a character; each difference is a change, and a
// second collection in a row finds nothing new.
TEST_F(MainDialogTest, EditsShowAndCollectTheirText) {
    const struct {
        const char* name;
        int control;
        std::string ServerSettings::*field;
        std::string stored;
        std::string put;
    } rows[] = {
        {"server name", kServerName, &ServerSettings::si_name, "  Caf\xe9 \"42\" ", "Z\xfcrich"},
        {"client password", kClientPassword, &ServerSettings::g_password, "old", ""},
        {"admin password", kAdminPassword, &ServerSettings::net_serverRemoteConsolePassword, "",
         "secret"},
    };
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        settings.*row.field = row.stored;
        dialog->ShowSettings();
        EXPECT_EQ(window->Text(row.control), row.stored);
        window->At(row.control).text = row.put;
        dialog->CollectSettings();
        EXPECT_EQ(settings.*row.field, row.put);
        EXPECT_TRUE(settings.settingsChanged);
        dialog->CollectSettings();
        EXPECT_FALSE(settings.settingsChanged);
    }
}

// Limits show their number and take the number their text begins with; lists stand for a
// position, or twice the item's place plus one, so an odd count shows one lower; a list whose
// text matches no item keeps the store; a check box shows any switch but 0 ticked ("1") and is
// collected as 1. Each difference is a change.
TEST_F(MainDialogTest, NumbersListsAndBoxesShowAndCollectTheirValue) {
    const struct {
        const char* name;
        int control;
        Number field;
        std::int32_t stored;
        std::string shown;
        std::string put;
        std::int32_t taken;
    } rows[] = {
        {"time limit", kTimeLimit, &ServerSettings::si_timeLimit, 45, "45", "250", 250},
        {"frag limit", kFragLimit, &ServerSettings::si_fragLimit, -3, "-3", "  17xyz", 17},
        {"capture limit", kCaptureLimit, &ServerSettings::si_captureLimit, 0, "0", "-8", -8},
        {"tourney limit", kTourneyLimit, &ServerSettings::si_tourneyLimit, 7, "7", "", 0},
        {"countdown", kCountdown, &ServerSettings::si_countDown, 12, "12", "+6 9", 6},
        {"game type", kGameType, &ServerSettings::gameTypeIndex, 3, "Arena CTF", "tourney", 4},
        {"speed", kSpeed, &ServerSettings::gui_configServerRate, 5, "LAN", "265 kbs", 1},
        {"speed no item", kSpeed, &ServerSettings::gui_configServerRate, 2, "384 kbs", "3", 2},
        {"max players", kMaxPlayers, &ServerSettings::si_maxPlayers, 12, "12", "6", 6},
        {"odd max players", kMaxPlayers, &ServerSettings::si_maxPlayers, 5, "4", "4", 4},
        {"warm-up players", kWarmupPlayers, &ServerSettings::si_minPlayers, 7, "6", "6", 6},
        {"map cycle 2", kMapCycle, &ServerSettings::si_mapCycle, 2, "1", "1", 1},
        {"dedicated", kDedicated, &ServerSettings::net_serverDedicated, 1, "1", "0", 0},
        {"log file", kLogFile, &ServerSettings::logFile, 0, "0", "1", 1},
        {"LAN server 2", kPureLanServer, &ServerSettings::net_LANServer, 2, "1", "1", 1},
        {"voting", kVoting, &ServerSettings::si_allowVoting, 1, "1", "1", 1},
    };
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const bool box = IsCheckBox(row.control);
        settings.si_maxPlayers = 16;
        settings.*row.field = row.stored;
        dialog->ShowSettings();
        EXPECT_EQ(box ? std::to_string(window->Checked(row.control)) : window->Text(row.control),
                  row.shown);
        if (box) {
            window->At(row.control).checked = row.put == "1";
        } else {
            window->At(row.control).text = row.put;
        }
        dialog->CollectSettings();
        EXPECT_EQ(settings.*row.field, row.taken);
        EXPECT_EQ(settings.settingsChanged, row.taken != row.stored);
    }
}

// The game type enables its limits and team boxes and names the tint while it is ticked; the
// other limits stay enabled. "Warm up" enables its player count.
TEST_F(MainDialogTest, EachGameTypeEnablesItsControlsAndNamesItsHitScanTint) {
    const std::vector<int> team{kAutobalance, kShuffleTeams, kTeamDamage};
    const std::vector<int> capture{kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage};
    const struct {
        const char* name;
        int gameType;
        std::vector<int> enabled;
        std::string tinted;
    } rows[] = {
        {"DM", 0, {}, "Hit Scan Tint ( 1 )"},
        {"Team DM", 1, team, "Hit Scan Tint ( 2 )"},
        {"CTF", 2, capture, "Hit Scan Tint ( 2 )"},
        {"Arena CTF", 3, capture, "Hit Scan Tint ( 2 )"},
        {"Tourney", 4, {kTourneyLimit}, "Hit Scan Tint ( 1 )"},
    };
    const auto enabled = [this] {
        std::vector<int> ids;
        for (const int id :
             {kTourneyLimit, kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}) {
            if (window->At(id).enabled) ids.push_back(id);
        }
        return ids;
    };
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        settings.gameTypeIndex = row.gameType == 0 ? 1 : 0;
        dialog->ShowSettings();
        window->Pick(kGameType, row.gameType);
        EXPECT_EQ(enabled(), row.enabled);
        EXPECT_TRUE(window->At(kTimeLimit).enabled);
        EXPECT_EQ(window->Text(kHitScanTint), "Hit Scan Tint ( 0 )");
        window->Click(kHitScanTint);
        EXPECT_EQ(window->Text(kHitScanTint), row.tinted);
        window->Click(kHitScanTint);
        EXPECT_EQ(window->Text(kHitScanTint), "Hit Scan Tint ( 0 )");
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
        std::vector<std::pair<int, int>> picks;
        std::string shownMost;
        std::string shownWarmup;
        std::int32_t storedMost;
        std::int32_t storedWarmup;
    } rows[] = {
        {"128 kbs", 16, 16, {{kSpeed, 0}}, "2", "2", 16, 16},
        {"265 kbs", 16, 16, {{kSpeed, 1}}, "4", "4", 16, 16},
        {"768 kbs", 16, 4, {{kSpeed, 4}}, "10", "4", 16, 4},
        {"LAN", 8, 8, {{kSpeed, 5}}, "16", "8", 8, 8},
        {"most below warm-up", 16, 8, {{kMaxPlayers, 2}}, "6", "6", 6, 6},
        {"most above warm-up", 8, 4, {{kMaxPlayers, 6}}, "14", "4", 14, 4},
        {"warm-up above most", 8, 4, {{kWarmupPlayers, 5}}, "12", "12", 12, 12},
        {"against the store", 16, 4, {{kSpeed, 0}, {kWarmupPlayers, 5}}, "16", "12", 16, 12},
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
// nothing. The copy-back takes the chosen folder.
TEST_F(MainDialogTest, AChosenGameFolderReplacesWhatTheWindowShows) {
    const std::string longName(32, 'g');
    const struct {
        const char* name;
        std::string folder;
        std::string serverName;
        std::string fragLimit;
        std::string gameType;
        bool mapCycle;
    } rows[] = {
        {"no config", "empty", "Base Server", "20", "DM", false},
        {"its own config", "mods", "Mod Server", "55", "CTF", true},
        {"name too long", longName, "Mod Server", "55", "CTF", true},
    };
    ServerSettings stored;
    stored.si_name = "Base Server";
    WriteConfig("dvbase", stored);
    stored.si_name = "Mod Server";
    stored.si_fragLimit = 55;
    stored.gameTypeIndex = 2;
    for (const std::string& folder : {std::string("mods"), longName}) {
        WriteConfig(folder, stored);
        installation.WriteFile(folder + "/kelvrin.scriptcfg", "set si_mapcycle \"mp/a\"\r\n");
    }
    installation.MakeFolder("empty");
    Open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window->Type(kServerName, "Typed But Not Taken");
        const std::vector<std::string>& entries = window->At(kGameBase).items;
        const auto entry = std::find(entries.begin(), entries.end(), "[" + row.folder + "]");
        window->Pick(kGameBase, static_cast<int>(entry - entries.begin()));
        EXPECT_EQ(window->Text(kServerName), row.serverName);
        EXPECT_EQ(window->Text(kFragLimit), row.fragLimit);
        EXPECT_EQ(window->Text(kGameType), row.gameType);
        EXPECT_EQ(window->Checked(kMapCycle), row.mapCycle);
        EXPECT_EQ(settings.gameFolder, row.folder);
        EXPECT_TRUE(settings.settingsChanged);
    }
    window->At(kGameBase).text = "[DVBASE]";
    dialog->CollectSettings();
    EXPECT_EQ(settings.gameFolder, "dvbase") << "typed text that names an entry is that entry";
    EXPECT_TRUE(settings.settingsChanged);
}

}  // namespace
}  // namespace kelvrin::testing
