// Game folders: entering them, listing them and reading their configuration.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GameFolderList.h"
#include "files/Directories.h"
#include "settings/GameFolderConfig.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

#ifndef _WIN32  // a dot-folder is not hidden there, and "A" is "a"
// Letter case ignored; names equal but for case in byte order; bytes above 127 before all ASCII;
// a name that starts another comes first, also beyond the eighth byte. Hidden folders and plain
// files are no game folders.
TEST(GameFolders, ListsVisibleSubfoldersIgnoringCaseInAFixedOrder) {
    const std::vector<std::vector<std::string>> expectedOrders = {
        {"A", "a", "B", "b"},
        {"\xc3\xa9"
         "cole",
         "_x", "Alpha", "zeta"},
        {"LONGNAME_b", "longname_B", "mapsforal", "mapsforall", "MAPSFORALL2"},
    };
    for (const std::vector<std::string>& expected : expectedOrders) {
        TempInstallation install;
        for (auto name = expected.rbegin(); name != expected.rend(); ++name)
            install.MakeFolder(*name);
        install.MakeFolder(".hidden"), install.WriteFile("plainfile", "x");
        EXPECT_EQ(ListGameFolders(install.Root()), expected);
    }
}
#endif

// The folder's file is read over the store; without a map-cycle script the cycle goes off. A folder
// that cannot be entered is passed over.
TEST(LoadGameFolderConfig, ReadsOnlyTheFirst5000Characters) {
    TempInstallation install;
    // CR LF counts as one character, so the value's "A" is the 5000th character read.
    install.WriteFile("dvbase/kelvrin.cfg", "\r\n" + std::string(4989, ' ') +
                                                "si_name \"AB\"\r\nset si_fragLimit \"9\"\r\n");
    ServerSettings settings = install.Settings();
    LoadGameFolderConfig(settings, "dvbase");
    EXPECT_EQ(std::pair(settings.si_name, settings.si_fragLimit), std::pair(std::string("A"), 0));
}

TEST(CurrentDirectory, TakesDeepPathsWhole) {
    TempInstallation install;
    std::string deep;
    for (int level = 0; level < 12; ++level) deep += (level ? "/" : "") + std::string(30, 'd');
    install.MakeFolder(deep);
    std::filesystem::current_path(install.PathOf(deep));
    EXPECT_EQ(CurrentDirectory(), install.PathOf(deep).string());
}

}  // namespace
}  // namespace kelvrin::testing
