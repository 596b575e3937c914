// The advanced settings dialog on a recording view: what it shows, what OK stores, and that
// Cancel stores nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/AdvancedSettingsDlg.h"
#include "tests/support/RecordingView.h"
#include "tests/support/SettingsByName.h"

namespace kelvrin::testing {
namespace {

constexpr int kZombieTimeout = 1009;
constexpr int kMaxUsercmdRelay = 1010;
constexpr int kClientTimeout = 1011;
constexpr int kAllowServerMod = 1000;
constexpr int kClientRate = 1007;
constexpr int kMasters[] = {1012, 1015, 1026, 1027, 1042};

// With the LAN switch on the master edits are disabled but filled in; a stored client rate
// outside the list shows no entry.
TEST(AdvancedSettingsDlg, ShowsTheStore) {
    const struct {
        const char* name;
        std::int32_t lan;
        std::int32_t rate;
        std::string shownRate;
    } rows[] = {
        {"LAN server", 1, 3, "19000"},
        {"internet server", 0, 10, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ServerSettings settings;
        settings.net_LANServer = row.lan;
        settings.net_serverMaxClientRate = row.rate;
        settings.sv_master4 = "four";
        CAdvancedSettingsDlg dialog(settings);
        RecordingView view(dialog);
        EXPECT_EQ(view.Text(kWindowItem), "Kelvrin - Advanced Settings");
        EXPECT_EQ(view.Text(kZombieTimeout), "5");
        EXPECT_EQ(view.Text(kMaxUsercmdRelay), "3");
        EXPECT_EQ(view.Text(kClientTimeout), "60");
        EXPECT_EQ(view.Text(kClientRate), row.shownRate);
        EXPECT_FALSE(view.Checked(kAllowServerMod));
        const std::vector<std::string> masters{"master.dravek.example.org", "", "", "four", ""};
        for (std::size_t i = 0; i < masters.size(); ++i) {
            EXPECT_EQ(view.Text(kMasters[i]), masters[i]) << kMasters[i];
            EXPECT_EQ(view.At(kMasters[i]).enabled, row.lan == 0) << kMasters[i];
        }
    }
}

// OK stores what the operator changed and leaves the rest and settingsChanged as they were,
// disabled edits included; a stored negative number keeps its sign; Cancel stores nothing.
TEST(AdvancedSettingsDlg, OkStoresTheEditsAndCancelNothing) {
    const struct {
        const char* name;
        int control;
        std::string typed;  // "click" ticks a box, "pick N" picks an item
        int button;
        const char* setting;
        std::string stored;
    } rows[] = {
        {"rate chosen", kClientRate, "pick 9", kOkButton, "net_serverMaxClientRate", "9"},
        {"rate out of the list", kClientRate, "15000", kOkButton, "net_serverMaxClientRate", "-1"},
        {"relay emptied", kMaxUsercmdRelay, "", kOkButton, "net_serverMaxUsercmdRelay", "0"},
        {"time-out, letters", kClientTimeout, "71x-", kOkButton, "net_serverClientTimeout", "71"},
        {"master of 120 characters", kMasters[2], std::string(120, 'h'), kOkButton, "sv_master3",
         std::string(99, 'h')},
        {"server mod ticked", kAllowServerMod, "click", kOkButton, "net_serverAllowServerMod", "1"},
        {"master typed, Cancel", kMasters[0], "other", kCancelButton, "sv_master1",
         "master.dravek.example.org"},
        {"server mod, Cancel", kAllowServerMod, "click", kCancelButton, "net_serverAllowServerMod",
         "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ServerSettings settings;
        settings.net_serverZombieTimeout = -5;
        settings.settingsChanged = true;
        ServerSettings expected = settings;
        Assign(expected, row.setting, row.stored);
        CAdvancedSettingsDlg dialog(settings);
        RecordingView view(dialog);
        if (row.typed == "click") view.Click(row.control);
        if (row.typed.starts_with("pick ")) view.Pick(row.control, std::stoi(row.typed.substr(5)));
        if (row.typed != "click" && !row.typed.starts_with("pick ")) {
            view.Type(row.control, row.typed);
        }
        view.Click(row.button);
        for (const std::string& name : EverySettingName()) {
            EXPECT_EQ(ValueOf(settings, name), ValueOf(expected, name)) << name;
        }
        EXPECT_TRUE(settings.settingsChanged);
        EXPECT_EQ(view.closed, row.button == kOkButton);
    }
}

}  // namespace
}  // namespace kelvrin::testing
