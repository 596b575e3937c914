#include <gtest/gtest.h>

#include <string>

#include "app/GameFolder.h"
#include "settings/ConfigReader.h"
#include "settings/ConfigWriter.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::RecordingMessages;
using testing::TempInstallation;

// Saves the store through the file on disk and loads it into a fresh store.
ServerSettings SaveAndLoad(ServerSettings& saved, TempInstallation& install) {
    RecordingMessages messages;
    saved.startDirectory = install.Root();
    const std::string text = ComposeServerConfig(saved, messages);
    EXPECT_EQ(WriteServerConfigFile(saved, text), ConfigWriteResult::Written);
    install.WriteFile(saved.gameFolder + "/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm1\"\n");

    ServerSettings loaded;
    loaded.startDirectory = install.Root();
    loaded.gameFolder = saved.gameFolder;
    LoadGameFolderConfig(loaded, saved.gameFolder);
    return loaded;
}

TEST(RoundTrip, EveryNumberAndSwitchReadsBack) {
    TempInstallation install;
    install.MakeFolder("dvbase");
    ServerSettings saved;
    saved.gameTypeIndex = 2;  // keeps the teamplay switches as set
    std::int32_t value = 7;
    for (const NumberSetting& row : kNumberSettings) saved.*row.field = value++;
    saved.si_countDown = -15;  // a minus sign survives too
    bool on = false;
    for (const NumberSetting& row : kSwitchSettings) saved.*row.field = (on = !on) ? 1 : 0;

    const ServerSettings loaded = SaveAndLoad(saved, install);
    for (const NumberSetting& row : kNumberSettings) {
        EXPECT_EQ(loaded.*row.field, saved.*row.field) << row.name;
    }
    for (const NumberSetting& row : kSwitchSettings) {
        EXPECT_EQ(loaded.*row.field, saved.*row.field) << row.name;
    }
}

TEST(RoundTrip, EveryGameTypeReadsBack) {
    for (std::int32_t type = 0; type < 5; ++type) {
        TempInstallation install;
        install.MakeFolder("dvbase");
        ServerSettings saved;
        saved.gameTypeIndex = type;
        const ServerSettings loaded = SaveAndLoad(saved, install);
        EXPECT_EQ(loaded.gameTypeIndex, type);
        EXPECT_EQ(loaded.si_gameType, kGameTypeNames[static_cast<std::size_t>(type)]);
    }
}

TEST(RoundTrip, TextSettingsReadBackWhenNotEmpty) {
    TempInstallation install;
    install.MakeFolder("dvbase");
    ServerSettings saved;
    saved.net_LANServer = 0;
    saved.si_name = "Friday Night " + std::string(86, 'x');  // 99 characters read back whole
    saved.g_password = "secret pass";
    saved.net_serverRemoteConsolePassword = "";
    saved.si_map = "mp/dvctf3.map";
    saved.sv_master1 = "";
    saved.sv_master4 = "four.example.org";

    const ServerSettings loaded = SaveAndLoad(saved, install);
    EXPECT_EQ(loaded.si_name, saved.si_name);
    EXPECT_EQ(loaded.g_password, "secret pass");
    EXPECT_EQ(loaded.si_map, "mp/dvctf3.map");
    EXPECT_EQ(loaded.sv_master4, "four.example.org");
    // Empty or unwritten texts leave what the store held before the reading.
    EXPECT_EQ(loaded.sv_master1, kDefaultMasterServer);
    EXPECT_EQ(loaded.net_serverRemoteConsolePassword, "");
}

TEST(RoundTrip, LanModeForgetsMasterServersOnTheNextStart) {
    TempInstallation install;
    install.MakeFolder("dvbase");
    ServerSettings saved;
    saved.net_LANServer = 1;
    saved.sv_master1 = "private.example.org";
    saved.sv_master2 = "second.example.org";
    const ServerSettings loaded = SaveAndLoad(saved, install);
    EXPECT_EQ(loaded.sv_master1, kDefaultMasterServer);
    EXPECT_EQ(loaded.sv_master2, "");
}

}  // namespace
}  // namespace kelvrin
