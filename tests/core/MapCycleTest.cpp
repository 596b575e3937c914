// Writing the map-cycle script kelvrin.scriptcfg.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps/MapCycle.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

// OK in the map dialog on a long first row and a last one; the writing itself is checked through
// kelvrin-cli's "cycle". Only a list too long keeps the dialog open; what is not written keeps
// the previous script and start map.
TEST(WriteMapCycle, WritesTheScriptOrKeepsThePreviousOne) {
    const std::string old = "set si_mapcycle \"mp/dvdm2.map\"\r\n";
    const std::string m9973(9973, 'm');
    const std::string full = "set si_mapcycle \"mp/" + m9973 + ";mp/a\"\r\n";
    const std::string tooLong = "your maplist is too long !!!";
    const std::string notWritten = "can't write \"kelvrin.scriptcfg\" !";
    const struct {
        const char* name;
        std::string folder;
        std::string last;
        Outcome outcome;
        std::string script;  // empty: a folder stands in its place
        std::string shown;
        std::string startMap;
    } rows[] = {
        // 17 + "mp/" + a row + closing quote + line end may fill the 10000 characters exactly.
        {"fills the script", "dvbase", "a", Outcome::Done, full, "", "mp/" + m9973},
        {"one too long", "dvbase", "ab", Outcome::MapListTooLong, old, tooLong, "mp/dvdm1"},
        {"no game folder", "missing", "a", Outcome::FolderNotOpened, old, "", "mp/dvdm1"},
        {"not written", "dvbase", "a", Outcome::MapCycleNotWritten, "", notWritten, "mp/dvdm1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempInstallation install;
        if (row.script.empty()) install.MakeFolder("dvbase/kelvrin.scriptcfg");
        if (!row.script.empty()) install.WriteFile("dvbase/kelvrin.scriptcfg", old);
        ServerSettings settings = install.Settings();
        settings.gameFolder = row.folder;
        const Result written = WriteMapCycle(settings, {m9973, row.last});
        EXPECT_EQ(written.outcome, row.outcome);
        if (!row.script.empty()) {
            EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), row.script);
        }
        if (written.outcome != Outcome::FolderNotOpened) {
            EXPECT_EQ(OperatorMessage(written), row.shown);
        }
        EXPECT_EQ(settings.si_map, row.startMap);
        EXPECT_EQ(settings.mapCycleScriptPresent, row.script == full);
    }
}

}  // namespace
}  // namespace kelvrin::testing
