// What only Windows can get wrong: names beyond the ANSI code page, the hidden attribute, and
// files that other programs hold open.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

#include "app/GameFolderList.h"
#include "app/RawFile.h"
#include "app/TextFile.h"
#include "launch/ServerLaunch.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::TempInstallation;

const std::string kNonAscii = "Gr\xC3\xBC\xC3\x9F\x65";  // "Grüße" in UTF-8

TEST(WindowsGameFolders, HiddenOnesLeftOutNonAsciiOnesListedAndSavedInto) {
    TempInstallation install;
    for (const std::string& folder : {std::string("dvbase"), kNonAscii, std::string("secret")}) {
        install.MakeFolder(folder);
    }
    ::SetFileAttributesW(install.PathOf("secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ListGameFolders(install.Root()), (std::vector<std::string>{"dvbase", kNonAscii}));

    ServerSettings settings;
    settings.startDirectory = install.Root();
    settings.gameFolder = kNonAscii;
    testing::RecordingMessages messages;
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
        std::thread reader;
        if (stale) {
            install.WriteFile(NextTemporaryName("kelvrin.cfg"), "stale");
        } else {
            // As the game reads it: shared for reading and writing, not for deleting.
            const HANDLE held = ::CreateFileW(install.PathOf("kelvrin.cfg").c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
            reader = std::thread([held] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                ::CloseHandle(held);
            });
        }
        EXPECT_TRUE(ReplaceTextFile("kelvrin.cfg", "new\n")) << stale;
        if (reader.joinable()) reader.join();
        EXPECT_EQ(install.ReadFile("kelvrin.cfg"), "new\r\n") << stale;
    }
}

}  // namespace
}  // namespace kelvrin
