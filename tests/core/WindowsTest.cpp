// What only Windows can get wrong: names beyond the ANSI code page, the hidden attribute, files
// that other programs hold open, and the shell starting the game.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include <windows.h>

#include "app/GameFolderList.h"
#include "files/RawFile.h"
#include "files/TextFile.h"
#include "launch/ServerLaunch.h"
#include "messages/Result.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

TEST(WindowsGameFolders, HiddenOnesLeftOutNonAsciiOnesListed) {
    TempInstallation install;
    for (const std::string folder : {"dvbase", "Grüße", "secret"}) install.MakeFolder(folder);
    ::SetFileAttributesW(install.PathOf("secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ListGameFolders(install.Root()), (std::vector<std::string>{"dvbase", "Grüße"}));
}

// The name the next replace of the path tries first: "...-<counter>-<attempt>".
std::string NextTemporaryName(const std::string& path) {
    const std::string last = rawfile::TemporaryNameFor(path, 0);
    const std::size_t start = last.rfind('-', last.size() - 3) + 1;
    return last.substr(0, start) + std::to_string(std::stoul(last.substr(start)) + 1) + "-0";
}

// A stale temporary stands where the save begins, and the game holds the file for 300 ms as it
// reads it: shared for writing, not for deleting.
TEST(WindowsSave, PassesAStaleTemporaryAndWaitsForAReaderToLetGo) {
    TempInstallation install;
    install.WriteFile("kelvrin.cfg", "old\r\n");
    install.WriteFile(NextTemporaryName("kelvrin.cfg"), "stale");
    const HANDLE held =
        ::CreateFileW(install.PathOf("kelvrin.cfg").c_str(), GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread reader([held] {
        ::Sleep(300);
        ::CloseHandle(held);
    });
    EXPECT_TRUE(ReplaceTextFile("kelvrin.cfg", "new\n"));
    reader.join();
    EXPECT_EQ(install.ReadFile("kelvrin.cfg"), "new\r\n");
}

// A copy of the system's command interpreter stands in for the game and writes where it runs.
TEST(WindowsLauncher, StartsTheGameInTheStartDirectoryFromElsewhere) {
    TempInstallation install;
    std::filesystem::copy_file(::_wgetenv(L"ComSpec"), install.PathOf("dravekDed.exe"));
    install.MakeFolder("elsewhere");
    std::filesystem::current_path(install.PathOf("elsewhere"));
    const auto launcher = MakeSystemLauncher();
    const char* const recordWhereItRuns = "/c cd > record.part && ren record.part record.txt";
    EXPECT_FALSE(launcher->Start(install.Root(), "dravekDed.exe", recordWhereItRuns).reason);
    for (int wait = 0; wait < 2000 && !install.Exists("record.txt"); ++wait) ::Sleep(10);
    EXPECT_EQ(install.ReadFile("record.txt"), install.Root() + "\r\n");
}

// Beyond the ANSI code page, and what cmd.exe takes as its own (& and ^, and % as the start of a
// variable): the batch file, run by cmd.exe as a double click does, hands the game's stand-in
// (built beside this program, it writes the command line it was given) the folder's name.
TEST(WindowsBatchFile, HandsTheGameTheFolderByItsName) {
    TempInstallation install;
    const std::string folder = "Ärger_R&D^100%";
    install.MakeFolder(folder);
    ServerSettings settings = install.Settings();
    settings.gameFolder = folder;
    SaveConfig(settings);
    EXPECT_TRUE(install.Exists(folder + "/kelvrin.cfg"));
    std::filesystem::copy_file(std::filesystem::path(_pgmptr).replace_filename("game_stand_in.exe"),
                               install.PathOf("dravekDed.exe"));
    // The batch file echoes its line; only the game's record is of interest.
    ::_wsystem(
        (L"\"\"" + install.PathOf("kvr_" + folder + ".bat").wstring() + L"\" >nul\"").c_str());
    EXPECT_EQ(
        install.ReadFile("command-line.txt"),
        "dravekDed.exe +set fs_game Ärger_R&D^100% +exec kelvrin.scriptcfg +exec kelvrin.cfg");
}

// Neither a Western nor an East Asian console code page has both letters: the game could only
// be handed another name, so the batch file is refused while kelvrin.cfg is written.
TEST(WindowsBatchFile, RefusedForAFolderTheConsoleCodePageCannotSpell) {
    if (::GetOEMCP() == CP_UTF8) GTEST_SKIP() << "a UTF-8 console spells every name";
    TempInstallation install;
    install.MakeFolder("Ärger東京");
    ServerSettings settings = install.Settings();
    settings.gameFolder = "Ärger東京";
    EXPECT_EQ(OperatorMessage(SaveConfig(settings)), "can't write \"kvr_Ärger東京.bat\"!");
    EXPECT_TRUE(install.Exists("Ärger東京/kelvrin.cfg"));
    EXPECT_FALSE(install.Exists("kvr_Ärger東京.bat"));
}

}  // namespace
}  // namespace kelvrin::testing
