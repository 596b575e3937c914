// kelvrin-cli run in-process over real files: what it prints, its exit code and what the
// game folder holds afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "tests/support/DialogScenario.h"

namespace kelvrin::testing {
namespace {

// A file's bytes; no bytes means a folder (in place of any file) before the run and no file at
// all after it.
struct File {
    std::string path;
    std::optional<std::string> bytes;
};
using Files = std::vector<File>;

// An expected file kept under tests/data, read before any test enters a folder of its own.
std::string Data(const std::string& name) {
    std::ifstream file(KELVRIN_TEST_DATA "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// What the window's Save Config writes with the defaults, after which the rows' lines replace
// the lines of the same setting.
const std::string kDefaultConfig = Data("default-kelvrin.cfg");

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

std::vector<std::string> Split(const std::string& joined) {
    std::vector<std::string> parts;
    std::istringstream in(joined);
    for (std::string part; std::getline(in, part, '|');) parts.push_back(part);
    return parts;
}

// Runs the program with the "|"-separated arguments; checks the exit code and what it printed,
// which goes to standard output on success and to standard error otherwise.
void ExpectRun(const std::string& arguments, int code, const std::string& printed) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(Split("kelvrin-cli|" + arguments), out, err), code);
    EXPECT_EQ(out.str(), code == 0 ? printed : "");
    EXPECT_EQ(err.str(), code == 0 ? "" : printed);
}

// "|"-separated paths of no file: each a folder before the run, and absent after it.
Files Absent(const std::string& paths) {
    Files files;
    for (const std::string& path : Split(paths)) files.push_back({path, std::nullopt});
    return files;
}

Files Holding(const std::string& path, const std::string& bytes) { return {{path, bytes}}; }

const char* const kSetArguments =
    "set|si_name=Caf\xc3\xa9|si_gameType=team dm|gui_configServerRate=384 kbs|si_minPlayers=8|"
    "si_maxPlayers=6|net_serverMaxClientRate=25000|net_LANServer=off";
const Files kSetFiles = {{"dvbase/kelvrin.cfg", Data("set-kelvrin.cfg")},
                         {"kvr_dvbase.bat", kBatch}};
const Files kModFolder = {
    {"my mod/kelvrin.cfg", "set net_serverDedicated \"0\"\r\n//set si_mapCycle \"1\"\r\n"},
    {"my mod/kelvrin.scriptcfg", "set si_mapcycle \"mp/a\"\r\n"}};
// Letter case ignored, bytes above 127 first, a name that starts another before it (also beyond
// the eighth and the sixteenth byte); hidden folders and plain files are no game folders.
const std::string kFolders =
    "zeta|MAPSFORALL2|mapsforall|mapsforal|night_rotation_dz|night_rotation_day1|"
    "night_rotation_day|_x|\xc3\xa9t\xc3\xa9|.hidden";
const char* const kFoldersOut =
    "\xc3\xa9t\xc3\xa9\n_x\ndvbase\nmapsforal\nMAPSFORALL2\nmapsforall\nnight_rotation_day1\n"
    "night_rotation_day\nnight_rotation_dz\nzeta\n";

// Entries holding a control character are left out; CR LF is read as LF, itself one.
const char* const kControls = "ul;mp/a;mp/c\x01;mp/d\x7f;mp/b;mp/line\r\nend\"";

Files Script(const std::string& bytes) { return Holding("dvbase/kelvrin.scriptcfg", bytes); }

TEST(KelvrinCli, RunsEachCommandAndReportsEachFailure) {
    std::string deep = "d";
    for (int level = 0; level < 12; ++level) deep += "/" + std::string(30, 'd');
    const std::string g29(29, 'g');  // with "/mp" the folder's name passes 31 bytes
    const std::string hundred = std::string(96, 'w') + ".map";
    Files maps = Absent("dvbase/mp/folder.map");
    // Names the script could not carry back are not offered.
    for (const std::string& name : std::vector<std::string>{
             "zz.map", "Beta.MAP", "alpha.map", "dvdm1.map", "notes.txt", "caf\xc3\xa9.map",
             "semi;colon.map", "del\x7f.map", hundred, "w" + hundred}) {
        maps.push_back({"dvbase/mp/" + name, ""});
    }
#ifndef _WIN32  // names Windows cannot hold
    maps.push_back({"dvbase/mp/dou\"ble.map", ""});
    maps.push_back({"dvbase/mp/tab\there.map", ""});
#endif
    const std::string defaultMaps =
        "dvdm1.map\ndvdm2.map\ndvdm3.map\ndvdm4.map\ndvdm5.map\ndvdm6.map\ndvdm7.map\n"
        "dvdm8.map\ndvdm11v1.map\ndvctf1.map\ndvctf2.map\ndvctf3.map\ndvctf4.map\n";
    const std::string mapsOut =
        defaultMaps + "alpha.map\nBeta.MAP\ncaf\xc3\xa9.map\ndvdm1.map\n" + hundred + "\nzz.map\n";
    const Files none;
    Files folders = Absent(kFolders);
    folders.push_back({"plainfile", ""});
    const struct {
        const char* name;
        Files before;
        std::string arguments;  // separated by "|"
        int code;
        std::string printed;
        Files after;
    } rows[] = {
        {"folders", folders, "folders", 0, kFoldersOut, none},
#ifndef _WIN32  // "A" is "a" there
        {"folders equal but for case", Absent("b|B|a|A|LONGNAME_b|longname_B"), "folders", 0,
         "A\na\nB\nb\ndvbase\nLONGNAME_b\nlongname_B\n", none},
#endif
        {"-C, a deep path", Absent(deep + "/b"), "-C|" + deep + "|folders", 0, "b\n", none},
        {"show", Holding("dvbase/kelvrin.cfg", kShown), "show", 0, Data("show.txt"), none},
        {"show names, of 5000 characters", Holding("dvbase/kelvrin.cfg", kLongConfig),
         "-g|DVBASE|show|si_fragLimit|si_name", 0, "si_fragLimit=0\nsi_name=A\n", none},
        {"set", none, kSetArguments, 0, kSaved, kSetFiles},
        {"set takes back what show printed", Holding("dvbase/kelvrin.cfg", kNegativeSpeed),
         "set|gui_configServerRate=-1|si_name=Hollowmere", 0, kSaved,
         Holding("dvbase/kelvrin.cfg", kNegativeSpeed)},
        {"save", none, "save", 0, kSaved, Holding("kvr_dvbase.bat", kBatch)},
        {"save, a map cycle, not dedicated", kModFolder, "-g|my mod|save", 0,
         "Config file \"kelvrin.cfg\" and batch file \"kvr_my mod.bat\" written\n",
         Holding("kvr_my mod.bat",
                 "dravek.exe +set fs_game my mod +exec kelvrin.scriptcfg +exec kelvrin.cfg")},
        {"maps", maps, "maps", 0, mapsOut, none},
        {"maps, too long a path", Holding(g29 + "/mp/a.map", ""), "-g|" + g29 + "|maps", 0,
         defaultMaps, none},
        {"cycle", none, "cycle|dvdm3.map|b.map", 0, "",
         Holding("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm3.map;mp/b.map\"\r\n")},
        {"cycle --show", Script("set si_mapcycle \"mp/a;mp/b.map\"\r\n"), "cycle|--show", 0,
         "a\nb.map\n", none},
        // How the script's list is read.
        {"no quote", Script("set si_mapcycle mp/a"), "cycle|--show", 0, "", none},
        {"empty entries", Script("x \";;mp/b.map;\""), "cycle|--show", 0, "b.map\n", none},
        {"no closing quote", Script("x \"mp/a;mp/b;mp/c"), "cycle|--show", 0, "a\nb\n", none},
        {"the first quoted part", Script("x \"mp/a\" \"mp/b\""), "cycle|--show", 0, "a\n", none},
        {"100 characters", Script("x \"mp/" + std::string(110, 'L') + ";mp/b\""), "cycle|--show", 0,
         std::string(100, 'L') + "\nb\n", none},
        {"control characters", Script(std::string("x \"mp/n") + '\0' + kControls), "cycle|--show",
         0, "a\nb\n", none},
        {"no game", none, "start", 1, "can't start \"dravekDed.exe\"\n",
         Holding("dvbase/kelvrin.cfg", kStored)},
        {"folder not entered", none, "-g|gone|save", 1, "can't change to subdirectory \"gone\"\n",
         Absent("kvr_gone.bat")},
        {"folder not entered to show", none, "-g|gone|show", 1,
         "can't open subdirectory \"gone\" !\n", none},
        {"config not written", Absent("dvbase/kelvrin.cfg"), "save", 1,
         "can't write \"kelvrin.cfg\"!\n", Absent("kvr_dvbase.bat")},
        {"batch not written", Absent("kvr_dvbase.bat"), "save", 1,
         "can't write \"kvr_dvbase.bat\"!\n", Holding("dvbase/kelvrin.cfg", kStored)},
        {"script not written", Absent("dvbase/kelvrin.scriptcfg"), "cycle|a.map", 1,
         "can't write \"kelvrin.scriptcfg\" !\n", none},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempInstallation install;
        install.WriteFile("dvbase/kelvrin.cfg", kStored);
        for (const File& file : row.before) {
            std::filesystem::remove(install.PathOf(file.path));
            if (!file.bytes) install.MakeFolder(file.path);
            if (file.bytes) install.WriteFile(file.path, *file.bytes);
        }
        ExpectRun(row.arguments, row.code, row.printed);
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
        for (const File& file : row.after) {
            SCOPED_TRACE(file.path);
            const bool isFile = std::filesystem::is_regular_file(install.PathOf(file.path));
            EXPECT_EQ(isFile ? std::optional(install.ReadFile(file.path)) : std::nullopt,
                      file.bytes);
        }
    }
}

// Refused before anything is read or written: the files are found untouched afterwards.
TEST(KelvrinCli, RefusesBadInputAndWritesNothing) {
    const std::string longName(100, 'n');
    const char* const text =
        ": allowed is a text of at most 99 Latin-1 characters without double quotes or control "
        "characters";
    const struct {
        const char* name;
        std::string arguments;  // separated by "|"
        std::string refusal;
    } rows[] = {
        {"unknown command", "sav",
         "unknown command 'sav' (allowed: folders, show, set, save, start, maps or cycle)"},
        {"unknown option", "save|-f",
         "unknown option '-f' (allowed: -C DIR, -g FOLDER, --help, --version, and --show after "
         "cycle)"},
        {"unknown name", "set|si_nam=x",
         "'si_nam': no such setting (allowed: the names that show prints)"},
        {"folder path", "-g|dvbase/mp|save",
         "-g 'dvbase/mp': allowed is the name of a folder in the start directory"},
        {"quote", "set|si_name=a\"b", std::string("si_name=a\"b") + text},
        {"100 characters", "set|g_password=" + longName, "g_password=" + longName + text},
        {"number", "set|si_fragLimit=-3",
         "si_fragLimit=-3: allowed is a whole number of digits only, 0 to 2147483647"},
        {"switch", "set|logFile=yes", "logFile=yes: allowed is 0, 1, on or off"},
        {"speed", "set|gui_configServerRate=6",
         "gui_configServerRate=6: allowed is a position 0 to 5, or 128 kbs, 265 kbs, 384 kbs, 512 "
         "kbs, 768 kbs or LAN"},
        {"client rate", "set|net_serverMaxClientRate=16500",
         "net_serverMaxClientRate=16500: allowed is a position 0 to 9, or a rate 16000, 17000, ... "
         "25000"},
        {"good and bad", "set|si_name=New|si_maxPlayers=5",
         "si_maxPlayers=5: allowed is an even number from 2 to 16"},
        {"game type", "set|si_gameType=Deathmatch",
         "si_gameType=Deathmatch: allowed is DM, Team DM, CTF, Arena CTF or Tourney, in any letter "
         "case"},
        {"map name", "cycle|a;b",
         "'a;b': allowed is a map name of 1 to 99 characters without ';', double quotes or control "
         "characters"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempInstallation install;
        install.WriteFile("dvbase/kelvrin.cfg", kStored);
        ExpectRun(row.arguments, 2, "kelvrin-cli: " + row.refusal + "\n");
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.cfg"), kStored);
        EXPECT_FALSE(install.Exists("kvr_dvbase.bat"));
        EXPECT_FALSE(install.Exists("dvbase/kelvrin.scriptcfg"));
    }
}

// For one set of settings, set writes the config that the window's Save Config writes (the batch
// files of both are compared with their text in the rows above and the window's own tests).
TEST(KelvrinCli, SetWritesWhatTheWindowsSaveConfigWrites) {
    DialogScenario main;
    main.installation.WriteFile("dvbase/kelvrin.cfg", kStored);
    main.Run(
        "open|type:Server Name=Caf\xe9|pick:Game Type=Team DM|pick:Speed=384 kbs|"
        "pick:max.Players=6|click:pure LAN Server|click:Save Config");
    const std::string config = main.installation.ReadFile("dvbase/kelvrin.cfg");
    main.installation.WriteFile("dvbase/kelvrin.cfg", kStored);
    ExpectRun(
        "set|si_name=Caf\xc3\xa9|si_gameType=Team DM|gui_configServerRate=2|si_maxPlayers=6|"
        "net_LANServer=0",
        0, kSaved);
    EXPECT_EQ(main.installation.ReadFile("dvbase/kelvrin.cfg"), config);
}

}  // namespace
}  // namespace kelvrin::testing
