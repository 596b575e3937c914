// kelvrin.cfg: the text the store composes and how the reader takes a text back.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/ConfigReader.h"
#include "settings/ConfigWriter.h"
#include "tests/support/Recorders.h"
#include "tests/support/SettingsByName.h"
#include "tests/support/Steps.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

// The defaults give the thirty-six lines; a text that does not fit the capacity (with the
// terminating zero of the original buffer) is no text, and the operator is told.
TEST(ComposeServerConfig, DefaultsFillTheCapacityOrOverflow) {
    std::string defaults = TestData("default-kelvrin.cfg");
    std::erase(defaults, '\r');  // the file has CR LF where the text has LF
    // The file is the window's, which found no map-cycle script.
    const struct {
        const char* name;
        std::size_t capacity;
        std::string text;
    } rows[] = {
        {"the file's capacity", kConfigCapacity, defaults},
        {"just enough", defaults.size() + 1, defaults},
        {"one short", defaults.size(), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ServerSettings settings;
        settings.si_mapCycle = 0;
        EXPECT_EQ(ComposeServerConfig(settings, row.capacity).value_or(""), row.text);
    }
}

// Each row changes the defaults ("name=value", joined by "|") and names a stretch the text must
// hold and one it must not.
TEST(ComposeServerConfig, LinesFollowTheStore) {
    const std::string log =
        "set logFile \"1\"\nset net_serverAllowServerMod \"0\"\n"
        "set logFileName \"kelvrin.log\"\n//set";
    const std::string masters =
        "set g_mapcycle \"\"\nset sv_master1  \"master.dravek.example.org\"\n"
        "set sv_master3  \"3\"\nspawn";
    const std::string end = "set g_mapcycle \"\"\nspawnserver\n";
    const std::string a199(199, 'a');
    const std::string teams =
        "set net_serverDedicated \"1\"\nset si_warmup \"0\"\nset si_pure \"0\"\n";
    const std::string noTeams =
        "set si_teamDamage \"0\"\n" + teams +
        "set si_shuffle \"0\"\nset si_spectators \"1\"\nset si_autobalance \"0\"\n";
    const std::string keptTeams =
        "set si_teamDamage \"1\"\n" + teams +
        "set si_shuffle \"1\"\nset si_spectators \"1\"\nset si_autobalance \"1\"\n";
    const std::string teamSwitches = "|si_teamDamage=1|si_shuffle=1|si_autobalance=1";
    const struct {
        const char* name;
        std::string changes;
        std::string present;
        std::string absent;
    } rows[] = {
        {"blank password", "g_password= ", "set g_password \" \"\n", "si_usePass \"0\""},
        {"password", "g_password=p", "set si_usePass \"1\"\nset si_map", "si_usePass \"0\""},
        {"log file", "logFile=1", log, "\"0\"\n//"},
        {"log file 2", "logFile=2", log, "\"2\""},
        {"negative", "si_fragLimit=-3", "set si_fragLimit \"-3\"\n", "\"20\""},
        {"switch 2", "si_pure=2", "set si_pure \"1\"\n", "\"2\""},
        {"cycle 2", "si_mapCycle=2", "//set si_mapCycle \"1\"\n", "\"2\""},
        {"no cycle", "si_mapCycle=0", "//set si_mapCycle \"0\"\n", "\nset si_mapCycle"},
        {"quote in a name", "si_name=a\"b", "set si_name \"a\"b\"\n", "Hollowmere"},
        {"game type", "gameTypeIndex=3", "set si_gameType \"Arena CTF\"\n", "\"DM\""},
        {"game type too high", "gameTypeIndex=5", "set si_gameType \"DM\"\n", "\"\"\nset si_max"},
        {"game type below 0", "gameTypeIndex=-1", "set si_gameType \"DM\"\n", "\"\"\nset si_max"},
        {"199 characters", "si_name=" + a199 + "bc", "set si_name \"" + a199 + "\"\n", "ab"},
        {"LAN: no masters", "sv_master2=two", end, "sv_master"},
        {"internet: masters", "net_LANServer=0|sv_master3=3", masters, "sv_master2"},
        {"empty masters left out", "net_LANServer=0|sv_master1=", end, "sv_master"},
        {"Tourney has no teams", "gameTypeIndex=4" + teamSwitches, noTeams, "si_shuffle \"1\""},
        {"Team DM keeps them", "gameTypeIndex=1" + teamSwitches, keptTeams, "si_teamDamage \"0\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ServerSettings settings;
        for (const std::string& change : Split(row.changes, '|')) {
            const std::size_t equals = change.find('=');
            Assign(settings, change.substr(0, equals), change.substr(equals + 1));
        }
        const std::string text = ComposeServerConfig(settings).value_or("");
        EXPECT_NE(text.find(row.present), std::string::npos) << text;
        EXPECT_EQ(text.find(row.absent), std::string::npos) << text;
    }
}

// Each row reads a text into a fresh store (si_gameType "CTF" before) and names a setting and the
// value it must hold afterwards.
TEST(ReadServerConfig, FollowsTheMatchingRules) {
    const struct {
        const char* name;
        std::string text;
        const char* setting;
        std::string value;
    } rows[] = {
        {"the first wins", "set si_name \"one\"\nset si_name \"two\"\n", "si_name", "one"},
        {"in a comment", "// si_name \"commented\"\n", "si_name", "commented"},
        {"no set", "si_name = whatever \"bare\"", "si_name", "bare"},
        {"no closing quote", "set si_name \"open\nrest", "si_name", "open\nrest"},
        {"the next quote on", "set si_name\nset other \"x\"", "si_name", "x"},
        {"letter case counts", "set SI_NAME \"upper\"", "si_name", "Hollowmere"},
        {"start map", "set si_mapCycle \"1\"\nset si_map \"mp/dvctf2\"", "si_map", "mp/dvctf2"},
        {"start map not the cycle", "set si_mapcycle \"mp/x\"", "si_map", "mp/dvdm1"},
        {"empty keeps", "set si_name \"\"", "si_name", "Hollowmere"},
        {"nothing after the quote", "set si_name \"", "si_name", "Hollowmere"},
        {"cut to 99", "set si_name \"" + std::string(120, 'n') + "\"", "si_name",
         std::string(99, 'n')},
        {"blanks stay", "set si_name \" spaced \"", "si_name", " spaced "},
        {"number begins the value", "set si_fragLimit \" 35 frags\"", "si_fragLimit", "35"},
        {"switch 2", "set si_pure \"2\"", "si_pure", "2"},
        {"negative", "set si_timeLimit \"-4\"", "si_timeLimit", "-4"},
        {"no number", "set si_captureLimit \"none\"", "si_captureLimit", "0"},
        // si_pure is found inside the server name; its value runs from the name's closing quote.
        {"a name inside a value", "set si_name \"si_pure fans\"\nset si_pure \"1\"\n", "si_pure",
         "0"},
        {"tab and plus", "set si_countDown \"\t+7\"", "si_countDown", "7"},
        {"sign apart", "set si_countDown \"- 3\"", "si_countDown", "0"},
        {"too big", "set si_fragLimit \"99999999999\"", "si_fragLimit", "2147483647"},
        {"too small", "set si_fragLimit \"-99999999999\"", "si_fragLimit", "-2147483648"},
        {"missing number", "set si_name \"Only\"", "si_maxPlayers", "0"},
        {"missing switch", "set si_name \"Only\"", "net_LANServer", "0"},
        {"Team DM", "set si_gameType \"Team DM\"", "gameTypeIndex", "1"},
        {"Tourney", "set si_gameType \"Tourney\"", "gameTypeIndex", "4"},
        {"game type's case counts", "set si_gameType \"team dm\"", "gameTypeIndex", "0"},
        {"game type as held", "set si_name \"x\"", "gameTypeIndex", "2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ServerSettings settings;
        settings.si_gameType = "CTF";
        settings.gameTypeIndex = 3;
        ReadServerConfig(settings, row.text);
        EXPECT_EQ(ValueOf(settings, row.setting), row.value);
    }
}

}  // namespace
}  // namespace kelvrin::testing
