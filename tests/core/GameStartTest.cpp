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

// Start Server with the system's launcher: a Windows program the system cannot run goes
// through the "wine" on the PATH (here one that records like the game); what cannot be started
// at all is reported.
TEST(GameStart, StartsWindowsProgramsThroughWineAndReportsWhatCannotStart) {
    struct Case {
        std::string game;  // the file's bytes; "record": the recording program; "": no file
        fs::perms mode;
        bool wineOnPath;
        std::string folder;
        std::string started;  // "wine", "direct" or "": nothing
        std::string arguments;  // as recorded, one a line, after the program's own path
        std::string message;
    };
    const fs::perms runnable = fs::perms(0755);
    const fs::perms readable = fs::perms(0644);
    const std::string dvbase = "+set\nfs_game\ndvbase+exec\nkelvrin.cfg\n";
    const std::string cannot = "can't start \"dravekDed.exe\"";
    const Case cases[] = {
        {"MZ\x90", readable, true, "dvbase", "wine", dvbase, ""},
        {"MZ\x90", runnable, true, "dvbase", "wine", dvbase, ""},
        {"MZ\x90", runnable, false, "dvbase", "", "", cannot},
        {"", runnable, true, "dvbase", "", "", cannot},
        {"not a program\n", readable, true, "dvbase", "", "", cannot},
        {"record", runnable, false, "my\tmod", "direct", "+set\nfs_game\nmy\tmod+exec\nkelvrin.cfg\n", ""},
    };
    const std::string previousPath = std::getenv("PATH");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game + " " + c.folder + " " + c.started);
        testing::TempInstallation install;
        install.MakeFolder(c.folder);
        const fs::path game = install.PathOf("dravekDed.exe");
        if (c.game == "record") fs::copy_file(RECORD_LAUNCH_PATH, game);
        else if (!c.game.empty()) install.WriteFile("dravekDed.exe", c.game);
        if (!c.game.empty()) fs::permissions(game, c.mode);
        install.WriteFile("bin/wine", "#!/bin/sh\nexec '" + std::string(RECORD_LAUNCH_PATH) + "' \"$@\"\n");
        fs::permissions(install.PathOf("bin/wine"), runnable);
        // Only our recording wine may be found: the machine may have a real one.
        ::setenv("PATH", (install.Root() + (c.wineOnPath ? "/bin" : "/nowhere")).c_str(), 1);
        ServerSettings settings;
        settings.startDirectory = install.Root();
        settings.gameFolder = c.folder;
        settings.net_serverDedicated = 1;
        settings.si_mapCycle = 0;
        testing::RecordingMessages messages;

        StartServer(settings, messages, *MakeSystemLauncher());
        ::setenv("PATH", previousPath.c_str(), 1);

        EXPECT_EQ(messages.shown, c.message.empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{c.message});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!c.started.empty() && !install.Exists("launch-record.txt") &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        const std::string wineArgument = c.started == "wine" ? install.Root() + "/dravekDed.exe\n" : "";
        EXPECT_EQ(install.ReadFile("launch-record.txt"),
                  c.started.empty() ? "" : install.Root() + "\n" + wineArgument + c.arguments);
    }
}

}  // namespace
}  // namespace kelvrin
