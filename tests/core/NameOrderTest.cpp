#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GameFolderList.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

// Letter case ignored; names equal but for case in byte order; bytes above 127 before all ASCII;
// a name that starts another comes first, also beyond the eighth byte.
TEST(NameOrder, ListsFoldersIgnoringCaseWithTiesAndHighBytesInAFixedOrder) {
    const std::vector<std::vector<std::string>> expectedOrders = {
        {"A", "a", "B", "b"},
        {"\xc3\xa9" "cole", "_x", "Alpha", "zeta"},
        {"LONGNAME_b", "longname_B", "mapsforal", "mapsforall", "MAPSFORALL2"},
    };
    for (const std::vector<std::string>& expected : expectedOrders) {
        testing::TempInstallation install;
        for (auto name = expected.rbegin(); name != expected.rend(); ++name) install.MakeFolder(*name);
        EXPECT_EQ(ListGameFolders(install.Root()), expected);
    }
}

}  // namespace
}  // namespace kelvrin
