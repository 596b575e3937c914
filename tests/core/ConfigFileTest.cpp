// kelvrin.cfg: the text the store composes and how the reader takes a text back.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/ConfigReader.h"
#include "settings/ConfigWriter.h"
#include "tests/support/Standing.h"

namespace kelvrin::testing {
namespace {

using S = ServerSettings;

// The defaults give the thirty-six lines; a text that does not fit the capacity (with the
// terminating zero of the original buffer) is no text.
struct Capacity : Named {
    std::optional<int> overText;  // the capacity past the text's length; none: the file's own
    bool fits;
};

class ComposedConfig : public ::testing::TestWithParam<Capacity> {};

TEST_P(ComposedConfig, FillsTheCapacityOrOverflows) {
    std::string defaults = TestData("default-kelvrin.cfg");
    std::erase(defaults, '\r');  // the file has CR LF where the text has LF
    // The file is the window's, which found no map-cycle script.
    ServerSettings settings;
    settings.si_mapCycle = 0;
    const std::optional<int> over = GetParam().overText;
    const std::size_t capacity = over ? defaults.size() + *over : kConfigCapacity;
    const std::optional<std::string> none;
    EXPECT_EQ(ComposeServerConfig(settings, capacity), GetParam().fits ? defaults : none);
}

const Capacity kCapacities[] = {
    {"the file's capacity", {}, true},
    {"just enough", 1, true},
    {"one short", 0, false},
};
INSTANTIATE_TEST_SUITE_P(Capacities, ComposedConfig, ::testing::ValuesIn(kCapacities), RowName());

// Each row changes the defaults and names a stretch the text must hold and one it must not.
struct Lines : Named {
    std::function<void(S&)> change;
    std::string present;
    std::string absent;
};

class ComposedLines : public ::testing::TestWithParam<Lines> {};

TEST_P(ComposedLines, FollowTheStore) {
    ServerSettings settings;
    GetParam().change(settings);
    const std::string text = ComposeServerConfig(settings).value_or("");
    EXPECT_NE(text.find(GetParam().present), std::string::npos) << text;
    EXPECT_EQ(text.find(GetParam().absent), std::string::npos) << text;
}

S& WithTeams(S& s) {
    s.si_teamDamage = s.si_shuffle = s.si_autobalance = 1;
    return s;
}

const std::string kLogLines =
    "set logFile \"1\"\nset net_serverAllowServerMod \"0\"\n"
    "set logFileName \"kelvrin.log\"\n//set";
const std::string kMasters =
    "set g_mapcycle \"\"\nset sv_master1  \"master.dravek.example.org\"\n"
    "set sv_master3  \"3\"\nspawn";
const std::string kEnd = "set g_mapcycle \"\"\nspawnserver\n";
const std::string kA199(199, 'a');
const std::string kTeams =
    "set net_serverDedicated \"1\"\nset si_warmup \"0\"\nset si_pure \"0\"\n";
const std::string kNoTeams =
    "set si_teamDamage \"0\"\n" + kTeams +
    "set si_shuffle \"0\"\nset si_spectators \"1\"\nset si_autobalance \"0\"\n";
const std::string kKeptTeams =
    "set si_teamDamage \"1\"\n" + kTeams +
    "set si_shuffle \"1\"\nset si_spectators \"1\"\nset si_autobalance \"1\"\n";
const Lines kLines[] = {
    {"blank password", [](S& s) { s.g_password = " "; }, "set g_password \" \"\n",
     "si_usePass \"0\""},
    {"password", [](S& s) { s.g_password = "p"; }, "set si_usePass \"1\"\nset si_map",
     "si_usePass \"0\""},
    {"log file", [](S& s) { s.logFile = 1; }, kLogLines, "\"0\"\n//"},
    {"log file 2", [](S& s) { s.logFile = 2; }, kLogLines, "\"2\""},
    {"negative", [](S& s) { s.si_fragLimit = -3; }, "set si_fragLimit \"-3\"\n", "\"20\""},
    {"switch 2", [](S& s) { s.si_pure = 2; }, "set si_pure \"1\"\n", "\"2\""},
    {"cycle 2", [](S& s) { s.si_mapCycle = 2; }, "//set si_mapCycle \"1\"\n", "\"2\""},
    {"no cycle", [](S& s) { s.si_mapCycle = 0; }, "//set si_mapCycle \"0\"\n", "\nset si_mapCycle"},
    {"quote in a name", [](S& s) { s.si_name = "a\"b"; }, "set si_name \"a\"b\"\n", "Hollowmere"},
    {"game type", [](S& s) { s.gameTypeIndex = 3; }, "set si_gameType \"Arena CTF\"\n", "\"DM\""},
    {"game type too high", [](S& s) { s.gameTypeIndex = 5; }, "set si_gameType \"DM\"\n",
     "\"\"\nset si_max"},
    {"game type below 0", [](S& s) { s.gameTypeIndex = -1; }, "set si_gameType \"DM\"\n",
     "\"\"\nset si_max"},
    {"199 characters", [](S& s) { s.si_name = kA199 + "bc"; }, "set si_name \"" + kA199 + "\"\n",
     "ab"},
    {"LAN: no masters", [](S& s) { s.sv_master2 = "two"; }, kEnd, "sv_master"},
    {"internet: masters", [](S& s) { s.net_LANServer = 0, s.sv_master3 = "3"; }, kMasters,
     "sv_master2"},
    {"empty masters left out", [](S& s) { s.net_LANServer = 0, s.sv_master1 = ""; }, kEnd,
     "sv_master"},
    {"Tourney has no teams", [](S& s) { WithTeams(s).gameTypeIndex = 4; }, kNoTeams,
     "si_shuffle \"1\""},
    {"Team DM keeps them", [](S& s) { WithTeams(s).gameTypeIndex = 1; }, kKeptTeams,
     "si_teamDamage \"0\""},
};
INSTANTIATE_TEST_SUITE_P(Changes, ComposedLines, ::testing::ValuesIn(kLines), RowName());

// Each row reads a text into a fresh store (si_gameType "CTF" before) and names a setting and the
// value it must hold afterwards.
struct Reading : Named {
    std::string text;
    const SettingDescription* setting;
    std::string value;
};

template <typename Field>
consteval const SettingDescription* Of(Field ServerSettings::*field) {
    return &DescriptionOf(field);
}

class ReadConfig : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadConfig, FollowsTheMatchingRules) {
    ServerSettings settings;
    settings.si_gameType = "CTF";
    settings.gameTypeIndex = 3;
    ReadServerConfig(settings, GetParam().text);
    const SettingDescription& setting = *GetParam().setting;
    EXPECT_EQ(
        setting.text != nullptr ? settings.*setting.text : std::to_string(settings.*setting.number),
        GetParam().value);
}

const Reading kReadings[] = {
    {"the first wins", "set si_name \"one\"\nset si_name \"two\"\n", Of(&S::si_name), "one"},
    {"in a comment", "// si_name \"commented\"\n", Of(&S::si_name), "commented"},
    {"no set", "si_name = whatever \"bare\"", Of(&S::si_name), "bare"},
    {"no closing quote", "set si_name \"open\nrest", Of(&S::si_name), "open\nrest"},
    {"the next quote on", "set si_name\nset other \"x\"", Of(&S::si_name), "x"},
    {"letter case counts", "set SI_NAME \"upper\"", Of(&S::si_name), "Hollowmere"},
    {"start map", "set si_mapCycle \"1\"\nset si_map \"mp/dvctf2\"", Of(&S::si_map), "mp/dvctf2"},
    {"start map not the cycle", "set si_mapcycle \"mp/x\"", Of(&S::si_map), "mp/dvdm1"},
    {"empty keeps", "set si_name \"\"", Of(&S::si_name), "Hollowmere"},
    {"nothing after the quote", "set si_name \"", Of(&S::si_name), "Hollowmere"},
    {"cut to 99", "set si_name \"" + std::string(120, 'n') + "\"", Of(&S::si_name),
     std::string(99, 'n')},
    {"blanks stay", "set si_name \" spaced \"", Of(&S::si_name), " spaced "},
    {"number begins the value", "set si_fragLimit \" 35 frags\"", Of(&S::si_fragLimit), "35"},
    {"switch 2", "set si_pure \"2\"", Of(&S::si_pure), "2"},
    {"negative", "set si_timeLimit \"-4\"", Of(&S::si_timeLimit), "-4"},
    {"no number", "set si_captureLimit \"none\"", Of(&S::si_captureLimit), "0"},
    // si_pure is found inside the server name; its value runs from the name's closing quote.
    {"a name inside a value", "set si_name \"si_pure fans\"\nset si_pure \"1\"\n", Of(&S::si_pure),
     "0"},
    {"tab and plus", "set si_countDown \"\t+7\"", Of(&S::si_countDown), "7"},
    {"sign apart", "set si_countDown \"- 3\"", Of(&S::si_countDown), "0"},
    {"too big", "set si_fragLimit \"99999999999\"", Of(&S::si_fragLimit), "2147483647"},
    {"too small", "set si_fragLimit \"-99999999999\"", Of(&S::si_fragLimit), "-2147483648"},
    {"missing number", "set si_name \"Only\"", Of(&S::si_maxPlayers), "0"},
    {"missing switch", "set si_name \"Only\"", Of(&S::net_LANServer), "0"},
    {"Team DM", "set si_gameType \"Team DM\"", Of(&S::gameTypeIndex), "1"},
    {"Tourney", "set si_gameType \"Tourney\"", Of(&S::gameTypeIndex), "4"},
    {"game type's case counts", "set si_gameType \"team dm\"", Of(&S::gameTypeIndex), "0"},
    {"game type as held", "set si_name \"x\"", Of(&S::gameTypeIndex), "2"},
};
INSTANTIATE_TEST_SUITE_P(Texts, ReadConfig, ::testing::ValuesIn(kReadings), RowName());

}  // namespace
}  // namespace kelvrin::testing
