// kelvrin-cli run in-process over real files: what it prints, its exit code and what the start
// directory holds afterwards. Each row is one invocation in a fresh start directory whose dvbase
// holds kStored.
#include <gtest/gtest.h>

#include <source_location>
#include <sstream>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "tests/support/Scene.h"
#include "tests/support/Standing.h"

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

// Lines of the operator's own, which a save keeps before spawnserver: some before Kelvrin's,
// some beyond the 5000 characters the settings are read from.
const std::string kOwnLines = "// the second server's port\r\nset net_port \"27961\"\r\n";
const std::string kLateLines = "// " + std::string(6000, 'x') + "\r\nexec late.cfg\r\n";

std::string WithOwnLines(const std::string& config) {
    const std::size_t spawn = config.rfind("spawnserver");
    return config.substr(0, spawn) + kOwnLines + kLateLines + config.substr(spawn);
}
const char* const kSaved =
    "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written\n";
const char* const kEndedServer =
    "process=999999999\nidentity=1\nsince=0\ncommand=dravekDed.exe x\n";
const char* const kBatch = "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n";
const char* const kGameMaps =
    "dvdm1.map\ndvdm2.map\ndvdm3.map\ndvdm4.map\ndvdm5.map\ndvdm6.map\ndvdm7.map\ndvdm8.map\n"
    "dvdm11v1.map\ndvctf1.map\ndvctf2.map\ndvctf3.map\ndvctf4.map\n";
const char* const kText =
    ": allowed is a text of at most 99 Latin-1 characters without double quotes or control "
    "characters";
const std::string kCommandNames =
    "folders, show, set, save, start, status, stop, maps, cycle or help";
const std::string g32(32, 'g');  // one byte more than a game folder's name may hold
const std::string w100 = std::string(96, 'w') + ".map";
// The system's own words for the reasons the failing rows meet (on Windows as Wine has them).
#ifdef _WIN32
const std::string kNoSuchFile = "File not found", kIsADirectory = "Access denied";
#else
const std::string kNoSuchFile = "No such file or directory", kIsADirectory = "Is a directory";
#endif

// Nothing written: the files of the start directory as they stood.
const std::vector<FileIs> kUnwritten = {{"dvbase/kelvrin.cfg", kStored},
                                        {"kvr_dvbase.bat", std::nullopt},
                                        {"dvbase/kelvrin.scriptcfg", std::nullopt}};

struct Invocation : Named {
    std::vector<Standing> standing;
    std::vector<std::string> arguments;
    int code;
    std::string printed;  // on standard output with code 0 (or status's 3), else on standard error
    std::vector<FileIs> files;
    std::source_location where;
};

// A row, which remembers where it stands so that a failure names its line.
Invocation Row(std::string name, std::vector<Standing> standing, std::vector<std::string> arguments,
               int code, std::string printed, std::vector<FileIs> files = {},
               std::source_location where = std::source_location::current()) {
    return {std::move(name),
            std::move(standing),
            std::move(arguments),
            code,
            std::move(printed),
            std::move(files),
            where};
}

class KelvrinCli : public ::testing::TestWithParam<Invocation> {};

TEST_P(KelvrinCli, PrintsExitsAndWrites) {
    const Invocation& row = GetParam();
    SCOPED_TRACE(::testing::Message() << row.where.file_name() << ":" << row.where.line());
    TempInstallation install;
    install.WriteFile("dvbase/kelvrin.cfg", kStored);
    for (const Standing& standing : row.standing) standing(install);
    std::vector<std::string> arguments{"kelvrin-cli"};
    arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(arguments, out, err);
    EXPECT_EQ(code, row.code);
    const bool printsOut = code == 0 || code == 3;
    EXPECT_EQ((printsOut ? out : err).str(), row.printed);
    EXPECT_EQ((printsOut ? err : out).str(), "");
    for (const FileIs& file : row.files) EXPECT_EQ(BytesOf(install, file.path), file.bytes);
}

const Invocation kCommands[] = {
    // Letter case ignored, bytes above 127 first, a name that starts another before it (also
    // beyond the eighth and the twelfth byte); hidden folders and plain files are none.
    Row("folders",
        {Folder("zeta"), Folder("MAPSFORALL2"), Folder("mapsforall"), Folder("mapsforal"),
         Folder("night_rotation_dz"), Folder("night_rotation_day1"), Folder("night_rotation_day"),
         Folder("_x"), Folder("\xc3\xa9t\xc3\xa9"), Folder(".hidden"), File("plainfile", "")},
        {"folders"}, 0,
        "\xc3\xa9t\xc3\xa9\n_x\ndvbase\nmapsforal\nMAPSFORALL2\nmapsforall\nnight_rotation_day1\n"
        "night_rotation_day\nnight_rotation_dz\nzeta\n"),
#ifndef _WIN32  // "A" is "a" there
    Row("folders equal but for case",
        {Folder("b"), Folder("B"), Folder("a"), Folder("A"), Folder("LONGNAME_b"),
         Folder("longname_B")},
        {"folders"}, 0, "A\na\nB\nb\ndvbase\nLONGNAME_b\nlongname_B\n"),
#endif
    Row("a deep -C", {Folder("d/" + g32 + "/" + g32 + "/b")},
        {"-C", "d/" + g32 + "/" + g32, "folders"}, 0, "b\n"),
    Row("show",
        {File("dvbase/kelvrin.cfg", Config({"set si_maxPlayers \"5\"", "set logFile \"2\"",
                                            "set si_name \"Caf\xe9\"", "set si_gameType \"CTF\""}) +
                                        "seta r_mode \"3\"\r\n// si_name \"x\"\r\n")},
        {"show"}, 0, TestData("show.txt")),
    // CR LF counts as one character, so the name's "A" is the 5000th character read; options
    // may follow the command.
    Row("show names, of 5000 characters",
        {File("dvbase/kelvrin.cfg",
              "\r\n" + std::string(4989, ' ') + "si_name \"AB\"\r\nset si_fragLimit \"9\"\r\n")},
        {"show", "si_fragLimit", "-g", "DVBASE", "si_name"}, 0, "si_fragLimit=0\nsi_name=A\n"),
    Row("set", {},
        {"set", "si_name=Caf\xc3\xa9", "si_gameType=team dm", "gui_configServerRate=384 kbs",
         "si_minPlayers=8", "si_maxPlayers=6", "net_serverMaxClientRate=25000",
         "net_LANServer=off"},
        0, kSaved,
        {{"dvbase/kelvrin.cfg", TestData("set-kelvrin.cfg")}, {"kvr_dvbase.bat", kBatch}}),
    Row("set takes back what show printed",
        {File("dvbase/kelvrin.cfg", Config({"set gui_configServerRate \"-1\""}))},
        {"set", "gui_configServerRate=-1", "si_name=Hollowmere"}, 0, kSaved,
        {{"dvbase/kelvrin.cfg", Config({"set gui_configServerRate \"-1\""})}}),
    // A hand-made second line of a setting of Kelvrin's is not kept.
    Row("set keeps the operator's lines",
        {File("dvbase/kelvrin.cfg",
              kOwnLines + kStored + "set si_name \"Twice\"\r\n" + kLateLines)},
        {"set", "si_name=New"}, 0, kSaved,
        {{"dvbase/kelvrin.cfg", WithOwnLines(Config({"set si_name \"New\""}))}}),
    Row("save", {}, {"save"}, 0, kSaved,
        {{"kvr_dvbase.bat", kBatch}, {"dvbase/kelvrin.cfg", kStored}}),
    Row("save, a map cycle, not dedicated",
        {File("my mod/kelvrin.cfg", "set net_serverDedicated \"0\"\r\n//set si_mapCycle \"1\"\r\n"),
         File("my mod/kelvrin.scriptcfg", "set si_mapcycle \"mp/a\"\r\n")},
        {"-g", "my mod", "save"}, 0,
        "Config file \"kelvrin.cfg\" and batch file \"kvr_my mod.bat\" written\n",
        {{"kvr_my mod.bat",
          "dravek.exe +set fs_game my mod +exec kelvrin.scriptcfg +exec kelvrin.cfg"}}),
    // Names the script could not carry back are not offered; the game's own maps come first.
    Row("maps",
        {Folder("dvbase/mp/folder.map"), File("dvbase/mp/zz.map", ""),
         File("dvbase/mp/Beta.MAP", ""), File("dvbase/mp/alpha.map", ""),
         File("dvbase/mp/dvdm1.map", ""), File("dvbase/mp/notes.txt", ""),
         File("dvbase/mp/caf\xc3\xa9.map", ""), File("dvbase/mp/semi;colon.map", ""),
         File("dvbase/mp/del\x7f.map", ""),
#ifndef _WIN32  // names Windows cannot hold
         File("dvbase/mp/dou\"ble.map", ""), File("dvbase/mp/tab\there.map", ""),
#endif
         File("dvbase/mp/" + w100, ""), File("dvbase/mp/w" + w100, "")},
        {"maps"}, 0,
        kGameMaps + std::string("alpha.map\nBeta.MAP\ncaf\xc3\xa9.map\ndvdm1.map\n") + w100 +
            "\nzz.map\n"),
    Row("maps, too long a path", {File(std::string(29, 'g') + "/mp/a.map", "")},
        {"-g", std::string(29, 'g'), "maps"}, 0, kGameMaps),
    // The longest name maps offers is taken too.
    Row("cycle", {}, {"cycle", "dvdm3.map", w100}, 0, "",
        {{"dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm3.map;mp/" + w100 + "\"\r\n"}}),
    Row("no game", {}, {"start"}, 1,
        "kelvrin-cli: can't start \"dravekDed.exe\": " + kNoSuchFile + "\n",
        {{"dvbase/kelvrin.cfg", kStored}}),
    Row("folder not entered", {Folder(g32)}, {"-g", g32, "save"}, 1,
        "kelvrin-cli: can't change to subdirectory \"" + g32 + "\": File name too long\n",
        {{"kvr_" + g32 + ".bat", std::nullopt}}),
    Row("folder not entered to show", {Folder(g32)}, {"show", "-g", g32}, 1,
        "kelvrin-cli: can't open subdirectory \"" + g32 + "\" !: File name too long\n"),
    Row("config not written", {Removed("dvbase/kelvrin.cfg"), Folder("dvbase/kelvrin.cfg")},
        {"save"}, 1, "kelvrin-cli: can't write \"kelvrin.cfg\"!: " + kIsADirectory + "\n",
        {{"kvr_dvbase.bat", std::nullopt}}),
    Row("batch not written", {Folder("kvr_dvbase.bat")}, {"save"}, 1,
        "kelvrin-cli: can't write \"kvr_dvbase.bat\"!: " + kIsADirectory + "\n",
        {{"dvbase/kelvrin.cfg", kStored}}),
#ifndef _WIN32  // a name Windows cannot hold
    // A line break in the folder's name would add a command of its own to the batch file.
    Row("batch refused for a line break", {Folder("x\r\r\ndel kelvrin.cfg")},
        {"-g", "x\r\r\ndel kelvrin.cfg", "save"}, 1,
        "kelvrin-cli: can't write \"kvr_x\\r\\r\\ndel kelvrin.cfg.bat\"!: the game folder's name "
        "holds a control character\n",
        {{"kvr_x\r\r\ndel kelvrin.cfg.bat", std::nullopt},
         {"x\r\r\ndel kelvrin.cfg/kelvrin.cfg", kStored}}),
#endif
    // A dry run ends as the command would, writing nothing.
    Row("dry run, config not written",
        {Removed("dvbase/kelvrin.cfg"), Folder("dvbase/kelvrin.cfg")}, {"save", "--dry-run"}, 1,
        "kelvrin-cli: can't write \"kelvrin.cfg\"!: " + kIsADirectory + "\n",
        {{"kvr_dvbase.bat", std::nullopt}}),
    Row("cycle, dry run", {}, {"cycle", "--dry-run", "dvdm3.map"}, 0,
        "set si_mapcycle \"mp/dvdm3.map\"\r\n", {{"dvbase/kelvrin.scriptcfg", std::nullopt}}),
#ifndef _WIN32  // kelvrin-cli.exe follows no server it started
    // What start recorded; a process id beyond any the system gives has surely ended. How real
    // servers start, run and stop is checked with real processes (server-life.sh).
    Row("status, nothing recorded", {}, {"status"}, 3,
        "not running: no server is recorded in game folder 'dvbase'\n"),
    Row("status, a server that ended", {File("dvbase/kelvrin.server", kEndedServer)}, {"status"}, 3,
        "not running: dravekDed.exe x (process 999999999) has ended\n"),
    Row("stop, a server that ended", {File("dvbase/kelvrin.server", kEndedServer)}, {"stop"}, 0,
        "not running\n", {{"dvbase/kelvrin.server", std::nullopt}}),
#endif
    Row("script not written", {Folder("dvbase/kelvrin.scriptcfg")}, {"cycle", "a.map"}, 1,
        "kelvrin-cli: can't write \"kelvrin.scriptcfg\" !: " + kIsADirectory + "\n"),
};
INSTANTIATE_TEST_SUITE_P(Commands, KelvrinCli, ::testing::ValuesIn(kCommands), RowName());

// How cycle --show reads the script's list.
Invocation CycleShown(std::string name, std::string script, std::string printed,
                      std::source_location where = std::source_location::current()) {
    return Row(std::move(name), {File("dvbase/kelvrin.scriptcfg", std::move(script))},
               {"cycle", "--show"}, 0, std::move(printed), {}, where);
}

const Invocation kCycles[] = {
    CycleShown("the list", "set si_mapcycle \"mp/a;mp/b.map\"\r\n", "a\nb.map\n"),
    CycleShown("no quote", "set si_mapcycle mp/a", ""),
    CycleShown("empty entries", "x \";;mp/b.map;\"", "b.map\n"),
    CycleShown("no closing quote", "x \"mp/a;mp/b;mp/c", "a\nb\n"),
    CycleShown("the first quoted part", "x \"mp/a\" \"mp/b\"", "a\n"),
    CycleShown("100 characters", "x \"mp/" + std::string(110, 'L') + ";mp/b\"",
               std::string(100, 'L') + "\nb\n"),
    // Entries holding a control character are left out; CR LF is read as LF, itself one.
    CycleShown(
        "control characters",
        "x \"mp/n" + std::string(1, '\0') + "ul;mp/a;mp/c\x01;mp/d\x7f;mp/b;mp/line\r\nend\"",
        "a\nb\n"),
};
INSTANTIATE_TEST_SUITE_P(CycleShow, KelvrinCli, ::testing::ValuesIn(kCycles), RowName());

// Refused before anything is read or written: the files are found untouched afterwards.
Invocation Refused(std::string name, std::vector<std::string> arguments, std::string refusal,
                   std::vector<Standing> standing = {},
                   std::source_location where = std::source_location::current()) {
    return Row(std::move(name), std::move(standing), std::move(arguments), 2,
               "kelvrin-cli: " + refusal + "\n", kUnwritten, where);
}

const Invocation kRefusals[] = {
    Refused("no command", {},
            "no command given (allowed: " + kCommandNames + "); try 'kelvrin-cli --help'"),
    Refused("unknown command", {"sav"},
            "unknown command 'sav' (allowed: " + kCommandNames + "); did you mean save?"),
    Refused("unknown option", {"save", "-f"},
            "unknown option '-f' (allowed: -C DIR, -g FOLDER, -h, --help, --version, --dry-run)"),
    Refused("an option of another command", {"folders", "--show"},
            "unknown option '--show' (allowed: -C DIR, -g FOLDER, -h, --help, --version)"),
    Refused("a misspelt option after the command", {"cycle", "--shwo"},
            "unknown option '--shwo' (allowed: -C DIR, -g FOLDER, -h, --help, --version, "
            "--show, --dry-run); did you mean --show?"),
    Refused("unknown name", {"set", "si_nam=x"},
            "'si_nam': no such setting (allowed: the names that show prints); did you mean "
            "si_name?"),
    Refused("a value to show", {"show", "si_name=Foo"},
            "'si_name=Foo': show takes names; set takes NAME=VALUE"),
    Refused("no such folder", {"-g", "dvbse", "save"},
            "-g 'dvbse': no such game folder (allowed: dvbase or mods); did you mean dvbase?",
            {Folder("mods")}),
    Refused("folder path", {"-g", "dvbase/mp", "save"},
            "-g 'dvbase/mp': allowed is the name of a folder in the start directory"),
    Refused("no such directory", {"-C", "none", "show"}, "-C 'none': no such directory"),
    Refused("quote", {"set", "si_name=a\"b"}, std::string("'si_name=a\"b'") + kText),
    Refused("a line break, one line", {"set", "si_name=a\nb"},
            std::string("'si_name=a\\nb'") + kText),
    Refused("100 characters", {"set", "g_password=" + std::string(100, 'n')},
            "'g_password=" + std::string(100, 'n') + "'" + kText),
    Refused("number", {"set", "si_fragLimit=-3"},
            "'si_fragLimit=-3': allowed is a whole number of digits only, 0 to 2147483647"),
    Refused("switch", {"set", "logFile=yes"}, "'logFile=yes': allowed is 0, 1, on or off"),
    Refused("speed", {"set", "gui_configServerRate=6"},
            "'gui_configServerRate=6': allowed is a position 0 to 5, or 128 kbs, 265 kbs, 384 kbs, "
            "512 kbs, 768 kbs or LAN"),
    Refused("client rate", {"set", "net_serverMaxClientRate=16500"},
            "'net_serverMaxClientRate=16500': allowed is a position 0 to 9, or 16000, 17000, "
            "18000, 19000, 20000, 21000, 22000, 23000, 24000 or 25000"),
    Refused("good and bad", {"set", "si_name=New", "si_maxPlayers=5"},
            "'si_maxPlayers=5': allowed is an even number from 2 to 16"),
    Refused("game type", {"set", "si_gameType=Deathmatch"},
            "'si_gameType=Deathmatch': allowed is DM, Team DM, CTF, Arena CTF or Tourney, in any "
            "letter case"),
    Refused("a time-out not in seconds", {"stop", "--timeout=1m"},
            "'--timeout=1m': allowed is --timeout=SECONDS, 0 to 3600"),
    Refused("foreground and restart", {"start", "--foreground", "--restart"},
            "start: --foreground and --restart exclude each other"),
    Refused("map name", {"cycle", "a;b"},
            "'a;b': allowed is a map name of 1 to 100 characters without ';', double quotes or "
            "control characters"),
    Refused("map name of 101 characters", {"cycle", "w" + w100},
            "'w" + w100 +
                "': allowed is a map name of 1 to 100 characters without ';', double quotes or "
                "control characters"),
};
INSTANTIATE_TEST_SUITE_P(Refusals, KelvrinCli, ::testing::ValuesIn(kRefusals), RowName());

// -h, --help and help alike; a command's own help, set's with every setting.
const Invocation kHelp[] = {
    Row("-h", {}, {"-h"}, 0, TestData("cli-help.txt")),
    Row("--help", {}, {"--help"}, 0, TestData("cli-help.txt")),
    Row("help", {}, {"help"}, 0, TestData("cli-help.txt")),
    Row("set --help", {}, {"set", "--help"}, 0, TestData("cli-set-help.txt")),
    Row("help set", {}, {"help", "set"}, 0, TestData("cli-set-help.txt")),
    Row("cycle -h", {}, {"cycle", "-h", "a;b"}, 0,
        "Usage: kelvrin-cli [-C DIR] [-g FOLDER] cycle MAP... [--dry-run] | --show\n"
        "Writes the map cycle kelvrin.scriptcfg, as OK in the map dialog does; the first\n"
        "map is the start map (set si_map= puts it into kelvrin.cfg). A map name holds 1\n"
        "to 100 characters, no ';', double quote or control character. With --show,\n"
        "prints the cycle as it is written, one map a line; with --dry-run, the bytes it\n"
        "would write, and writes nothing.\n"),
    Row("--version", {}, {"show", "--version"}, 0, "kelvrin-cli 0.22\n"),
};
INSTANTIATE_TEST_SUITE_P(Help, KelvrinCli, ::testing::ValuesIn(kHelp), RowName());

// A dry run prints the bytes the command then writes, the operator's own lines kept; the batch
// file's after a line that names it.
TEST(KelvrinCliDryRun, PrintsWhatTheCommandWrites) {
    TempInstallation install;
    install.WriteFile("dvbase/kelvrin.cfg", kOwnLines + kStored + kLateLines);
    const std::vector<std::string> set{"kelvrin-cli", "set", "si_name=Dry", "logFile=on"};
    std::vector<std::string> dryRun = set;
    dryRun.push_back("--dry-run");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(dryRun, out, err), 0);
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.cfg"), kOwnLines + kStored + kLateLines);
    EXPECT_FALSE(install.Exists("kvr_dvbase.bat"));
    EXPECT_EQ(RunCli(set, err, err), 0);
    EXPECT_EQ(out.str(), install.ReadFile("dvbase/kelvrin.cfg") + "==> kvr_dvbase.bat <==\n" +
                             install.ReadFile("kvr_dvbase.bat"));
}

// For one set of settings, set writes the config that the window's Save Config writes.
TEST(KelvrinCliAndWindow, SetWritesWhatSaveConfigWrites) {
    using namespace mainwindow;
    Scene scene;
    for (const Step& step : {OpenMain(), Type(kServerName, "Caf\xe9"), Pick(kGameType, "Team DM"),
                             Pick(kSpeed, "384 kbs"), Pick(kMaxPlayers, "6"), Click(kPureLanServer),
                             Click(kSaveConfig)}) {
        step(scene);
    }
    const std::optional<std::string> windowWrote =
        BytesOf(scene.installation, "dvbase/kelvrin.cfg");
    scene.installation.WriteFile("dvbase/kelvrin.cfg", kStored);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"kelvrin-cli", "set", "si_name=Caf\xc3\xa9", "si_gameType=Team DM",
                      "gui_configServerRate=2", "si_maxPlayers=6", "net_LANServer=0"},
                     out, err),
              0);
    EXPECT_EQ(BytesOf(scene.installation, "dvbase/kelvrin.cfg"), windowWrote);
}

}  // namespace
}  // namespace kelvrin::testing
