// Start Server with the system's launcher and a stand-in game that records how it was started.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "launch/ServerLaunch.h"
#include "tests/support/Standing.h"

namespace kelvrin::testing {
namespace {

namespace fs = std::filesystem;

// Waits until the test lets it go, so that a start that waited for the game would never end;
// then writes its process id, working directory and arguments, one a line, and plays on.
constexpr const char* kRecorder =
    "#!/bin/sh\nexec >/dev/null 2>&1\nwhile [ ! -e go ]; do /bin/sleep 0.05; done\n"
    "printf '%s\\n' $$ \"$(pwd)\" \"$@\" > launch-record.part\n"
    "/bin/mv launch-record.part launch-record.txt\n/bin/sleep 6\n";

// The game starts from the start directory, with its parameters split at blanks only (a tab
// belongs to the folder's name), and Start Server comes back without waiting for it. A Windows
// program the system cannot run goes through the "wine" on the PATH (here a recorder too); what
// cannot be started is reported with its reason, and what was started by its process id.
struct Start : Named {
    bool cycleNotDedicated;  // else dedicated, without the map cycle
    std::string game;
    unsigned mode;
    bool wineOnPath;
    std::string recorded;  // the arguments, after the program wine is given
    std::string shown;
    std::string reason;
};

class GameStart : public ::testing::TestWithParam<Start> {};

TEST_P(GameStart, StartsTheGameOrSaysItCannot) {
    const Start& row = GetParam();
    const std::string previousPath = std::getenv("PATH");
    TempInstallation install;
    install.MakeFolder("my\tmod");
    install.MakeFolder("elsewhere");
    install.WriteFile("bin/wine", kRecorder);
    fs::permissions(install.PathOf("bin/wine"), fs::perms(0755));
    const std::string game = row.cycleNotDedicated ? "dravek.exe" : "dravekDed.exe";
    install.WriteFile(game, row.game);
    fs::permissions(install.PathOf(game), fs::perms(row.mode));
    // Only our recording wine may be found: the machine may have a real one.
    ::setenv("PATH", (install.Root() + (row.wineOnPath ? "/bin" : "/nowhere")).c_str(), 1);
    fs::current_path(install.PathOf("elsewhere"));
    ServerSettings settings = install.Settings();
    settings.gameFolder = "my\tmod";
    settings.net_serverDedicated = row.cycleNotDedicated ? 0 : 1;
    settings.si_mapCycle = row.cycleNotDedicated ? 1 : 0;
    const Result started = StartServer(settings, *MakeSystemLauncher());
    ::setenv("PATH", previousPath.c_str(), 1);
    install.WriteFile("go", "");
    EXPECT_EQ(OperatorMessage(started), row.shown);
    EXPECT_EQ(started.reason.message(), row.reason.empty() ? "Success" : row.reason);
    while (!row.recorded.empty() && !install.Exists("launch-record.txt")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const std::string wine = row.wineOnPath ? install.Root() + "/" + game + "\n" : "";
    const std::string process = std::to_string(started.process) + "\n";
    EXPECT_EQ(install.ReadFile("launch-record.txt"),
              row.recorded.empty() ? "" : process + install.Root() + "\n" + wine + row.recorded);
}

const std::string kPlain = "+set\nfs_game\nmy\tmod+exec\nkelvrin.cfg\n";
const std::string kCycle = "+set\nfs_game\nmy\tmod+exec\nkelvrin.scriptcfg\n+exec\nkelvrin.cfg\n";
const std::string kCannot = "can't start \"dravekDed.exe\"";
const Start kStarts[] = {
    {"not dedicated, map cycle", true, kRecorder, 0755, false, kCycle, "", ""},
    {"Windows program, not executable", false, "MZ\x90", 0644, true, kPlain, "", ""},
    {"Windows program, executable", false, "MZ\x90", 0755, true, kPlain, "", ""},
    {"no wine", false, "MZ\x90", 0755, false, "", kCannot,
     "a Windows program, and no wine to start it (install the package wine)"},
    {"no program", false, "text\n", 0755, true, "", kCannot, "Exec format error"},
};
INSTANTIATE_TEST_SUITE_P(Programs, GameStart, ::testing::ValuesIn(kStarts), RowName());

}  // namespace
}  // namespace kelvrin::testing
