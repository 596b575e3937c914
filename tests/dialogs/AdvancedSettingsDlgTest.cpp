// The advanced settings dialog on a recording view: what it shows, what OK stores, and that
// Cancel stores nothing.
#include <gtest/gtest.h>

#include "tests/support/DialogScenario.h"
#include "tests/support/SettingsByName.h"

namespace kelvrin::testing {
namespace {

// It shows the store; with the LAN switch on the master edits are disabled but filled in, and a
// stored client rate outside the list shows no entry. OK stores what the operator changed and
// leaves the rest and settingsChanged as they were, disabled edits included; a stored negative
// number keeps its sign; Cancel stores nothing.
TEST(AdvancedSettingsDlg, ShowsTheStoreAndOkStoresTheEdits) {
    const std::string shown =
        "?text:0=Kelvrin - Advanced Settings|?text:ZombieTimeout=-5|?text:MaxUsercmdRelay=3|"
        "?text:ClientTimeout=60|?checked:Allow Server Mod=0|?text:1012=master.dravek.example.org|"
        "?text:1015=|?text:1026=|?text:1027=four|?text:1042=|?enabled:1012,1015,1026,1027,1042=";
    const struct {
        const char* name;
        std::string stored;  // changes to the store before the dialog opens
        std::string steps;
        const char* setting;  // "": the store as it was
        std::string taken;
    } rows[] = {
        {"LAN server", "", shown + "00000|?text:ClientRate=19000|click:Cancel", "", ""},
        {"internet server, rate out of the list",
         "store:net_LANServer=0|store:net_serverMaxClientRate=10|",
         shown + "11111|?text:ClientRate=|click:Cancel", "", ""},
        {"rate chosen", "", "pick:ClientRate=25000|click:OK", "net_serverMaxClientRate", "9"},
        {"rate out of the list", "", "type:ClientRate=15000|click:OK", "net_serverMaxClientRate",
         "-1"},
        {"relay emptied", "", "type:MaxUsercmdRelay=|click:OK", "net_serverMaxUsercmdRelay", "0"},
        {"time-out, letters", "", "type:ClientTimeout=71x-|click:OK", "net_serverClientTimeout",
         "71"},
        {"master of 120 characters", "", "type:1026=" + std::string(120, 'h') + "|click:OK",
         "sv_master3", std::string(99, 'h')},
        {"server mod ticked", "", "click:Allow Server Mod|click:OK", "net_serverAllowServerMod",
         "1"},
        {"master typed, Cancel", "", "type:1012=other|click:Cancel", "sv_master1",
         "master.dravek.example.org"},
        {"server mod, Cancel", "", "click:Allow Server Mod|click:Cancel",
         "net_serverAllowServerMod", "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DialogScenario advanced;
        advanced.Run("store:net_serverZombieTimeout=-5|store:sv_master4=four|" + row.stored);
        advanced.settings.settingsChanged = true;
        ServerSettings expected = advanced.settings;
        advanced.Run("open:140|" + row.steps);
        if (*row.setting != '\0') Assign(expected, row.setting, row.taken);
        for (const std::string& name : EverySettingName()) {
            EXPECT_EQ(ValueOf(advanced.settings, name), ValueOf(expected, name)) << name;
        }
        EXPECT_TRUE(advanced.settings.settingsChanged);
        EXPECT_EQ(advanced.window->closed, row.steps.ends_with("OK"));
    }
}

}  // namespace
}  // namespace kelvrin::testing
