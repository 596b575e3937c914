// Writing the map-cycle script kelvrin.scriptcfg.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps/MapCycle.h"
#include "tests/support/Standing.h"

namespace kelvrin::testing {
namespace {

// OK in the map dialog on a long first row and a last one; the writing itself is checked through
// kelvrin-cli's "cycle". What is not written keeps the previous script and start map.
struct Cycle : Named {
    std::string folder;
    std::string last;
    Outcome outcome;
    std::string script;  // empty: a folder stands in its place
    std::string shown;
    std::string startMap;
};

class WriteMapCycle : public ::testing::TestWithParam<Cycle> {};

const std::string kOld = "set si_mapcycle \"mp/dvdm2.map\"\r\n";
const std::string kM9973(9973, 'm');
const std::string kFull = "set si_mapcycle \"mp/" + kM9973 + ";mp/a\"\r\n";

TEST_P(WriteMapCycle, WritesTheScriptOrKeepsThePreviousOne) {
    const Cycle& row = GetParam();
    TempInstallation install;
    if (row.script.empty()) {
        install.MakeFolder("dvbase/kelvrin.scriptcfg");
    } else {
        install.WriteFile("dvbase/kelvrin.scriptcfg", kOld);
    }
    ServerSettings settings = install.Settings();
    settings.gameFolder = row.folder;
    const Result written = kelvrin::WriteMapCycle(settings, {kM9973, row.last});
    EXPECT_EQ(written.outcome, row.outcome);
    if (!row.script.empty()) {
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), row.script);
    }
    EXPECT_EQ(OperatorMessage(written), row.shown);
    EXPECT_EQ(settings.si_map, row.startMap);
    EXPECT_EQ(settings.mapCycleScriptPresent, row.script == kFull);
}

// 17 + "mp/" + a row + closing quote + line end may fill the 10000 characters exactly.
const Cycle kCycles[] = {
    {"fills the script", "dvbase", "a", Outcome::Done, kFull, "", "mp/" + kM9973},
    {"one too long", "dvbase", "ab", Outcome::MapListTooLong, kOld, "your maplist is too long !!!",
     "mp/dvdm1"},
    {"no game folder", "missing", "a", Outcome::FolderNotOpened, kOld,
     "can't open subdirectory \"missing\" !", "mp/dvdm1"},
    {"not written", "dvbase", "a", Outcome::MapCycleNotWritten, "",
     "can't write \"kelvrin.scriptcfg\" !", "mp/dvdm1"},
};
INSTANTIATE_TEST_SUITE_P(Lists, WriteMapCycle, ::testing::ValuesIn(kCycles), RowName());

}  // namespace
}  // namespace kelvrin::testing
