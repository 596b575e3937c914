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

TEST(SaveAndStart, WriteAndLaunchForEachCombination) {
    // One installation for all four: each save replaces the batch file of the same folder and
    // leaves those of other folders alone.
    TempInstallation install;
    install.MakeFolder("dvbase");
    install.WriteFile("kvr_other.bat", "other\r\n");
    for (const Combination& c : kCombinations) {
        ServerSettings settings = SettingsIn(install);
        settings.net_serverDedicated = c.dedicated;
        settings.si_mapCycle = c.mapCycle;
        settings.si_name = c.executable;
        RecordingMessages messages;
        RecordingLauncher launcher;

        SaveConfig(settings, messages);
        EXPECT_EQ(install.ReadFile("kvr_dvbase.bat"), c.batchBytes);
        EXPECT_EQ(messages.shown,
                  (std::vector<std::string>{
                      "Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"}));
        ASSERT_TRUE(install.ReadFile("dvbase/kelvrin.cfg").starts_with("set si_name \"" + c.executable));

        std::filesystem::remove(install.PathOf("dvbase/kelvrin.cfg"));
        StartServer(settings, messages, launcher);
        ASSERT_EQ(launcher.launches.size(), 1u);
        EXPECT_EQ(launcher.launches[0].startDirectory, install.Root());
        EXPECT_EQ(launcher.launches[0].executable, c.executable);
        EXPECT_EQ(launcher.launches[0].parameters, c.parameters);
        EXPECT_EQ(messages.shown.size(), 1u);  // starting reports nothing
        EXPECT_TRUE(install.ReadFile("dvbase/kelvrin.cfg").ends_with("spawnserver\r\n"));
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
    }
    EXPECT_EQ(install.ReadFile("kvr_other.bat"), "other\r\n");
}

TEST(SaveAndStart, ReportWhatCouldNotBeWritten) {
    const std::string tooLong(32, 'n');
    struct Case {
        std::string folder;
        bool makeFolder;
        std::string blockAsFolder;  // a folder standing where a file must go
        std::string saveMessage;
        std::string startMessage;  // empty: the game is started
    };
    const Case cases[] = {
        {"missing", false, "", "can't change to subdirectory \"missing\"",
         "can't open subdirectory \"missing\" !"},
        // An empty name would otherwise put the files into the start directory.
        {"", false, "", "can't change to subdirectory \"\"", "can't open subdirectory \"\" !"},
        {tooLong, true, "", "can't change to subdirectory \"" + tooLong + "\"",
         "can't open subdirectory \"" + tooLong + "\" !"},
        {"dvbase", true, "dvbase/kelvrin.cfg", "can't write \"kelvrin.cfg\"!",
         "can't write server-config ..."},
        {"dvbase", true, "kvr_dvbase.bat", "can't write \"kvr_dvbase.bat\"!", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saveMessage);
        TempInstallation install;
        if (c.makeFolder) install.MakeFolder(c.folder);
        if (!c.blockAsFolder.empty()) install.MakeFolder(c.blockAsFolder);
        ServerSettings settings = SettingsIn(install);
        settings.gameFolder = c.folder;
        RecordingMessages saving;
        RecordingMessages starting;
        RecordingLauncher launcher;

        SaveConfig(settings, saving);
        EXPECT_EQ(saving.shown, (std::vector<std::string>{c.saveMessage}));
        EXPECT_FALSE(install.Exists("kelvrin.cfg"));
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
        StartServer(settings, starting, launcher);
        EXPECT_EQ(starting.shown, c.startMessage.empty() ? std::vector<std::string>{}
                                                         : std::vector<std::string>{c.startMessage});
        EXPECT_EQ(launcher.launches.size(), c.startMessage.empty() ? 1u : 0u);
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
