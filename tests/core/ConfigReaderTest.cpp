#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "settings/ConfigReader.h"

namespace kelvrin {
namespace {

TEST(ReadServerConfig, AppliesTheMatchingRules) {
    struct Case {
        const char* what;
        std::string text;
        std::string ServerSettings::*field;
        std::string expected;
    };
    const Case cases[] = {
        {"first occurrence wins", "set si_name \"one\"\nset si_name \"two\"\n",
         &ServerSettings::si_name, "one"},
        {"name inside a comment counts", "// si_name \"commented\"\n", &ServerSettings::si_name,
         "commented"},
        {"no set needed, text before quote skipped", "si_name = whatever \"bare\"",
         &ServerSettings::si_name, "bare"},
        {"value spanning lines", "set si_name \"a\nb\"", &ServerSettings::si_name, "a\nb"},
        {"missing closing quote runs to the end", "set si_name \"open\nrest",
         &ServerSettings::si_name, "open\nrest"},
        {"value taken from a later line", "set si_name\nset other \"x\"",
         &ServerSettings::si_name, "x"},
        {"start map needs its trailing blank", "set si_mapCycle \"1\"\nset si_map \"mp/dvctf2\"",
         &ServerSettings::si_map, "mp/dvctf2"},
        {"start map not taken from si_mapcycle", "set si_mapcycle \"mp/x\"",
         &ServerSettings::si_map, "mp/dvdm1"},
        {"letter case counts", "set SI_NAME \"upper\"", &ServerSettings::si_name, "Hollowmere"},
        {"empty value leaves the setting", "set si_name \"\"", &ServerSettings::si_name,
         "Hollowmere"},
        {"long value cut to 99", "set si_name \"" + std::string(120, 'n') + "\"",
         &ServerSettings::si_name, std::string(99, 'n')},
        {"nothing is trimmed", "set si_name \" spaced \"", &ServerSettings::si_name, " spaced "},
        {"text ends after the opening quote", "set si_name \"", &ServerSettings::si_name,
         "Hollowmere"},
        {"name running past the end", "set si_na", &ServerSettings::si_name, "Hollowmere"},
    };
    for (const Case& c : cases) {
        ServerSettings settings;
        ReadServerConfig(settings, c.text);
        EXPECT_EQ(settings.*c.field, c.expected) << c.what;
    }
}

TEST(ReadServerConfig, AFileWithOnlyANameZeroesEveryNumberAndSwitch) {
    ServerSettings settings;
    settings.g_password = "kept";
    settings.gameFolder = "other";
    settings.settingsChanged = true;
    ReadServerConfig(settings, "set si_name \"Only\"\nset gameFolder \"x\"\n");
    EXPECT_EQ(settings.gameFolder, "other");  // only the tables' settings are read
    EXPECT_TRUE(settings.settingsChanged);
    EXPECT_EQ(settings.si_name, "Only");
    EXPECT_EQ(settings.g_password, "kept");
    EXPECT_EQ(settings.sv_master1, kDefaultMasterServer);
    for (const NumberSetting& row : kNumberSettings) EXPECT_EQ(settings.*row.field, 0) << row.name;
    for (const NumberSetting& row : kSwitchSettings) EXPECT_EQ(settings.*row.field, 0) << row.name;
}

TEST(ReadServerConfig, NumbersAndSwitchesAreStoredAsRead) {
    struct Case {
        std::string text;
        std::int32_t ServerSettings::*field;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"set si_fragLimit \" 35 frags\"", &ServerSettings::si_fragLimit, 35},
        {"set si_pure \"2\"", &ServerSettings::si_pure, 2},  // any number but 0 is on
        {"set si_timeLimit \"-4\"", &ServerSettings::si_timeLimit, -4},
        {"set si_captureLimit \"none\"", &ServerSettings::si_captureLimit, 0},
        // si_pure is found inside the server name; its value runs from the name's closing quote.
        {"set si_name \"si_pure fans\"\nset si_pure \"1\"\n", &ServerSettings::si_pure, 0},
        {"set si_countDown \"\t+7\"", &ServerSettings::si_countDown, 7},
        {"set si_countDown \"- 3\"", &ServerSettings::si_countDown, 0},
        // Beyond the 32-bit range a number saturates instead of wrapping.
        {"set si_fragLimit \"99999999999\"", &ServerSettings::si_fragLimit,
         std::numeric_limits<std::int32_t>::max()},
        {"set si_fragLimit \"-99999999999\"", &ServerSettings::si_fragLimit,
         std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) {
        ServerSettings settings;
        ReadServerConfig(settings, c.text);
        EXPECT_EQ(settings.*c.field, c.expected) << c.text;
    }
}

TEST(ReadServerConfig, GameTypeIndexFollowsTheGameTypeText) {
    struct Case {
        std::string text;
        std::string previousType;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"set si_gameType \"DM\"", "DM", 0},
        {"set si_gameType \"Team DM\"", "DM", 1},
        {"set si_gameType \"CTF\"", "DM", 2},
        {"set si_gameType \"Arena CTF\"", "DM", 3},
        {"set si_gameType \"Tourney\"", "DM", 4},
        {"set si_gameType \"team dm\"", "DM", 0},
        {"set si_gameType \"Unknown\"", "DM", 0},
        {"set si_name \"x\"", "CTF", 2},  // not in the file: the text held before decides
    };
    for (const Case& c : cases) {
        ServerSettings settings;
        settings.si_gameType = c.previousType;
        settings.gameTypeIndex = 3;  // a choice in the window that the reading overrides
        ReadServerConfig(settings, c.text);
        EXPECT_EQ(settings.gameTypeIndex, c.expected) << c.text;
    }
}

}  // namespace
}  // namespace kelvrin
