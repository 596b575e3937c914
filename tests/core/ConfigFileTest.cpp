// kelvrin.cfg: the text the store composes, how the reader takes a text back, and the two together.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>

#include "settings/ConfigReader.h"
#include "settings/ConfigWriter.h"
#include "tests/support/Recorders.h"

namespace kelvrin::testing {
namespace {

const std::string kDefaultConfig =
    "set si_name \"Hollowmere\"\nset gui_configServerRate \"5\"\nset "
    "net_serverRemoteConsolePassword \"\"\n"
    "set si_gameType \"DM\"\nset si_maxPlayers \"16\"\nset si_minPlayers \"4\"\nset g_password "
    "\"\"\n"
    "set si_countDown \"0\"\nset si_tourneyLimit \"0\"\nset si_captureLimit \"5\"\nset "
    "si_fragLimit \"20\"\n"
    "set si_timeLimit \"10\"\nset net_serverClientTimeout \"60\"\nset net_serverMaxClientRate "
    "\"3\"\n"
    "set net_serverMaxUsercmdRelay \"3\"\nset net_serverZombieTimeout \"5\"\nset si_weaponStay "
    "\"0\"\n"
    "set si_useReady \"0\"\nset si_teamDamage \"0\"\nset net_serverDedicated \"1\"\nset si_warmup "
    "\"0\"\n"
    "set si_pure \"0\"\nset si_shuffle \"0\"\nset si_spectators \"1\"\nset si_autobalance \"0\"\n"
    "set sv_punkbuster \"0\"\nset si_allowHitscanTint \"0\"\nset si_allowVoting \"0\"\nset "
    "net_LANServer \"1\"\n"
    "set logFile \"0\"\nset net_serverAllowServerMod \"0\"\n//set si_mapCycle \"1\"\nset "
    "si_usePass \"0\"\n"
    "set si_map \"mp/dvdm1\"\nset g_mapcycle \"\"\nspawnserver\n";

std::string Compose(ServerSettings& settings) {
    RecordingMessages messages;
    std::string text = ComposeServerConfig(settings, messages);
    EXPECT_EQ(messages.shown, Shown{});
    return text;
}

TEST(ComposeServerConfig, DefaultsGiveTheThirtySixLines) {
    ServerSettings settings;
    EXPECT_EQ(Compose(settings), kDefaultConfig);
}

// Each row changes the defaults and names a stretch the text must hold and one it must not.
TEST(ComposeServerConfig, LinesFollowTheStore) {
    const std::string master1 = "set sv_master1  \"master.dravek.example.org\"\n";
    const struct {
        void (*change)(ServerSettings&);
        std::string present, absent;
    } rows[] = {
        {[](ServerSettings& s) { s.g_password = " "; }, "set g_password \" \"\n",
         "set si_usePass \"0\""},
        {[](ServerSettings& s) { s.g_password = "pw"; }, "set si_usePass \"1\"\nset si_map",
         "si_usePass \"0\""},
        {[](ServerSettings& s) { s.logFile = 1; },
         "set logFile \"1\"\nset net_serverAllowServerMod \"0\"\nset logFileName "
         "\"kelvrin.log\"\n//set",
         "\"0\"\n//"},
        {[](ServerSettings& s) { s.si_fragLimit = -3; }, "set si_fragLimit \"-3\"\n", "\"20\""},
        {[](ServerSettings& s) { s.si_pure = 2; }, "set si_pure \"1\"\n", "\"2\""},
        {[](ServerSettings& s) { s.si_mapCycle = 0; }, "//set si_mapCycle \"0\"\n",
         "\nset si_mapCycle"},
        {[](ServerSettings& s) { s.si_name = "a\"b"; }, "set si_name \"a\"b\"\n", "Hollowmere"},
        {[](ServerSettings& s) { s.gameTypeIndex = 3; }, "set si_gameType \"Arena CTF\"\n",
         "\"DM\""},
        {[](ServerSettings& s) { s.gameTypeIndex = 5; }, "set si_gameType \"DM\"\n",
         "si_gameType \"\""},
        {[](ServerSettings& s) { s.gameTypeIndex = -1; }, "set si_gameType \"DM\"\n",
         "si_gameType \"\""},
        {[](ServerSettings& s) { s.si_name = std::string(199, 'a') + "bc"; },
         "set si_name \"" + std::string(199, 'a') + "\"\n", "ab"},
        {[](ServerSettings& s) { s.sv_master2 = "two"; }, "set g_mapcycle \"\"\nspawnserver\n",
         "sv_master"},
        {[](ServerSettings& s) { s.net_LANServer = 0, s.sv_master3 = "three"; },
         "set g_mapcycle \"\"\n" + master1 + "set sv_master3  \"three\"\nspawnserver\n",
         "sv_master2"},
        {[](ServerSettings& s) { s.net_LANServer = 0, s.sv_master1.clear(); },
         "set g_mapcycle \"\"\nspawnserver\n", "sv_master"},
        // Games without teams switch the team play off; the others write it as stored.
        {[](ServerSettings& s) {
             s.gameTypeIndex = 4, s.si_teamDamage = s.si_shuffle = s.si_autobalance = 1;
         },
         "set si_teamDamage \"0\"\nset net_serverDedicated \"1\"\nset si_warmup \"0\"\nset si_pure "
         "\"0\"\nset si_shuffle \"0\"\n"
         "set si_spectators \"1\"\nset si_autobalance \"0\"\n",
         "si_shuffle \"1\""},
        {[](ServerSettings& s) {
             s.gameTypeIndex = 1, s.si_teamDamage = s.si_shuffle = s.si_autobalance = 1;
         },
         "set si_teamDamage \"1\"\nset net_serverDedicated \"1\"\nset si_warmup \"0\"\nset si_pure "
         "\"0\"\nset si_shuffle \"1\"\n"
         "set si_spectators \"1\"\nset si_autobalance \"1\"\n",
         "si_teamDamage \"0\""},
    };
    for (const auto& row : rows) {
        ServerSettings settings;
        row.change(settings);
        const std::string text = Compose(settings);
        EXPECT_EQ(std::pair(text.find(row.present) != std::string::npos,
                            text.find(row.absent) == std::string::npos),
                  std::pair(true, true))
            << row.present << " without " << row.absent << " in\n"
            << text;
    }
}

TEST(ComposeServerConfig, OverflowShowsTheMessageAndGivesNoText) {
    ServerSettings settings;
    for (const std::size_t capacity : {kDefaultConfig.size() + 1, kDefaultConfig.size()}) {
        RecordingMessages messages;
        const bool fits = capacity > kDefaultConfig.size();
        EXPECT_EQ(
            std::pair(ComposeServerConfig(settings, messages, capacity), messages.shown),
            std::pair(fits ? kDefaultConfig : "",
                      fits ? Shown{}
                           : Shown{"your cfg is too long ! Please use shorter names/passwords !"}));
    }
}

// The value of a setting as text, found by its name in the store's tables.
std::string ValueOf(const ServerSettings& settings, std::string_view name) {
    for (const TextSetting& row : kTextSettings)
        if (row.name == name) return settings.*row.field;
    for (const auto table : {std::span<const NumberSetting>(kNumberSettings),
                             std::span<const NumberSetting>(kSwitchSettings)})
        for (const NumberSetting& row : table)
            if (row.name == name) return std::to_string(settings.*row.field);
    return std::to_string(settings.gameTypeIndex);
}

// Each row reads a text into a fresh store (si_gameType "CTF" before) and names a setting and the
// value it must hold afterwards.
TEST(ReadServerConfig, FollowsTheMatchingRules) {
    const struct {
        std::string text;
        const char* name;
        std::string value;
    } rows[] = {
        {"set si_name \"one\"\nset si_name \"two\"\n", "si_name", "one"},
        {"// si_name \"commented\"\n", "si_name", "commented"},
        {"si_name = whatever \"bare\"", "si_name", "bare"},
        {"set si_name \"open\nrest", "si_name", "open\nrest"},
        {"set si_name\nset other \"x\"", "si_name", "x"},
        {"set SI_NAME \"upper\"", "si_name", "Hollowmere"},
        {"set si_mapCycle \"1\"\nset si_map \"mp/dvctf2\"", "si_map ", "mp/dvctf2"},
        {"set si_mapcycle \"mp/x\"", "si_map ", "mp/dvdm1"},
        {"set si_name \"\"", "si_name", "Hollowmere"},
        {"set si_name \"", "si_name", "Hollowmere"},
        {"set si_name \"" + std::string(120, 'n') + "\"", "si_name", std::string(99, 'n')},
        {"set si_name \" spaced \"", "si_name", " spaced "},
        {"set si_fragLimit \" 35 frags\"", "si_fragLimit", "35"},
        {"set si_pure \"2\"", "si_pure", "2"},
        {"set si_timeLimit \"-4\"", "si_timeLimit", "-4"},
        {"set si_captureLimit \"none\"", "si_captureLimit", "0"},
        // si_pure is found inside the server name; its value runs from the name's closing quote.
        {"set si_name \"si_pure fans\"\nset si_pure \"1\"\n", "si_pure", "0"},
        {"set si_countDown \"\t+7\"", "si_countDown", "7"},
        {"set si_countDown \"- 3\"", "si_countDown", "0"},
        {"set si_fragLimit \"99999999999\"", "si_fragLimit", "2147483647"},
        {"set si_fragLimit \"-99999999999\"", "si_fragLimit", "-2147483648"},
        {"set si_name \"Only\"", "si_maxPlayers", "0"},
        {"set si_name \"Only\"", "net_LANServer", "0"},
        {"set si_gameType \"DM\"", "gameTypeIndex", "0"},
        {"set si_gameType \"Team DM\"", "gameTypeIndex", "1"},
        {"set si_gameType \"Arena CTF\"", "gameTypeIndex", "3"},
        {"set si_gameType \"Tourney\"", "gameTypeIndex", "4"},
        {"set si_gameType \"team dm\"", "gameTypeIndex", "0"},
        {"set si_name \"x\"", "gameTypeIndex", "2"},
    };
    for (const auto& row : rows) {
        ServerSettings settings;
        settings.si_gameType = "CTF", settings.gameTypeIndex = 3;
        ReadServerConfig(settings, row.text);
        EXPECT_EQ(ValueOf(settings, row.name), row.value) << row.text;
    }
}

}  // namespace
}  // namespace kelvrin::testing
