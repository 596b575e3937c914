#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "app/GameFolder.h"
#include "launch/ServerLaunch.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::CurrentDirectoryNow;
using testing::RecordingLauncher;
using testing::RecordingMessages;
using testing::TempInstallation;

struct Combination {
    std::int32_t dedicated;
    std::int32_t mapCycle;
    std::string executable;
    std::string parameters;
    std::string batchBytes;  // as stored on disk
};

const Combination kCombinations[] = {
    {0, 0, "dravek.exe", "+set fs_game dvbase+exec kelvrin.cfg",
     "dravek.exe +set fs_game dvbase +exec kelvrin.cfg\r\n"},
    {0, 1, "dravek.exe", "+set fs_game dvbase+exec kelvrin.scriptcfg +exec kelvrin.cfg",
     "dravek.exe +set fs_game dvbase +exec kelvrin.scriptcfg +exec kelvrin.cfg"},
    {1, 0, "dravekDed.exe", "+set fs_game dvbase+exec kelvrin.cfg",
     "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n"},
    {1, 1, "dravekDed.exe", "+set fs_game dvbase+exec kelvrin.scriptcfg +exec kelvrin.cfg",
     "dravekDed.exe +set fs_game dvbase +exec kelvrin.scriptcfg +exec kelvrin.cfg"},
};

ServerSettings SettingsIn(const TempInstallation& install) {
    ServerSettings settings;
    settings.startDirectory = install.Root();
    return settings;
}

TEST(SaveConfig, WritesConfigAndBatchFileForEachCombination) {
    for (const Combination& c : kCombinations) {
        TempInstallation install;
        install.MakeFolder("dvbase");
        ServerSettings settings = SettingsIn(install);
        settings.net_serverDedicated = c.dedicated;
        settings.si_mapCycle = c.mapCycle;
        RecordingMessages messages;

        SaveConfig(settings, messages);
        EXPECT_EQ(install.ReadFile("kvr_dvbase.bat"), c.batchBytes);
        EXPECT_TRUE(install.ReadFile("dvbase/kelvrin.cfg").ends_with("spawnserver\r\n"));
        EXPECT_EQ(messages.shown,
                  (std::vector<std::string>{
                      "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"}));
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
    }
}

TEST(SaveConfig, ReportsWhatItCouldNotWrite) {
    struct Case {
        const char* what;
        std::string folder;
        bool makeFolder;
        std::string blockAsFolder;  // a folder standing where a file must go
        std::string message;
        bool configWritten;
    };
    const Case cases[] = {
        {"folder missing", "missing", false, "", "can't change to subdirectory \"missing\"", false},
        {"name too long", std::string(32, 'n'), true, "",
         "can't change to subdirectory \"" + std::string(32, 'n') + "\"", false},
        {"config not written", "dvbase", true, "dvbase/kelvrin.cfg",
         "can't write \"kelvrin.cfg\"!", false},
        {"batch file not written", "dvbase", true, "kvr_dvbase.bat",
         "can't write \"kvr_dvbase.bat\"!", true},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        if (c.makeFolder) install.MakeFolder(c.folder);
        if (!c.blockAsFolder.empty()) install.MakeFolder(c.blockAsFolder);
        ServerSettings settings = SettingsIn(install);
        settings.gameFolder = c.folder;
        RecordingMessages messages;

        SaveConfig(settings, messages);
        EXPECT_EQ(messages.shown, (std::vector<std::string>{c.message})) << c.what;
        EXPECT_EQ(std::filesystem::is_regular_file(install.PathOf(c.folder + "/kelvrin.cfg")),
                  c.configWritten)
            << c.what;
        EXPECT_EQ(CurrentDirectoryNow(), install.Root()) << c.what;
    }
}

TEST(SaveConfig, ReplacesTheBatchFileOfTheSameFolder) {
    TempInstallation install;
    install.MakeFolder("dvbase");
    install.WriteFile("kvr_other.bat", "other\r\n");
    ServerSettings settings = SettingsIn(install);
    settings.si_mapCycle = 0;
    RecordingMessages messages;
    settings.si_name = "First";
    SaveConfig(settings, messages);
    settings.si_name = "Second";
    settings.net_serverDedicated = 0;
    SaveConfig(settings, messages);
    EXPECT_EQ(install.ReadFile("kvr_dvbase.bat"),
              "dravek.exe +set fs_game dvbase +exec kelvrin.cfg\r\n");
    EXPECT_EQ(install.ReadFile("kvr_other.bat"), "other\r\n");
}

TEST(StartServer, WritesTheConfigAndStartsTheGameForEachCombination) {
    for (const Combination& c : kCombinations) {
        TempInstallation install;
        install.MakeFolder("dvbase");
        ServerSettings settings = SettingsIn(install);
        settings.net_serverDedicated = c.dedicated;
        settings.si_mapCycle = c.mapCycle;
        RecordingMessages messages;
        RecordingLauncher launcher;

        StartServer(settings, messages, launcher);
        ASSERT_EQ(launcher.launches.size(), 1u);
        EXPECT_EQ(launcher.launches[0].startDirectory, install.Root());
        EXPECT_EQ(launcher.launches[0].executable, c.executable);
        EXPECT_EQ(launcher.launches[0].parameters, c.parameters);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(install.Exists("dvbase/kelvrin.cfg"));
        EXPECT_FALSE(install.Exists("kvr_dvbase.bat"));
    }
}

TEST(StartServer, StartsNothingWhenTheConfigIsNotWritten) {
    struct Case {
        std::string folder;
        bool makeFolder;
        bool configIsFolder;
        std::string message;
    };
    const Case cases[] = {
        {"missing", false, false, "can't open subdirectory \"missing\" !"},
        {"dvbase", true, true, "can't write server-config ..."},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        if (c.makeFolder) install.MakeFolder(c.folder);
        if (c.configIsFolder) install.MakeFolder(c.folder + "/kelvrin.cfg");
        ServerSettings settings = SettingsIn(install);
        settings.gameFolder = c.folder;
        RecordingMessages messages;
        RecordingLauncher launcher;

        StartServer(settings, messages, launcher);
        EXPECT_TRUE(launcher.launches.empty()) << c.folder;
        EXPECT_EQ(messages.shown, (std::vector<std::string>{c.message}));
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
    }
}

TEST(LaunchText, FolderNamesGoInUnchanged) {
    ServerSettings settings;
    settings.gameFolder = "my mod";
    settings.si_mapCycle = 0;
    settings.net_serverDedicated = 0;
    EXPECT_EQ(LaunchParameters(settings), "+set fs_game my mod+exec kelvrin.cfg");
    EXPECT_EQ(BatchFileLine(settings), "dravek.exe +set fs_game my mod +exec kelvrin.cfg\n");
    EXPECT_EQ(BatchFileName(std::string(31, 'f')).size(), 39u);
}

TEST(SystemLauncher, StartsTheProgramDetachedInTheStartDirectory) {
    TempInstallation install;
    const std::filesystem::path game = install.PathOf("dravekDed.exe");
    std::filesystem::copy_file(RECORD_LAUNCH_PATH, game);
    std::filesystem::permissions(game, std::filesystem::perms(0755));
    install.MakeFolder("elsewhere");
    std::filesystem::current_path(install.PathOf("elsewhere"));

    MakeSystemLauncher()->Start(install.Root(), "dravekDed.exe",
                                "+set fs_game dvbase+exec kelvrin.cfg");

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!install.Exists("launch-record.txt") && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(install.ReadFile("launch-record.txt"),
              install.Root() + "\n+set\nfs_game\ndvbase+exec\nkelvrin.cfg\n");
}

}  // namespace
}  // namespace kelvrin
