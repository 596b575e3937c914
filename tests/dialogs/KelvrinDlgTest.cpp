// The main window on a recording view, driven by the operator's steps: how it opens, how its
// controls show and collect the store, how they react, and its commands.
#include <algorithm>
#include <type_traits>

#include "tests/support/EventDialog.h"
#include "tests/support/Scene.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

const std::string kSaved = "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written";
const std::string kNoFolders =
    "can't find game folders in the current directory !\n"
    "Please execute \"kelvrin.exe\" in your Dravek(TM) folder...";
const Question kSaveQuestion{"Save changed configuration ?", "Question"};
const std::vector<Standing> kNoDefault = {Removed("dvbase")};

class MainWindow : public SceneTest {};
TEST_P(MainWindow, Runs) { RunCase(); }

// The default folder is found in any letter case and its store is read; the list orders the
// entries with their brackets, as it shows them; without a default folder the operator is told.
const Case kOpenings[] = {
    CaseOf("default in capitals",
           {Removed("dvbase"), Folder("zeta"), Folder("Alpha"), Folder("a"), Folder("Beta"),
            Folder("a-b"), Folder(".x"), File("DVBASE/kelvrin.cfg", "set si_name \"Saved\""),
            File("readme.txt", "no folder")},
           {OpenMain(), TextIs(kWindowItem, "Kelvrin - Servertool for Dravek by the Kelvrin team"),
            ItemsAre(kGameBase, {"[a-b]", "[a]", "[Alpha]", "[Beta]", "[DVBASE]", "[zeta]"}),
            TextIs(kGameBase, "[DVBASE]"), TextIs(kServerName, "Saved"), MessagesAre({}),
            Click(kExit), QuestionsAre({}), ClosedAs(true)}),
    CaseOf("no default folder",
           {Removed("dvbase"), File("mods/kelvrin.cfg", "set si_name \"Saved\"")},
           {OpenMain(), ItemsAre(kGameBase, {"[mods]"}), TextIs(kGameBase, ""),
            TextIs(kServerName, "Hollowmere"), MessagesAre({kNoFolders})}),
    CaseOf("no folder at all", kNoDefault,
           {OpenMain(), ItemsAre(kGameBase, {}), MessagesAre({kNoFolders})}),
};
INSTANTIATE_TEST_SUITE_P(Opening, MainWindow, ::testing::ValuesIn(kOpenings), RowName());

// Each control shows its setting and collects it back, and each difference is a change: texts
// unchanged; limits as the number their text begins with; lists by position, player counts as
// twice the place plus one (so an odd count shows one lower), and a list whose text names no
// item keeps the store; check boxes ticked for any switch but 0, collected as 1. Showing first
// pulls the counts, the speed and the game type into the lists' ranges.
template <typename Field>
std::vector<Step> Shows(Field S::*field, std::type_identity_t<Field> stored, int control,
                        std::string shown, std::string put, std::type_identity_t<Field> taken,
                        bool changed, Where where = Where::current()) {
    return {OpenMain(),
            Store([=](S& s) { s.si_maxPlayers = 12, s.*field = stored; }),
            ShowStore(),
            TextIs(control, shown, where),
            Type(control, put),
            CollectControls(),
            Stored(field, taken, where),
            ChangedIs(changed, where),
            CollectControls(),
            ChangedIs(false, where)};
}
std::vector<Step> Ticks(std::int32_t S::*field, std::int32_t stored, int control, bool shown,
                        bool put, bool changed, Where where = Where::current()) {
    return {OpenMain(),
            Store([=](S& s) { s.*field = stored; }),
            ShowStore(),
            CheckedIs(control, shown, where),
            Tick(control, put),
            CollectControls(),
            Stored(field, put ? 1 : 0, where),
            ChangedIs(changed, where),
            CollectControls(),
            ChangedIs(false, where)};
}

const std::string kCafe = " Caf\xe9 \"4\" ";
const Case kBindings[] = {
    CaseOf("server name", Shows(&S::si_name, kCafe, kServerName, kCafe, "Z", "Z", true)),
    CaseOf("client password", Shows(&S::g_password, "old", kClientPassword, "old", "", "", true)),
    CaseOf("admin password",
           Shows(&S::net_serverRemoteConsolePassword, "", kAdminPassword, "", "a", "a", true)),
    CaseOf("time limit", Shows(&S::si_timeLimit, 45, kTimeLimit, "45", "250", 250, true)),
    CaseOf("frag limit", Shows(&S::si_fragLimit, -3, kFragLimit, "-3", "  17xyz", 17, true)),
    CaseOf("capture limit", Shows(&S::si_captureLimit, 0, kCaptureLimit, "0", "-8", -8, true)),
    CaseOf("tourney limit", Shows(&S::si_tourneyLimit, 7, kTourneyLimit, "7", "", 0, true)),
    CaseOf("countdown", Shows(&S::si_countDown, 12, kCountdown, "12", "+6 9", 6, true)),
    CaseOf("game type", Shows(&S::gameTypeIndex, 3, kGameType, "Arena CTF", "tourney", 4, true)),
    CaseOf("game type too high", Shows(&S::gameTypeIndex, 7, kGameType, "DM", "DM", 0, false)),
    CaseOf("game type below 0", Shows(&S::gameTypeIndex, -2, kGameType, "", "", -2, false)),
    CaseOf("speed", Shows(&S::gui_configServerRate, 5, kSpeed, "LAN", "265 kbs", 1, true)),
    CaseOf("speed too high", Shows(&S::gui_configServerRate, 9, kSpeed, "LAN", "LAN", 5, false)),
    CaseOf("speed no item", Shows(&S::gui_configServerRate, 2, kSpeed, "384 kbs", "3", 2, false)),
    CaseOf("max players", Shows(&S::si_maxPlayers, 12, kMaxPlayers, "12", "6", 6, true)),
    CaseOf("odd max players", Shows(&S::si_maxPlayers, 5, kMaxPlayers, "4", "4", 4, true)),
    CaseOf("max players too high",
           Shows(&S::si_maxPlayers, 40, kMaxPlayers, "16", "16", 16, false)),
    CaseOf("max players below 2", Shows(&S::si_maxPlayers, 1, kMaxPlayers, "16", "16", 16, false)),
    CaseOf("warm-up players", Shows(&S::si_minPlayers, 7, kWarmupPlayers, "6", "6", 6, true)),
    CaseOf("warm-up above 16", Shows(&S::si_minPlayers, 20, kWarmupPlayers, "2", "2", 2, false)),
    CaseOf("warm-up above most",
           Shows(&S::si_minPlayers, 14, kWarmupPlayers, "12", "12", 12, false)),
    CaseOf("map cycle 2", Ticks(&S::si_mapCycle, 2, kMapCycle, true, true, true)),
    CaseOf("dedicated", Ticks(&S::net_serverDedicated, 1, kDedicated, true, false, true)),
    CaseOf("log file", Ticks(&S::logFile, 0, kLogFile, false, true, true)),
    CaseOf("hit scan tint", Ticks(&S::si_allowHitscanTint, 1, kHitScanTint, true, false, true)),
    CaseOf("LAN server", Ticks(&S::net_LANServer, 1, kPureLanServer, true, true, false)),
};
INSTANTIATE_TEST_SUITE_P(Controls, MainWindow, ::testing::ValuesIn(kBindings), RowName());

// The game type enables its limits and team boxes and names the tint while it is ticked; the
// time limit stays enabled. Choices are no change of the store.
std::vector<Step> GameType(std::string type, std::vector<int> enabled, std::string tint,
                           Where where = Where::current()) {
    std::vector<Step> steps = {Store([](S& s) { s.gameTypeIndex = 1; }), OpenMain(),
                               Pick(kGameType, type), EnabledIs(kTimeLimit, true, where)};
    for (const int id : {kTourneyLimit, kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}) {
        const bool on = std::find(enabled.begin(), enabled.end(), id) != enabled.end();
        steps.push_back(EnabledIs(id, on, where));
    }
    for (const Step& step :
         {TextIs(kHitScanTint, "Hit Scan Tint ( 0 )", where), Click(kHitScanTint),
          TextIs(kHitScanTint, tint, where), ChangedIs(false, where)}) {
        steps.push_back(step);
    }
    return steps;
}

const std::vector<int> kTeams = {kAutobalance, kShuffleTeams, kTeamDamage};
const std::vector<int> kFlags = {kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage};
const Case kChoices[] = {
    CaseOf("DM", GameType("DM", {}, "Hit Scan Tint ( 1 )")),
    CaseOf("Team DM", GameType("Team DM", kTeams, "Hit Scan Tint ( 2 )")),
    CaseOf("CTF", GameType("CTF", kFlags, "Hit Scan Tint ( 2 )")),
    CaseOf("Arena CTF", GameType("Arena CTF", kFlags, "Hit Scan Tint ( 2 )")),
    CaseOf("Tourney", GameType("Tourney", {kTourneyLimit}, "Hit Scan Tint ( 1 )")),
    CaseOf("warm-up", {OpenMain(), Click(kWarmup), EnabledIs(kWarmupPlayers, true), Click(kWarmup),
                       EnabledIs(kWarmupPlayers, false)}),
    // A speed suggests its player count and lowers a higher warm-up count in the boxes only; a
    // confirmed player count goes into the store and keeps the stored warm-up count at most the
    // stored player count. None of it is a change.
    CaseOf("128 kbs",
           {Store([](S& s) { s.si_minPlayers = 16; }), OpenMain(), Pick(kSpeed, "128 kbs"),
            TextIs(kMaxPlayers, "2"), TextIs(kWarmupPlayers, "2"), Stored(&S::si_maxPlayers, 16),
            Stored(&S::si_minPlayers, 16), ChangedIs(false)}),
    CaseOf("LAN",
           {Store([](S& s) { s.si_maxPlayers = 8; }), OpenMain(), Pick(kSpeed, "LAN"),
            TextIs(kMaxPlayers, "16"), TextIs(kWarmupPlayers, "4"), Stored(&S::si_maxPlayers, 8)}),
    CaseOf("most below warm-up",
           {Store([](S& s) { s.si_minPlayers = 8; }), OpenMain(), Pick(kMaxPlayers, "6"),
            TextIs(kWarmupPlayers, "6"), Stored(&S::si_maxPlayers, 6), Stored(&S::si_minPlayers, 6),
            ChangedIs(false)}),
    CaseOf("most above warm-up", {Store([](S& s) { s.si_maxPlayers = 8; }), OpenMain(),
                                  Pick(kMaxPlayers, "14"), TextIs(kWarmupPlayers, "4"),
                                  Stored(&S::si_maxPlayers, 14), Stored(&S::si_minPlayers, 4)}),
    CaseOf("warm-up above most", {Store([](S& s) { s.si_maxPlayers = 8; }), OpenMain(),
                                  Pick(kWarmupPlayers, "12"), TextIs(kMaxPlayers, "12"),
                                  Stored(&S::si_maxPlayers, 12), Stored(&S::si_minPlayers, 12)}),
    CaseOf("against the store", {OpenMain(), Pick(kSpeed, "128 kbs"), Pick(kWarmupPlayers, "12"),
                                 TextIs(kMaxPlayers, "16"), Stored(&S::si_maxPlayers, 16),
                                 Stored(&S::si_minPlayers, 12)}),
};
INSTANTIATE_TEST_SUITE_P(Choices, MainWindow, ::testing::ValuesIn(kChoices), RowName());

// Choosing a folder reads its store and shows it, replacing edits not yet collected, and counts
// as a change; a folder without a script clears "Map cycle"; one that cannot be entered reads
// nothing. The copy-back takes the chosen folder, also named by typed text in any letter case.
const std::string g32(32, 'g');  // one byte more than a game folder's name may hold
const std::vector<Standing> kFolders = {
    File("dvbase/kelvrin.cfg", "set si_name \"Base\""),
    File(g32 + "/kelvrin.cfg", "set si_name \"Long\""),
    File("mods/kelvrin.scriptcfg", "set si_mapcycle \"mp/a\""),
    File("mods/kelvrin.cfg", "set si_name \"Mod\"\nset si_mapCycle \"1\""), Folder("empty")};

std::vector<Step> Chooses(std::string entry, std::string name, std::string folder, bool cycle,
                          Where where = Where::current()) {
    return {OpenMain(),
            Type(kServerName, "Typed"),
            Pick(kGameBase, entry),
            TextIs(kServerName, name, where),
            Stored(&S::gameFolder, folder, where),
            CheckedIs(kMapCycle, cycle, where),
            ChangedIs(true, where)};
}

const Case kFolderChoices[] = {
    CaseOf("no config", kFolders, Chooses("[empty]", "Base", "empty", false)),
    CaseOf("its own config", kFolders, Chooses("[mods]", "Mod", "mods", true)),
    CaseOf("name too long", kFolders, Chooses("[" + g32 + "]", "Base", g32, false)),
    CaseOf("typed", kFolders,
           {OpenMain(), Pick(kGameBase, "[mods]"), Type(kGameBase, "[DVBASE]"), CollectControls(),
            Stored(&S::gameFolder, "dvbase"), ChangedIs(true)}),
};
INSTANTIATE_TEST_SUITE_P(Folders, MainWindow, ::testing::ValuesIn(kFolderChoices), RowName());

// Save Config writes both files and Start Server the config before it starts the game; both
// collect first, so a following Exit has nothing to ask. Exit asks only after an edit and writes
// only the config on Yes; Cancel (Escape, the close box) closes without a word. The commands
// tell what failed; Exit, answered Yes, closes anyway. A save keeps the operator's own lines.
const std::vector<Standing> kKept = {File("dvbase/kelvrin.cfg", "set si_name \"Kept\"\r\n")};
const std::vector<Standing> kBlocked = {Folder("dvbase/kelvrin.cfg")};
const std::vector<Step> kEdited = {OpenMain(), Type(kServerName, "Edited")};
const std::vector<Step> kGone = {OpenMain(), Type(kServerName, "Edited"), Remove("dvbase")};
const std::string kNotOpened = "can't open subdirectory \"dvbase\" !";
// What Save Config writes with the defaults, and a line of the operator's own before its end.
const std::string kDefaults = TestData("default-kelvrin.cfg");
const std::string kWithPort = kDefaults.substr(0, kDefaults.rfind("spawnserver")) +
                              "set net_port \"27961\"\r\nspawnserver\r\n";

const Case kCommands[] = {
    CaseOf("Save Config, Start Server, Exit",
           {OpenMain(), Type(kServerName, "Saved"), Click(kSaveConfig), MessagesAre({kSaved}),
            FileHolds("kvr_dvbase.bat", "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n"),
            Type(kServerName, "Started"), Click(kDedicated), Click(kStartServer),
            ConfigHolds("si_name", "Started"),
            GamesStarted({"dravek.exe +set fs_game dvbase+exec kelvrin.cfg"}),
            MessagesAre({kSaved}), Click(kExit), QuestionsAre({}), ClosedAs(true)}),
    CaseOf("Save Config keeps the operator's lines", {File("dvbase/kelvrin.cfg", kWithPort)},
           {OpenMain(), Click(kSaveConfig), FileHolds("dvbase/kelvrin.cfg", kWithPort)}),
    CaseOf("Exit unchanged", kKept,
           {OpenMain(), Click(kExit), QuestionsAre({}), ClosedAs(true),
            FileHolds("dvbase/kelvrin.cfg", "set si_name \"Kept\"\r\n")}),
    CaseOf(
        "Exit, No", kKept,
        Then(kEdited, {Answer(false), Click(kExit), QuestionsAre({kSaveQuestion}), ClosedAs(true),
                       ConfigHolds("si_name", "Kept"), FileHolds("kvr_dvbase.bat", {})})),
    CaseOf(
        "Exit, Yes", kKept,
        Then(kEdited, {Answer(true), Click(kExit), QuestionsAre({kSaveQuestion}), MessagesAre({}),
                       ConfigHolds("si_name", "Edited"), FileHolds("kvr_dvbase.bat", {})})),
    CaseOf("Cancel", kKept,
           Then(kEdited, {Answer(true), Click(kCancelButton), ClosedAs(false), QuestionsAre({}),
                          MessagesAre({}), ConfigHolds("si_name", "Kept")})),
    CaseOf("Start Server, no folder",
           Then(kGone, {Click(kStartServer), MessagesAre({kNotOpened}), GamesStarted({}),
                        ClosedAs({}), FileHolds("kvr_dvbase.bat", {})})),
    CaseOf("Exit, no folder",
           Then(kGone, {Answer(true), Click(kExit), MessagesAre({kNotOpened}), ClosedAs(true)})),
    CaseOf("Start Server, no file", kBlocked,
           Then(kEdited, {Click(kStartServer), MessagesAre({"can't write server-config ..."}),
                          GamesStarted({}), ClosedAs({})})),
    CaseOf("Exit, no file", kBlocked,
           Then(kEdited, {Answer(true), Click(kExit), MessagesAre({"can't write \"kelvrin.cfg\"!"}),
                          ClosedAs(true)})),
};
INSTANTIATE_TEST_SUITE_P(Commands, MainWindow, ::testing::ValuesIn(kCommands), RowName());

// Ticking "Map cycle" runs the map dialog and keeps the tick only with a script; "Select Maps"
// runs it and leaves the box as it was; clearing the box runs nothing. "net stuff" copies the
// "pure LAN Server" box into the store before the advanced dialog reads it, which counts as a
// change until the next collection; a change made in that dialog alone does not make Exit ask,
// an edit in the main window does. "Info" and the system menu's entry open the About box; each
// link opens its own target.
const std::vector<Standing> kScript = {
    File("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/a\"")};
const std::vector<int> kMapDialog = {mapselection::kTemplate};
const std::vector<Step> kAdvancedEdit = {Type(advanced::kZombieTimeout, "9"), Click(advanced::kOk)};
const Case kSubDialogs[] = {
    CaseOf(
        "tick, cancel, no script",
        {OpenMain(), InNextDialog({Click(kCancelButton)}), Click(kMapCycle), DialogsRan(kMapDialog),
         CheckedIs(kMapCycle, false), FileHolds("dvbase/kelvrin.scriptcfg", {})}),
    CaseOf(
        "tick, OK writes the script",
        {OpenMain(), InNextDialog({Click(kOkButton)}), Click(kMapCycle), CheckedIs(kMapCycle, true),
         FileHolds("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm1\"\r\n")}),
    CaseOf("tick, cancel, script", kScript,
           {OpenMain(), Tick(kMapCycle, false), InNextDialog({Click(kCancelButton)}),
            Click(kMapCycle), CheckedIs(kMapCycle, true)}),
    CaseOf("clear", kScript,
           {OpenMain(), Tick(kMapCycle, true), Click(kMapCycle), DialogsRan({}),
            CheckedIs(kMapCycle, false)}),
    CaseOf("Select Maps, OK", kScript,
           {OpenMain(), Tick(kMapCycle, false), InNextDialog({Click(kOkButton)}),
            Click(kSelectMaps), DialogsRan(kMapDialog), CheckedIs(kMapCycle, false)}),
    CaseOf("Select Maps, cancel", kScript,
           {OpenMain(), Tick(kMapCycle, true), Click(kSelectMaps), CheckedIs(kMapCycle, true)}),
    CaseOf("LAN box as stored",
           {OpenMain(), InNextDialog(Then({EnabledIs(advanced::kMaster1, false)}, kAdvancedEdit)),
            Click(kNetStuff), Stored(&S::net_serverZombieTimeout, 9), Stored(&S::net_LANServer, 1),
            ChangedIs(false), Click(kExit), QuestionsAre({})}),
    CaseOf(
        "LAN box cleared",
        {OpenMain(), Click(kPureLanServer),
         InNextDialog(Then({EnabledIs(advanced::kMaster1, true)}, kAdvancedEdit)), Click(kNetStuff),
         Stored(&S::net_LANServer, 0), ChangedIs(true), Click(kExit), QuestionsAre({})}),
    CaseOf("LAN box cleared, name typed",
           {OpenMain(), Click(kPureLanServer), InNextDialog(kAdvancedEdit), Click(kNetStuff),
            Type(kServerName, "Elsewhere"), Click(kExit), QuestionsAre({kSaveQuestion})}),
    CaseOf("Info and the system menu",
           {OpenMain(), Click(kInfo), Click(kAboutCommand),
            DialogsRan({about::kTemplate, about::kTemplate}), LinksOpened({}), ClosedAs({})}),
    CaseOf("links",
           {OpenMain(), Click(kHomeLink), Click(kShopLink), Click(kMailLink), DialogsRan({}),
            LinksOpened({"http://www.kelvrin.example.org", "http://shop.example.org",
                         "mailto:kelvrin@example.org?subject=kelvrin"})}),
};
INSTANTIATE_TEST_SUITE_P(SubDialogs, MainWindow, ::testing::ValuesIn(kSubDialogs), RowName());

// The recording view keeps the promises every view keeps.
TEST(RecordingView, KeepsTheViewContract) {
    EventDialog main(mainwindow::kTemplate);
    RecordingView mainView(main);
    CheckMainWindowView(mainView, main);
    EventDialog maps(mapselection::kTemplate);
    RecordingView mapsView(maps);
    CheckMapDialogView(mapsView, maps);
}

}  // namespace
}  // namespace kelvrin::testing
