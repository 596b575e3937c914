// kelvrin-cli run in-process over real files: what it prints, its exit code and what the
// game folder holds afterwards.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "tests/support/DialogScenario.h"

namespace kelvrin::testing {
namespace {

// What the window's Save Config writes with the defaults, after which the rows' lines replace
// the lines of the same setting.
const std::string kDefaultConfig = TestData("default-kelvrin.cfg");

std::string Config(const std::vector<std::string>& lines) {
    std::string config = kDefaultConfig;
    for (const std::string& line : lines) {
        const std::string start = line.substr(0, line.find('"'));
        const std::size_t at = config.find("\n" + start) + 1;
        config.replace(at, config.find('\n', at) + 1 - at, line + "\r\n");
    }
    return config;
}

const std::string kStored = Config({"set si_name \"Old\""});
const std::string kShown = Config({"set si_maxPlayers \"5\"", "set logFile \"2\"",
                                   "set si_name \"Caf\xe9\"", "set si_gameType \"CTF\""});
const std::string kNegativeSpeed = Config({"set gui_configServerRate \"-1\""});
// CR LF counts as one character, so the name's "A" is the 5000th character read.
const std::string kLongConfig =
    "\r\n" + std::string(4989, ' ') + "si_name \"AB\"\r\nset si_fragLimit \"9\"\r\n";
const char* const kSaved =
    "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written\n";
const char* const kBatch = "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n";

// A start directory whose dvbase holds kStored, driven by the steps of a dialog scenario and
// "run=ARGUMENTS" (joined by ","), which runs the program and then finds the start directory
// current again. The check "exit" sees the exit code and what the program printed: to standard
// output on success, else to standard error; the other stream stays empty.
class CliScenario : public DialogScenario {
public:
    CliScenario() { installation.WriteFile("dvbase/kelvrin.cfg", kStored); }

    bool Act(const Step& step) override {
        if (step.verb != "run") return DialogScenario::Act(step);
        const std::vector<std::string> arguments = Split("kelvrin-cli," + step.value, ',');
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunCli(arguments, out, err);
        const std::string printed = (code == 0 ? out : err).str();
        const std::string elsewhere = (code == 0 ? err : out).str();
        exit_ = std::to_string(code) + " " + printed;
        if (!elsewhere.empty()) exit_ += " and more: " + elsewhere;
        EXPECT_EQ(CurrentDirectoryNow(), installation.Root());
        return true;
    }

    std::optional<std::string> Seen(const Step& step) override {
        return step.verb == "exit" ? exit_ : DialogScenario::Seen(step);
    }

private:
    std::string exit_;
};

// Letter case ignored, bytes above 127 first, a name that starts another before it (also beyond
// the eighth and the sixteenth byte); hidden folders and plain files are no game folders.
const char* const kFolders =
    "folder:zeta|folder:MAPSFORALL2|folder:mapsforall|folder:mapsforal|folder:night_rotation_dz|"
    "folder:night_rotation_day1|folder:night_rotation_day|folder:_x|folder:\xc3\xa9t\xc3\xa9|"
    "folder:.hidden|file:plainfile=|run=folders|?exit=0 \xc3\xa9t\xc3\xa9\n_x\ndvbase\n"
    "mapsforal\nMAPSFORALL2\nmapsforall\nnight_rotation_day1\nnight_rotation_day\n"
    "night_rotation_dz\nzeta\n";

// Names the script could not carry back are not offered; the game's own maps come first.
const char* const kMaps =
    "folder:dvbase/mp/folder.map|file:dvbase/mp/zz.map=|file:dvbase/mp/Beta.MAP=|"
    "file:dvbase/mp/alpha.map=|file:dvbase/mp/dvdm1.map=|file:dvbase/mp/notes.txt=|"
    "file:dvbase/mp/caf\xc3\xa9.map=|file:dvbase/mp/semi;colon.map=|file:dvbase/mp/del\x7f.map=|"
#ifndef _WIN32  // names Windows cannot hold
    "file:dvbase/mp/dou\"ble.map=|file:dvbase/mp/tab\there.map=|"
#endif
    "";
const char* const kGameMaps =
    "dvdm1.map\ndvdm2.map\ndvdm3.map\ndvdm4.map\ndvdm5.map\ndvdm6.map\ndvdm7.map\ndvdm8.map\n"
    "dvdm11v1.map\ndvctf1.map\ndvctf2.map\ndvctf3.map\ndvctf4.map\n";

TEST(KelvrinCli, RunsEachCommandAndReportsEachFailure) {
    std::string deep = "d";
    for (int level = 0; level < 12; ++level) deep += "/" + std::string(30, 'd');
    const std::string g29(29, 'g');  // with "/mp" the folder's name passes 31 bytes
    const std::string w100 = std::string(96, 'w') + ".map";
    const std::string script = "file:dvbase/kelvrin.scriptcfg=";
    const std::string cycle = "|run=cycle,--show|?exit=0 ";
    const std::string stored = "|?file:dvbase/kelvrin.cfg=" + kStored;
    const std::string saved = "run=save|?exit=0 " + std::string(kSaved);
    const Scenario rows[] = {
        {"folders", kFolders},
#ifndef _WIN32  // "A" is "a" there
        {"folders equal but for case",
         "folder:b|folder:B|folder:a|folder:A|folder:LONGNAME_b|folder:longname_B|run=folders|"
         "?exit=0 A\na\nB\nb\ndvbase\nLONGNAME_b\nlongname_B\n"},
#endif
        {"-C, a deep path", "folder:" + deep + "/b|run=-C," + deep + ",folders|?exit=0 b\n"},
        {"show", "file:dvbase/kelvrin.cfg=" + kShown + "|run=show|?exit=0 " + TestData("show.txt")},
        {"show names, of 5000 characters",
         "file:dvbase/kelvrin.cfg=" + kLongConfig +
             "|run=-g,DVBASE,show,si_fragLimit,si_name|?exit=0 si_fragLimit=0\nsi_name=A\n"},
        {"set",
         "run=set,si_name=Caf\xc3\xa9,si_gameType=team dm,gui_configServerRate=384 kbs,"
         "si_minPlayers=8,si_maxPlayers=6,net_serverMaxClientRate=25000,net_LANServer=off|"
         "?exit=0 " +
             std::string(kSaved) + "|?file:dvbase/kelvrin.cfg=" + TestData("set-kelvrin.cfg") +
             "|?file:kvr_dvbase.bat=" + kBatch},
        {"set takes back what show printed",
         "file:dvbase/kelvrin.cfg=" + kNegativeSpeed +
             "|run=set,gui_configServerRate=-1,si_name=Hollowmere|?exit=0 " + kSaved +
             "|?file:dvbase/kelvrin.cfg=" + kNegativeSpeed},
        {"save", saved + "|?file:kvr_dvbase.bat=" + kBatch + stored},
        {"save, a map cycle, not dedicated",
         "file:my mod/kelvrin.cfg=set net_serverDedicated \"0\"\r\n//set si_mapCycle \"1\"\r\n|"
         "file:my mod/kelvrin.scriptcfg=set si_mapcycle \"mp/a\"\r\n|run=-g,my mod,save|"
         "?exit=0 Config file \"kelvrin.cfg\" and batch file \"kvr_my mod.bat\" written\n|"
         "?file:kvr_my mod.bat=dravek.exe +set fs_game my mod +exec kelvrin.scriptcfg +exec "
         "kelvrin.cfg"},
        {"maps", kMaps + ("file:dvbase/mp/" + w100) + "=|file:dvbase/mp/w" + w100 +
                     "=|run=maps|?exit=0 " + kGameMaps + "alpha.map\nBeta.MAP\ncaf\xc3\xa9.map\n" +
                     "dvdm1.map\n" + w100 + "\nzz.map\n"},
        {"maps, too long a path",
         "file:" + g29 + "/mp/a.map=|run=-g," + g29 + ",maps|?exit=0 " + kGameMaps},
        {"cycle", "run=cycle,dvdm3.map,b.map|?exit=0 |" + script +
                      "set si_mapcycle \"mp/dvdm3.map;mp/b.map\"\r\n"},
        {"cycle --show", script + "set si_mapcycle \"mp/a;mp/b.map\"\r\n" + cycle + "a\nb.map\n"},
        // How the script's list is read.
        {"no quote", script + "set si_mapcycle mp/a" + cycle},
        {"empty entries", script + "x \";;mp/b.map;\"" + cycle + "b.map\n"},
        {"no closing quote", script + "x \"mp/a;mp/b;mp/c" + cycle + "a\nb\n"},
        {"the first quoted part", script + "x \"mp/a\" \"mp/b\"" + cycle + "a\n"},
        {"100 characters", script + "x \"mp/" + std::string(110, 'L') + ";mp/b\"" + cycle +
                               std::string(100, 'L') + "\nb\n"},
        // Entries holding a control character are left out; CR LF is read as LF, itself one.
        {"control characters", script + "x \"mp/n" + std::string(1, '\0') +
                                   "ul;mp/a;mp/c\x01;mp/d\x7f;mp/b;mp/line\r\nend\"" + cycle +
                                   "a\nb\n"},
        {"no game", "run=start|?exit=1 can't start \"dravekDed.exe\"\n" + stored},
        {"folder not entered",
         "run=-g,gone,save|?exit=1 can't change to subdirectory "
         "\"gone\"\n|?file:kvr_gone.bat=(none)"},
        {"folder not entered to show",
         "run=-g,gone,show|?exit=1 can't open subdirectory \"gone\" !\n"},
        {"config not written",
         "remove:dvbase/kelvrin.cfg|folder:dvbase/kelvrin.cfg|run=save|"
         "?exit=1 can't write \"kelvrin.cfg\"!\n|?file:kvr_dvbase.bat=(none)"},
        {"batch not written",
         "folder:kvr_dvbase.bat|run=save|?exit=1 can't write \"kvr_dvbase.bat\"!\n" + stored},
        {"script not written",
         "folder:dvbase/kelvrin.scriptcfg|run=cycle,a.map|"
         "?exit=1 can't write \"kelvrin.scriptcfg\" !\n"},
    };
    RunScenarios<CliScenario>(rows);
}

// Refused before anything is read or written: the files are found untouched afterwards.
TEST(KelvrinCli, RefusesBadInputAndWritesNothing) {
    const std::string longName(100, 'n');
    const char* const text =
        ": allowed is a text of at most 99 Latin-1 characters without double quotes or control "
        "characters";
    const struct {
        const char* name;
        std::string arguments;  // separated by ","
        std::string refusal;
    } rows[] = {
        {"unknown command", "sav",
         "unknown command 'sav' (allowed: folders, show, set, save, start, maps or cycle)"},
        {"unknown option", "save,-f",
         "unknown option '-f' (allowed: -C DIR, -g FOLDER, --help, --version, and --show after "
         "cycle)"},
        {"unknown name", "set,si_nam=x",
         "'si_nam': no such setting (allowed: the names that show prints)"},
        {"folder path", "-g,dvbase/mp,save",
         "-g 'dvbase/mp': allowed is the name of a folder in the start directory"},
        {"quote", "set,si_name=a\"b", std::string("si_name=a\"b") + text},
        {"100 characters", "set,g_password=" + longName, "g_password=" + longName + text},
        {"number", "set,si_fragLimit=-3",
         "si_fragLimit=-3: allowed is a whole number of digits only, 0 to 2147483647"},
        {"switch", "set,logFile=yes", "logFile=yes: allowed is 0, 1, on or off"},
        {"speed", "set,gui_configServerRate=6",
         "gui_configServerRate=6: allowed is a position 0 to 5, or 128 kbs, 265 kbs, 384 kbs, 512 "
         "kbs, 768 kbs or LAN"},
        {"client rate", "set,net_serverMaxClientRate=16500",
         "net_serverMaxClientRate=16500: allowed is a position 0 to 9, or a rate 16000, 17000, ... "
         "25000"},
        {"good and bad", "set,si_name=New,si_maxPlayers=5",
         "si_maxPlayers=5: allowed is an even number from 2 to 16"},
        {"game type", "set,si_gameType=Deathmatch",
         "si_gameType=Deathmatch: allowed is DM, Team DM, CTF, Arena CTF or Tourney, in any letter "
         "case"},
        {"map name", "cycle,a;b",
         "'a;b': allowed is a map name of 1 to 99 characters without ';', double quotes or control "
         "characters"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CliScenario cli;
        cli.Run("run=" + row.arguments + "|?exit=2 kelvrin-cli: " + row.refusal +
                "\n|?file:kvr_dvbase.bat=(none)|?file:dvbase/kelvrin.scriptcfg=(none)|"
                "?file:dvbase/kelvrin.cfg=" +
                kStored);
    }
}

// For one set of settings, set writes the config that the window's Save Config writes (the batch
// files of both are compared with their text in the rows above and the window's own tests).
TEST(KelvrinCli, SetWritesWhatTheWindowsSaveConfigWrites) {
    CliScenario cli;
    cli.Run(
        "open|type:Server Name=Caf\xe9|pick:Game Type=Team DM|pick:Speed=384 kbs|"
        "pick:max.Players=6|click:pure LAN Server|click:Save Config");
    const std::string config = cli.installation.ReadFile("dvbase/kelvrin.cfg");
    cli.Run("file:dvbase/kelvrin.cfg=" + kStored +
            "|run=set,si_name=Caf\xc3\xa9,si_gameType=Team DM,gui_configServerRate=2,"
            "si_maxPlayers=6,net_LANServer=0|?exit=0 " +
            kSaved + "|?file:dvbase/kelvrin.cfg=" + config);
}

}  // namespace
}  // namespace kelvrin::testing
