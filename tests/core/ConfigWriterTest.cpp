#include <gtest/gtest.h>

#include <string>

#include "app/GameFolder.h"
#include "settings/ConfigWriter.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::RecordingMessages;
using testing::TempInstallation;

const char* const kDefaultConfig =
    "set si_name \"Hollowmere\"\n"
    "set gui_configServerRate \"5\"\n"
    "set net_serverRemoteConsolePassword \"\"\n"
    "set si_gameType \"DM\"\n"
    "set si_maxPlayers \"16\"\n"
    "set si_minPlayers \"4\"\n"
    "set g_password \"\"\n"
    "set si_countDown \"0\"\n"
    "set si_tourneyLimit \"0\"\n"
    "set si_captureLimit \"5\"\n"
    "set si_fragLimit \"20\"\n"
    "set si_timeLimit \"10\"\n"
    "set net_serverClientTimeout \"60\"\n"
    "set net_serverMaxClientRate \"3\"\n"
    "set net_serverMaxUsercmdRelay \"3\"\n"
    "set net_serverZombieTimeout \"5\"\n"
    "set si_weaponStay \"0\"\n"
    "set si_useReady \"0\"\n"
    "set si_teamDamage \"0\"\n"
    "set net_serverDedicated \"1\"\n"
    "set si_warmup \"0\"\n"
    "set si_pure \"0\"\n"
    "set si_shuffle \"0\"\n"
    "set si_spectators \"1\"\n"
    "set si_autobalance \"0\"\n"
    "set sv_punkbuster \"0\"\n"
    "set si_allowHitscanTint \"0\"\n"
    "set si_allowVoting \"0\"\n"
    "set net_LANServer \"1\"\n"
    "set logFile \"0\"\n"
    "set net_serverAllowServerMod \"0\"\n"
    "//set si_mapCycle \"1\"\n"
    "set si_usePass \"0\"\n"
    "set si_map \"mp/dvdm1\"\n"
    "set g_mapcycle \"\"\n"
    "spawnserver\n";

std::string Compose(ServerSettings& settings) {
    RecordingMessages messages;
    std::string text = ComposeServerConfig(settings, messages);
    EXPECT_TRUE(messages.shown.empty());
    return text;
}

std::string WithCrLf(std::string text) {
    for (std::size_t pos = 0; (pos = text.find('\n', pos)) != std::string::npos; pos += 2) {
        text.insert(pos, "\r");
    }
    return text;
}

TEST(ComposeServerConfig, DefaultsGiveTheThirtySixLines) {
    ServerSettings settings;
    EXPECT_EQ(Compose(settings), kDefaultConfig);
}

TEST(ComposeServerConfig, LinesFollowTheStore) {
    struct Case {
        const char* what;
        void (*change)(ServerSettings&);
        std::string present;
        std::string absent;
    };
    const Case cases[] = {
        {"client password sets si_usePass", [](ServerSettings& s) { s.g_password = " "; },
         "set g_password \" \"\nset si_countDown", "set si_usePass \"0\""},
        {"client password sets si_usePass", [](ServerSettings& s) { s.g_password = "pw"; },
         "set si_usePass \"1\"\n", "set si_usePass \"0\""},
        {"log file line after server mod", [](ServerSettings& s) { s.logFile = 1; },
         "set net_serverAllowServerMod \"0\"\nset logFileName \"kelvrin.log\"\n//set si_mapCycle",
         "set logFile \"0\""},
        {"negative number keeps its sign", [](ServerSettings& s) { s.si_fragLimit = -3; },
         "set si_fragLimit \"-3\"\n", "set si_fragLimit \"20\""},
        {"switch stored as 2 is written as 1", [](ServerSettings& s) { s.si_pure = 2; },
         "set si_pure \"1\"\n", "set si_pure \"2\""},
        {"map cycle only in the comment line", [](ServerSettings& s) { s.si_mapCycle = 0; },
         "//set si_mapCycle \"0\"\n", "\nset si_mapCycle"},
        {"quotes written unchanged", [](ServerSettings& s) { s.si_name = "a\"b"; },
         "set si_name \"a\"b\"\n", "Hollowmere"},
        {"game type by index", [](ServerSettings& s) { s.gameTypeIndex = 3; },
         "set si_gameType \"Arena CTF\"\n", "set si_gameType \"DM\""},
        {"index above the names writes DM", [](ServerSettings& s) { s.gameTypeIndex = 5; },
         "set si_gameType \"DM\"\n", "set si_gameType \"\""},
        {"index below the names writes DM", [](ServerSettings& s) { s.gameTypeIndex = -1; },
         "set si_gameType \"DM\"\n", "set si_gameType \"\""},
        {"text values cut at 199",
         [](ServerSettings& s) { s.si_name = std::string(199, 'a') + "bc"; },
         "set si_name \"" + std::string(199, 'a') + "\"\n", "abc"},
    };
    for (const Case& c : cases) {
        ServerSettings settings;
        c.change(settings);
        const std::string text = Compose(settings);
        EXPECT_NE(text.find(c.present), std::string::npos) << c.what << "\n" << text;
        EXPECT_EQ(text.find(c.absent), std::string::npos) << c.what << "\n" << text;
        EXPECT_TRUE(text.ends_with("\nspawnserver\n")) << c.what;
    }
}

TEST(ComposeServerConfig, MasterServersOnlyOffLanAndNotEmpty) {
    struct Case {
        std::int32_t lan;
        const char* second;
        std::string expectedTail;
    };
    const std::string first = "set sv_master1  \"" + std::string(kDefaultMasterServer) + "\"\n";
    const Case cases[] = {
        {1, "two.example.org", "set g_mapcycle \"\"\nspawnserver\n"},
        {0, "", "set g_mapcycle \"\"\n" + first + "set sv_master3  \"three\"\nspawnserver\n"},
        {0, "two", "set g_mapcycle \"\"\n" + first +
                       "set sv_master2  \"two\"\nset sv_master3  \"three\"\nspawnserver\n"},
    };
    for (const Case& c : cases) {
        ServerSettings settings;
        settings.net_LANServer = c.lan;
        settings.sv_master2 = c.second;
        settings.sv_master3 = "three";
        EXPECT_TRUE(Compose(settings).ends_with(c.expectedTail)) << Compose(settings);
    }

    ServerSettings noMasters;
    noMasters.net_LANServer = 0;
    noMasters.sv_master1.clear();
    EXPECT_TRUE(Compose(noMasters).ends_with("set g_mapcycle \"\"\nspawnserver\n"));
}

TEST(ComposeServerConfig, TeamplayResetForGamesWithoutTeams) {
    for (std::int32_t type = 0; type < 5; ++type) {
        ServerSettings settings;
        settings.gameTypeIndex = type;
        settings.si_autobalance = settings.si_shuffle = settings.si_teamDamage = 1;
        const std::string text = Compose(settings);
        const bool teams = type >= 1 && type <= 3;
        const std::string value = teams ? "\"1\"" : "\"0\"";
        EXPECT_NE(text.find("set si_teamDamage " + value), std::string::npos) << type;
        EXPECT_NE(text.find("set si_shuffle " + value), std::string::npos) << type;
        EXPECT_NE(text.find("set si_autobalance " + value), std::string::npos) << type;
        EXPECT_EQ(settings.si_autobalance + settings.si_shuffle + settings.si_teamDamage,
                  teams ? 3 : 0)
            << type;
        EXPECT_FALSE(settings.settingsChanged);
    }
}

TEST(ComposeServerConfig, OverflowShowsTheMessageAndGivesNoText) {
    ServerSettings settings;
    const std::size_t length = std::string(kDefaultConfig).size();

    RecordingMessages exact;
    EXPECT_EQ(ComposeServerConfig(settings, exact, length + 1), kDefaultConfig);
    EXPECT_TRUE(exact.shown.empty());

    RecordingMessages tooSmall;
    EXPECT_EQ(ComposeServerConfig(settings, tooSmall, length), "");
    ASSERT_EQ(tooSmall.shown.size(), 1u);
    EXPECT_EQ(tooSmall.shown[0], "your cfg is too long ! Please use shorter names/passwords !");
}

TEST(WriteServerConfigFile, WritesCrLfIntoTheGameFolderAndComesBack) {
    TempInstallation install;
    install.MakeFolder("dvbase");
    ServerSettings settings;
    settings.startDirectory = install.Root();

    EXPECT_EQ(WriteServerConfigFile(settings, kDefaultConfig), ConfigWriteResult::Written);
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.cfg"), WithCrLf(kDefaultConfig));
    EXPECT_EQ(testing::CurrentDirectoryNow(), install.Root());
}

TEST(NormaliseSettings, PullsValuesIntoShownRanges) {
    struct Case {
        std::int32_t minPlayers, maxPlayers, rate, type;
        std::int32_t expectedMin, expectedMax, expectedRate, expectedType;
    };
    const Case cases[] = {
        {12, 40, 5, 0, 12, 16, 5, 0},  {14, 6, 5, 0, 6, 6, 5, 0},   {20, 8, 5, 0, 2, 8, 5, 0},
        {4, 16, 9, 0, 4, 16, 5, 0},    {4, 16, -1, 0, 4, 16, -1, 0}, {1, 1, 0, 5, 2, 16, 0, 0},
        {5, 7, 3, -2, 5, 7, 3, -2},    {4, 16, 6, 4, 4, 16, 5, 4},
    };
    for (const Case& c : cases) {
        ServerSettings settings;
        settings.si_minPlayers = c.minPlayers;
        settings.si_maxPlayers = c.maxPlayers;
        settings.gui_configServerRate = c.rate;
        settings.gameTypeIndex = c.type;
        NormaliseSettings(settings);
        EXPECT_EQ(settings.si_minPlayers, c.expectedMin);
        EXPECT_EQ(settings.si_maxPlayers, c.expectedMax);
        EXPECT_EQ(settings.gui_configServerRate, c.expectedRate);
        EXPECT_EQ(settings.gameTypeIndex, c.expectedType);
        EXPECT_FALSE(settings.settingsChanged);
    }
}

}  // namespace
}  // namespace kelvrin
