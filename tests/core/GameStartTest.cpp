#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "launch/ServerLaunch.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

namespace fs = std::filesystem;
using testing::RecordingMessages;
using testing::TempInstallation;

// "@" stands for the start directory.
std::string WithRoot(std::string text, const std::string& root) {
    for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at + root.size())) {
        text.replace(at, 1, root);
    }
    return text;
}

TEST(GameStart, StartsWindowsProgramsThroughWineAndReportsWhatCannotStart) {
    struct Case {
        std::string game;  // "record": the recording program itself; "": no such file
        fs::perms mode;
        bool wineOnPath;
        std::string folder;
        std::string record;  // what the started program recorded; "": nothing started
        std::string message;
    };
    const fs::perms runnable = fs::perms(0755);
    const fs::perms readable = fs::perms(0644);
    const std::string mz = "MZ\x90";
    const Case cases[] = {
        {mz, readable, true, "dvbase",
         "@\n@/dravekDed.exe\n+set\nfs_game\ndvbase+exec\nkelvrin.cfg\n", ""},
        {mz, runnable, true, "dvbase",
         "@\n@/dravekDed.exe\n+set\nfs_game\ndvbase+exec\nkelvrin.cfg\n", ""},
        {mz, runnable, false, "dvbase", "", "can't start \"dravekDed.exe\""},
        {"", runnable, true, "dvbase", "", "can't start \"dravekDed.exe\""},
        {"not a program\n", readable, true, "dvbase", "", "can't start \"dravekDed.exe\""},
        {"record", runnable, false, "my\tmod", "@\n+set\nfs_game\nmy\tmod+exec\nkelvrin.cfg\n", ""},
    };
    const std::string previousPath = std::getenv("PATH");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder + c.record + c.message);
        TempInstallation install;
        install.MakeFolder(c.folder);
        const fs::path game = install.PathOf("dravekDed.exe");
        if (c.game == "record") fs::copy_file(RECORD_LAUNCH_PATH, game);
        else if (!c.game.empty()) install.WriteFile("dravekDed.exe", c.game);
        if (!c.game.empty()) fs::permissions(game, c.mode);
        install.WriteFile("bin/wine", "#!/bin/sh\nexec '" + std::string(RECORD_LAUNCH_PATH) + "' \"$@\"\n");
        fs::permissions(install.PathOf("bin/wine"), runnable);
        // Only our recording wine may be found: the machine may have a real one.
        const std::string path = install.Root() + (c.wineOnPath ? "/bin" : "/nowhere");
        ::setenv("PATH", path.c_str(), 1);
        ServerSettings settings;
        settings.startDirectory = install.Root();
        settings.gameFolder = c.folder;
        settings.net_serverDedicated = 1;
        settings.si_mapCycle = 0;
        RecordingMessages messages;

        StartServer(settings, messages, *MakeSystemLauncher());
        ::setenv("PATH", previousPath.c_str(), 1);

        EXPECT_EQ(messages.shown, c.message.empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{c.message});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!c.record.empty() && !install.Exists("launch-record.txt") &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_EQ(install.ReadFile("launch-record.txt"), WithRoot(c.record, install.Root()));
    }
}

}  // namespace
}  // namespace kelvrin
