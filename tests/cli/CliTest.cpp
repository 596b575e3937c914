// kelvrin-cli run in-process over real files: what it prints, its exit code and what the
// game folder holds afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

// A file's bytes; no bytes means a folder (in place of any file) before the run and no file at
// all after it.
struct File {
    std::string path;
    const char* bytes;
};

// What the window's Save Config writes with the defaults, after which the rows' lines replace
// the lines of the same setting.
const char* const kDefaultConfig =
    "set si_name \"Hollowmere\"\r\nset gui_configServerRate \"5\"\r\n"
    "set net_serverRemoteConsolePassword \"\"\r\nset si_gameType \"DM\"\r\n"
    "set si_maxPlayers \"16\"\r\nset si_minPlayers \"4\"\r\nset g_password \"\"\r\n"
    "set si_countDown \"0\"\r\nset si_tourneyLimit \"0\"\r\nset si_captureLimit \"5\"\r\n"
    "set si_fragLimit \"20\"\r\nset si_timeLimit \"10\"\r\nset net_serverClientTimeout \"60\"\r\n"
    "set net_serverMaxClientRate \"3\"\r\nset net_serverMaxUsercmdRelay \"3\"\r\n"
    "set net_serverZombieTimeout \"5\"\r\nset si_weaponStay \"0\"\r\nset si_useReady \"0\"\r\n"
    "set si_teamDamage \"0\"\r\nset net_serverDedicated \"1\"\r\nset si_warmup \"0\"\r\n"
    "set si_pure \"0\"\r\nset si_shuffle \"0\"\r\nset si_spectators \"1\"\r\n"
    "set si_autobalance \"0\"\r\nset sv_punkbuster \"0\"\r\nset si_allowHitscanTint \"0\"\r\n"
    "set si_allowVoting \"0\"\r\nset net_LANServer \"1\"\r\nset logFile \"0\"\r\n"
    "set net_serverAllowServerMod \"0\"\r\n//set si_mapCycle \"0\"\r\nset si_usePass \"0\"\r\n"
    "set si_map \"mp/dvdm1\"\r\nset g_mapcycle \"\"\r\nspawnserver\r\n";

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
const std::string kSetConfig =
    Config({"set si_name \"Caf\xe9\"", "set gui_configServerRate \"2\"",
            "set si_gameType \"Team DM\"", "set si_maxPlayers \"6\"", "set si_minPlayers \"6\"",
            "set net_serverMaxClientRate \"9\"", "set net_LANServer \"0\"",
            "set g_mapcycle \"\"\r\nset sv_master1  \"master.dravek.example.org\""});
const std::string kNegativeSpeed = Config({"set gui_configServerRate \"-1\""});
const char* const kSaved =
    "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written\n";
const char* const kBatch = "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n";
const File kNothingWritten[] = {{"dvbase/kelvrin.cfg", kStored.c_str()},
                                {"kvr_dvbase.bat", nullptr},
                                {"dvbase/kelvrin.scriptcfg", nullptr}};

TEST(KelvrinCli, RunsEachCommandAndRefusesBadInput) {
    const std::string longName(100, 'n');
    struct Row {
        const char* name;
        std::vector<File> before;
        std::vector<std::string> arguments;
        std::string out, err;
        int code;
        std::vector<File> after;
    };
    const Row rows[] = {
        {"folders",
         {{"Other", nullptr}, {".hidden", nullptr}},
         {"folders"},
         "dvbase\nOther\n",
         "",
         0,
         {}},
        {"-C", {{"inst/b", nullptr}}, {"-C", "inst", "folders"}, "b\n", "", 0, {}},
        {"show",
         {{"dvbase/kelvrin.cfg", kShown.c_str()}},
         {"show"},
         "si_name=Caf\xc3\xa9\ngui_configServerRate=5\nnet_serverRemoteConsolePassword=\n"
         "si_gameType=CTF\nsi_maxPlayers=4\nsi_minPlayers=4\ng_password=\nsi_countDown=0\n"
         "si_tourneyLimit=0\nsi_captureLimit=5\nsi_fragLimit=20\nsi_timeLimit=10\n"
         "net_serverClientTimeout=60\nnet_serverMaxClientRate=3\nnet_serverMaxUsercmdRelay=3\n"
         "net_serverZombieTimeout=5\nsi_weaponStay=0\nsi_useReady=0\nsi_teamDamage=0\n"
         "net_serverDedicated=1\nsi_warmup=0\nsi_pure=0\nsi_shuffle=0\nsi_spectators=1\n"
         "si_autobalance=0\nsv_punkbuster=0\nsi_allowHitscanTint=0\nsi_allowVoting=0\n"
         "net_LANServer=1\nlogFile=1\nnet_serverAllowServerMod=0\nsi_mapCycle=0\n"
         "si_map=mp/dvdm1\nsv_master1=master.dravek.example.org\nsv_master2=\nsv_master3=\n"
         "sv_master4=\nsv_master5=\n",
         "",
         0,
         {}},
        {"show names",
         {},
         {"-g", "DVBASE", "show", "si_map", "si_name"},
         "si_map=mp/dvdm1\nsi_name=Old\n",
         "",
         0,
         {}},
        {"set as the window's Save Config",
         {},
         {"set", "si_name=Caf\xc3\xa9", "si_gameType=team dm", "gui_configServerRate=384 kbs",
          "si_minPlayers=8", "si_maxPlayers=6", "net_serverMaxClientRate=25000",
          "net_LANServer=off"},
         kSaved,
         "",
         0,
         {{"dvbase/kelvrin.cfg", kSetConfig.c_str()}, {"kvr_dvbase.bat", kBatch}}},
        {"set takes back what show printed",
         {{"dvbase/kelvrin.cfg", kNegativeSpeed.c_str()}},
         {"set", "gui_configServerRate=-1", "si_name=Hollowmere"},
         kSaved,
         "",
         0,
         {{"dvbase/kelvrin.cfg", kNegativeSpeed.c_str()}}},
        {"save", {}, {"save"}, kSaved, "", 0, {{"kvr_dvbase.bat", kBatch}}},
        {"maps",
         {{"dvbase/mp/b.map", ""}, {"dvbase/mp/A.MAP", ""}, {"dvbase/mp/c.txt", ""}},
         {"maps"},
         "dvdm1.map\ndvdm2.map\ndvdm3.map\ndvdm4.map\ndvdm5.map\ndvdm6.map\ndvdm7.map\n"
         "dvdm8.map\ndvdm11v1.map\ndvctf1.map\ndvctf2.map\ndvctf3.map\ndvctf4.map\nA.MAP\nb.map\n",
         "",
         0,
         {}},
        {"cycle",
         {},
         {"cycle", "dvdm3.map", "b.map"},
         "",
         "",
         0,
         {{"dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm3.map;mp/b.map\"\r\n"}}},
        {"cycle --show",
         {{"dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/a;mp/b.map\"\r\n"}},
         {"cycle", "--show"},
         "a\nb.map\n",
         "",
         0,
         {}},
        {"no game",
         {},
         {"start"},
         "",
         "can't start \"dravekDed.exe\"\n",
         1,
         {{"dvbase/kelvrin.cfg", kStored.c_str()}}},
        {"folder not entered",
         {},
         {"-g", "gone", "save"},
         "",
         "can't change to subdirectory \"gone\"\n",
         1,
         {{"kvr_gone.bat", nullptr}}},
        {"folder not entered to show",
         {},
         {"-g", "gone", "show"},
         "",
         "can't open subdirectory \"gone\" !\n",
         1,
         {}},
        {"config not written",
         {{"dvbase/kelvrin.cfg", nullptr}},
         {"save"},
         "",
         "can't write \"kelvrin.cfg\"!\n",
         1,
         {{"kvr_dvbase.bat", nullptr}}},
        {"batch not written",
         {{"kvr_dvbase.bat", nullptr}},
         {"save"},
         "",
         "can't write \"kvr_dvbase.bat\"!\n",
         1,
         {{"dvbase/kelvrin.cfg", kStored.c_str()}}},
        {"script not written",
         {{"dvbase/kelvrin.scriptcfg", nullptr}},
         {"cycle", "a.map"},
         "",
         "can't write \"kelvrin.scriptcfg\" !\n",
         1,
         {}},
    };
    // Refused before anything is read or written: the files are found untouched afterwards.
    const struct {
        const char* name;
        std::string arguments;  // separated by "|"
        std::string refusal;
    } refused[] = {
        {"unknown command", "sav",
         "unknown command 'sav' (allowed: folders, show, set, save, start, maps or cycle)"},
        {"unknown option", "save|-f",
         "unknown option '-f' (allowed: -C DIR, -g FOLDER, --help, --version, and --show after "
         "cycle)"},
        {"unknown name", "set|si_nam=x",
         "'si_nam': no such setting (allowed: the names that show prints)"},
        {"folder path", "-g|dvbase/mp|save",
         "-g 'dvbase/mp': allowed is the name of a folder in the start directory"},
        {"quote", "set|si_name=a\"b",
         "si_name=a\"b: allowed is a text of at most 99 Latin-1 characters without double quotes "
         "or control characters"},
        {"100 characters", "set|g_password=" + longName,
         "g_password=" + longName +
             ": allowed is a text of at most 99 Latin-1 characters without double quotes or "
             "control characters"},
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
    std::vector<Row> all(std::begin(rows), std::end(rows));
    for (const auto& row : refused) {
        std::vector<std::string> arguments;
        for (std::size_t at = 0; at <= row.arguments.size();) {
            const std::size_t end = std::min(row.arguments.find('|', at), row.arguments.size());
            arguments.push_back(row.arguments.substr(at, end - at));
            at = end + 1;
        }
        all.push_back({row.name, {}, arguments, "", "kelvrin-cli: " + row.refusal + "\n", 2, {}});
    }
    for (const Row& row : all) {
        SCOPED_TRACE(row.name);
        const TempInstallation install;
        install.WriteFile("dvbase/kelvrin.cfg", kStored);
        for (const File& file : row.before) {
            std::filesystem::remove(install.PathOf(file.path));
            if (file.bytes == nullptr) install.MakeFolder(file.path);
            if (file.bytes != nullptr) install.WriteFile(file.path, file.bytes);
        }
        std::vector<std::string> arguments{"kelvrin-cli"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli(arguments, out, err), row.code);
        EXPECT_EQ(out.str(), row.out);
        EXPECT_EQ(err.str(), row.err);
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
        std::vector<File> after = row.after;
        if (row.code == 2)
            after.insert(after.end(), std::begin(kNothingWritten), std::end(kNothingWritten));
        for (const File& file : after) {
            SCOPED_TRACE(file.path);
            const bool isFile = std::filesystem::is_regular_file(install.PathOf(file.path));
            if (file.bytes == nullptr) {
                EXPECT_FALSE(isFile);
            } else {
                EXPECT_EQ(install.ReadFile(file.path), file.bytes);
            }
        }
    }
}

}  // namespace
}  // namespace kelvrin::testing
