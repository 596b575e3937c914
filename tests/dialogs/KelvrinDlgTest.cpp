// The main window on a recording view, driven by the operator's steps: how it opens, how its
// controls show and collect the store, how they react, and its commands.
#include <gtest/gtest.h>

#include "dialogs/DialogIds.h"
#include "dialogs/SettingBindings.h"
#include "tests/support/DialogScenario.h"
#include "tests/support/SettingsByName.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

const std::string kSaved = "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written";
const std::string kNoBatch = "|?file:kvr_dvbase.bat=(none)";

// The default folder is found in any letter case and its store is read; the list orders the
// entries with their brackets, as it shows them; without a default folder the operator is told.
TEST(KelvrinDlg, OpensOnTheGameFoldersAndSelectsTheDefault) {
    const std::string noFolders =
        "|?shown=can't find game folders in the current directory !\n"
        "Please execute \"kelvrin.exe\" in your Dravek(TM) folder...";
    const Scenario rows[] = {
        {"default in capitals",
         "remove:dvbase|folder:zeta|folder:Alpha|file:DVBASE/kelvrin.cfg=set si_name \"Saved\"|"
         "folder:a|folder:Beta|folder:a-b|folder:.x|file:readme.txt=no folder|open|"
         "?text:0=Kelvrin - Servertool for Dravek by the Kelvrin team|"
         "?items:Game Base=[a-b];[a];[Alpha];[Beta];[DVBASE];[zeta]|?text:Game Base=[DVBASE]|"
         "?text:Server Name=Saved|?shown=|click:Exit|?asked=|?closed=OK"},
        {"no default folder",
         "remove:dvbase|file:mods/kelvrin.cfg=set si_name \"Saved\"|open|?items:Game "
         "Base=[mods]|?text:Game Base=|"
         "?text:Server Name=Hollowmere" +
             noFolders},
        {"no folder at all", "remove:dvbase|open|?items:Game Base=" + noFolders},
    };
    RunScenarios(rows);
}

// Each control shows its setting and collects it back, and each difference is a change: texts
// unchanged; limits as the number their text begins with; lists by position, player counts as
// twice the place plus one (so an odd count shows one lower), and a list whose text names no
// item keeps the store; check boxes ticked ("1") for any switch but 0, collected as 1. Showing
// first pulls the counts, the speed and the game type into the lists' ranges.
TEST(KelvrinDlg, ControlsShowAndCollectTheirSetting) {
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
        {"hit scan tint", kHitScanTint, "si_allowHitscanTint", "1", "1", "0", "0"},
        {"LAN server", kPureLanServer, "net_LANServer", "1", "1", "1", "1"},
    };
    DialogScenario main;
    main.Run("open");
    ServerSettings& settings = main.settings;
    RecordingView& window = *main.window;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const bool box = FindSetting(kSwitchSettings, row.setting) != nullptr;
        settings.si_maxPlayers = 12;
        Assign(settings, row.setting, row.stored);
        main.Run("show");
        EXPECT_EQ(box ? std::to_string(window.Checked(row.control)) : window.Text(row.control),
                  row.shown);
        const std::string shownValue = ValueOf(settings, row.setting);
        window.At(row.control).checked = row.put == "1";
        window.At(row.control).text = row.put;
        main.Run("collect");
        EXPECT_EQ(ValueOf(settings, row.setting), row.taken);
        EXPECT_EQ(settings.settingsChanged, row.taken != shownValue);
        main.Run("collect");
        EXPECT_FALSE(settings.settingsChanged) << "a second collection finds nothing new";
    }
}

// The game type enables its limits and team boxes and names the tint while it is ticked; the
// other limits stay enabled. "Warm up" enables its player count. A speed suggests its player
// count and lowers a higher warm-up count in the boxes only; a confirmed player count goes into
// the store and keeps the stored warm-up count at most the stored player count. None of the
// choices is a change.
TEST(KelvrinDlg, ChoicesEnableAndSuggest) {
    const std::string limits =
        "|?enabled:Time Limit,Tourney Limit,Capture Limit,Autobalance,Shuffle Teams,Team damage=";
    const std::string tint =
        "|?text:Hit Scan Tint=Hit Scan Tint ( 0 )|click:Hit Scan Tint|"
        "?text:Hit Scan Tint=Hit Scan Tint ( ";
    const std::string counts = "?text:max.Players=";
    const std::string unchanged = "|?changed=0";
    const Scenario rows[] = {
        {"DM",
         "open|store:gameTypeIndex=1|show|pick:Game Type=DM" + limits + "100000" + tint + "1 )"},
        {"Team DM", "open|pick:Game Type=Team DM" + limits + "100111" + tint + "2 )" + unchanged},
        {"CTF", "open|pick:Game Type=CTF" + limits + "101111" + tint + "2 )"},
        {"Arena CTF", "open|pick:Game Type=Arena CTF" + limits + "101111" + tint + "2 )"},
        {"Tourney", "open|pick:Game Type=Tourney" + limits + "110000" + tint + "1 )"},
        {"warm-up", "open|click:Warm up|?enabled:1013=1|click:Warm up|?enabled:1013=0"},
        {"128 kbs", "open|store:si_minPlayers=16|show|pick:Speed=128 kbs|" + counts +
                        "2|?text:1013=2|?store:si_maxPlayers=16|?store:si_minPlayers=16" +
                        unchanged},
        {"LAN", "open|store:si_maxPlayers=8|show|pick:Speed=LAN|" + counts +
                    "16|?text:1013=4|?store:si_maxPlayers=8" + unchanged},
        {"most below warm-up", "open|store:si_minPlayers=8|show|pick:max.Players=6|" + counts +
                                   "6|?text:1013=6|?store:si_maxPlayers=6|?store:si_minPlayers=6" +
                                   unchanged},
        {"most above warm-up",
         "open|store:si_maxPlayers=8|show|pick:max.Players=14|" + counts +
             "14|?text:1013=4|?store:si_maxPlayers=14|?store:si_minPlayers=4"},
        {"warm-up above most",
         "open|store:si_maxPlayers=8|show|pick:1013=12|" + counts +
             "12|?text:1013=12|?store:si_maxPlayers=12|?store:si_minPlayers=12" + unchanged},
        {"against the store",
         "open|pick:Speed=128 kbs|pick:1013=12|" + counts +
             "16|?text:1013=12|?store:si_maxPlayers=16|?store:si_minPlayers=12"},
    };
    RunScenarios(rows);
}

// Choosing a folder reads its store and shows it, replacing edits not yet collected, and counts
// as a change; a folder without a script clears "Map cycle"; one that cannot be entered reads
// nothing. The copy-back takes the chosen folder, also named by typed text in any letter case.
TEST(KelvrinDlg, AChosenGameFolderReplacesWhatTheWindowShows) {
    const std::string g32(32, 'g');
    const std::string open =
        "file:dvbase/kelvrin.cfg=set si_name \"Base\"|file:" + g32 +
        "/kelvrin.cfg=set si_name \"Long\"|file:mods/kelvrin.scriptcfg=set si_mapcycle \"mp/a\"|"
        "file:mods/kelvrin.cfg=set si_name \"Mod\"\nset si_mapCycle \"1\"|folder:empty|open|"
        "type:Server Name=Typed|";
    const std::string changed = "|?changed=1";
    const Scenario rows[] = {
        {"no config", open +
                          "pick:Game Base=[empty]|?text:Server Name=Base|?gameFolder=empty|"
                          "?checked:Map cycle=0" +
                          changed},
        {"its own config", open +
                               "pick:Game Base=[mods]|?text:Server Name=Mod|?gameFolder=mods|"
                               "?checked:Map cycle=1" +
                               changed},
        {"name too long",
         open + "pick:Game Base=[" + g32 + "]|?text:Server Name=Base|?gameFolder=" + g32 + changed},
        {"typed", open +
                      "pick:Game Base=[mods]|type:Game Base=[DVBASE]|collect|?gameFolder=dvbase" +
                      changed},
    };
    RunScenarios(rows);
}

// Save Config writes both files and Start Server the config before it starts the game; both
// collect first, so a following Exit has nothing to ask. Exit asks only after an edit and
// writes only the config on Yes; Cancel (Escape, the close box) closes without a word. The
// commands tell what failed (Exit, answered Yes, closes anyway).
TEST(KelvrinDlg, CommandsSaveStartAndClose) {
    const std::string kept = "file:dvbase/kelvrin.cfg=kept|open|";
    const std::string edited = kept + "type:Server Name=Edited|";
    const std::string keptAfter = "|?file:dvbase/kelvrin.cfg=kept";
    const std::string asked = "|?asked=Save changed configuration ? (Question)";
    const std::string gone = "open|type:Server Name=Lost|remove:dvbase|answer:yes|click:";
    const std::string blocked =
        "folder:dvbase/kelvrin.cfg|open|type:Server Name=L|answer:yes|click:";
    const Scenario rows[] = {
        {"Save Config, Start Server, Exit",
         "open|type:Server Name=Saved|click:Save Config|?shown=" + kSaved +
             "|type:Server Name=Started|click:dedicated|click:Start Server|?cfg:si_name=Started|"
             "?launched=dravek.exe +set fs_game dvbase+exec kelvrin.cfg|?shown=" +
             kSaved + "|click:Exit|?asked=|?closed=OK"},
        {"Exit unchanged", kept + "click:Exit|?asked=|?closed=OK" + keptAfter + kNoBatch},
        {"Exit, No", edited + "answer:no|click:Exit|?closed=OK" + asked + keptAfter + kNoBatch},
        {"Exit, Yes",
         edited + "answer:yes|click:Exit|?cfg:si_name=Edited|?shown=" + asked + kNoBatch},
        {"Cancel", edited + "answer:yes|command:2|?closed=Cancel|?asked=|?shown=" + keptAfter},
        {"Start Server, no folder", gone +
                                        "Start Server|?shown=can't open subdirectory "
                                        "\"dvbase\" !|?launched=|?closed=open" +
                                        kNoBatch},
        {"Exit, no folder",
         gone + "Exit|?shown=can't open subdirectory \"dvbase\" !|?closed=OK" + kNoBatch},
        {"Start Server, no file", blocked +
                                      "Start Server|?shown=can't write server-config ...|"
                                      "?launched=|?closed=open" +
                                      kNoBatch},
        {"Exit, no file", blocked + "Exit|?shown=can't write \"kelvrin.cfg\"!|?closed=OK"},
    };
    RunScenarios(rows);
}

// Ticking "Map cycle" runs the map dialog and keeps the tick only with a script; "Select Maps"
// runs it and leaves the box as it was; clearing the box runs nothing. "net stuff" copies the
// "pure LAN Server" box into the store before the advanced dialog reads it, which counts as a
// change until the next collection; a change made in that dialog alone does not make Exit
// ask, an edit in the main window does. "Info" and the system menu's entry open the About box;
// each link opens its own target.
TEST(KelvrinDlg, SubDialogsAndLinks) {
    const std::string script = "file:dvbase/kelvrin.scriptcfg=set si_mapcycle \"mp/a\"\r\n|open|";
    const std::string noScript = "|?file:dvbase/kelvrin.scriptcfg=(none)";
    const std::string advanced =
        "type:ZombieTimeout=9,click:OK|click:net stuff|?store:net_serverZombieTimeout=9|";
    const Scenario rows[] = {
        {"tick, cancel, no script",
         "open|sub=click:Cancel|click:Map cycle|?ran=139|?checked:Map cycle=0" + noScript},
        {"tick, OK writes the script",
         "open|sub=click:OK|click:Map cycle|?ran=139|?checked:Map cycle=1|"
         "?file:dvbase/kelvrin.scriptcfg=set si_mapcycle \"mp/dvdm1\"\r\n"},
        {"tick, cancel, script",
         script + "tick:Map cycle=0|sub=click:Cancel|click:Map cycle|?checked:Map cycle=1"},
        {"clear", script + "tick:Map cycle=1|click:Map cycle|?ran=|?checked:Map cycle=0"},
        {"Select Maps, OK",
         script + "tick:Map cycle=0|sub=click:OK|click:Select Maps|?ran=139|?checked:Map cycle=0"},
        {"Select Maps, cancel", script + "tick:Map cycle=1|click:Select Maps|?checked:Map cycle=1"},
        {"LAN box as stored", "open|sub=?enabled:1012=0," + advanced +
                                  "?store:net_LANServer=1|?changed=0|click:Exit|?asked="},
        {"LAN box cleared", "open|click:pure LAN Server|sub=?enabled:1012=1," + advanced +
                                "?store:net_LANServer=0|?changed=1|click:Exit|?asked="},
        {"LAN box cleared, name typed", "open|click:pure LAN Server|sub=" + advanced +
                                            "type:Server Name=Elsewhere|click:Exit|?asked=Save "
                                            "changed configuration ? (Question)"},
        {"Info", "open|click:Info|?ran=100|?opened=|?closed=open"},
        {"system menu", "open|command:16|?ran=100|?closed=open"},
        {"home page", "open|click:www.kelvrin.example.org|?opened=http://www.kelvrin.example.org"},
        {"shop", "open|click:shop.example.org|?opened=http://shop.example.org|?ran="},
        {"mail",
         "open|click:kelvrin@example.org|?opened=mailto:kelvrin@example.org?subject=kelvrin"},
    };
    RunScenarios(rows);
}

}  // namespace
}  // namespace kelvrin::testing
