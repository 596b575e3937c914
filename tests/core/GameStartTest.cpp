// Start Server with the system's launcher and a stand-in game that records how it was started.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "launch/ServerLaunch.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Writes its working directory and arguments, one a line, then plays on for a while.
constexpr const char* kRecorder =
    "#!/bin/sh\nexec >/dev/null 2>&1\nprintf '%s\\n' \"$(pwd)\" \"$@\" > "
    "launch-record.part\n/bin/mv launch-record.part launch-record.txt\n/bin/sleep 6\n";

// The game starts from the start directory, with its parameters split at blanks only, and Start
// Server comes back at once while it plays on. A Windows program the system cannot run goes
// through the "wine" on the PATH (here a recorder too); what cannot be started is reported.
TEST(GameStart, StartsTheGameOrSaysItCannot) {
    const std::string dvbase = "+set\nfs_game\ndvbase+exec\nkelvrin.cfg\n",
                      cannot = "can't start \"dravekDed.exe\"";
    const struct {
        std::string game;
        fs::perms mode;
        bool wineOnPath;
        std::string folder, started, arguments, message;
    } rows[] = {
        {kRecorder, fs::perms(0755), false, "my\tmod", "direct",
         "+set\nfs_game\nmy\tmod+exec\nkelvrin.cfg\n", ""},
        {"MZ\x90", fs::perms(0644), true, "dvbase", "wine", dvbase, ""},
        {"MZ\x90", fs::perms(0755), true, "dvbase", "wine", dvbase, ""},
        {"MZ\x90", fs::perms(0755), false, "dvbase", "", "", cannot},
        {"", fs::perms(0755), true, "dvbase", "", "", cannot},
        {"not a program\n", fs::perms(0644), true, "dvbase", "", "", cannot},
    };
    const std::string previousPath = std::getenv("PATH");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder + " " + row.started + " " + row.message);
        TempInstallation install;
        install.MakeFolder(row.folder), install.MakeFolder("elsewhere"),
            install.WriteFile("bin/wine", kRecorder);
        if (!row.game.empty())
            install.WriteFile("dravekDed.exe", row.game),
                fs::permissions(install.PathOf("dravekDed.exe"), row.mode);
        fs::permissions(install.PathOf("bin/wine"), fs::perms(0755));
        // Only our recording wine may be found: the machine may have a real one.
        ::setenv("PATH", (install.Root() + (row.wineOnPath ? "/bin" : "/nowhere")).c_str(), 1);
        fs::current_path(install.PathOf("elsewhere"));
        ServerSettings settings = install.Settings();
        settings.gameFolder = row.folder, settings.si_mapCycle = 0;
        RecordingMessages messages;

        const auto start = Clock::now();
        StartServer(settings, messages, *MakeSystemLauncher());
        const bool atOnce = Clock::now() - start < std::chrono::seconds(3);
        ::setenv("PATH", previousPath.c_str(), 1);
        EXPECT_EQ(std::pair(atOnce, messages.shown),
                  std::pair(true, row.message.empty() ? Shown{} : Shown{row.message}));
        while (!row.started.empty() && !install.Exists("launch-record.txt") &&
               Clock::now() - start < std::chrono::seconds(20))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const std::string wineArgument =
            row.started == "wine" ? install.Root() + "/dravekDed.exe\n" : "";
        EXPECT_EQ(install.ReadFile("launch-record.txt"),
                  row.started.empty() ? "" : install.Root() + "\n" + wineArgument + row.arguments);
    }
}

}  // namespace
}  // namespace kelvrin::testing
