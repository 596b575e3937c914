// What only Windows can get wrong: names beyond the ANSI code page, the hidden attribute, files
// that other programs hold open, and the shell starting the game.
#include <gtest/gtest.h>

#include <thread>

#include <windows.h>

#include "app/GameFolderList.h"
#include "files/RawFile.h"
#include "files/TextFile.h"
#include "launch/ServerLaunch.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

const std::string kNonAscii = "Gr\xC3\xBC\xC3\x9F\x65";  // "Grüße" in UTF-8

TEST(WindowsGameFolders, HiddenOnesLeftOutNonAsciiOnesListedAndSavedInto) {
    TempInstallation install;
    for (const std::string folder : {"dvbase", "secret"}) install.MakeFolder(folder);
    install.MakeFolder(kNonAscii);
    ::SetFileAttributesW(install.PathOf("secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ListGameFolders(install.Root()), (std::vector<std::string>{"dvbase", kNonAscii}));

    ServerSettings settings;
    settings.startDirectory = install.Root();
    settings.gameFolder = kNonAscii;
    RecordingMessages messages;
    SaveConfig(settings, messages);
    EXPECT_TRUE(install.Exists(kNonAscii + "/kelvrin.cfg"));
    EXPECT_TRUE(install.Exists("kvr_" + kNonAscii + ".bat"));
}

// The name the next replace of the path tries first: "...-<counter>-<attempt>".
std::string NextTemporaryName(const std::string& path) {
    const std::string last = rawfile::TemporaryNameFor(path, 0);
    const std::size_t start = last.rfind('-', last.size() - 3) + 1;
    return last.substr(0, start) + std::to_string(std::stoul(last.substr(start)) + 1) + "-0";
}

TEST(WindowsSave, PassesAStaleTemporaryAndWaitsForAReaderToLetGo) {
    for (const bool stale : {true, false}) {
        TempInstallation install;
        install.WriteFile("kelvrin.cfg", "old\r\n");
        if (stale) install.WriteFile(NextTemporaryName("kelvrin.cfg"), "stale");
        // Otherwise open for 300 ms as the game reads it: shared for writing, not for deleting.
        const HANDLE held = stale ? nullptr
                                  : ::CreateFileW(install.PathOf("kelvrin.cfg").c_str(),
                                                  GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::thread reader([held] {
            ::Sleep(300);
            if (held) ::CloseHandle(held);
        });
        EXPECT_TRUE(ReplaceTextFile("kelvrin.cfg", "new\n")) << stale;
        reader.join();
        EXPECT_EQ(install.ReadFile("kelvrin.cfg"), "new\r\n") << stale;
    }
}

// A copy of the system's command interpreter stands in for the game and writes where it runs.
TEST(WindowsLauncher, StartsTheGameInTheStartDirectoryFromElsewhere) {
    TempInstallation install;
    std::filesystem::copy_file(::_wgetenv(L"ComSpec"), install.PathOf("dravekDed.exe"));
    install.MakeFolder("elsewhere");
    std::filesystem::current_path(install.PathOf("elsewhere"));
    EXPECT_TRUE(MakeSystemLauncher()->Start(install.Root(), "dravekDed.exe",
                                            "/c cd > record.part && ren record.part record.txt"));
    for (int wait = 0; wait < 2000 && !install.Exists("record.txt"); ++wait) ::Sleep(10);
    EXPECT_EQ(install.ReadFile("record.txt"), install.Root() + "\r\n");
}

}  // namespace
}  // namespace kelvrin::testing
