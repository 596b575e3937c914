// The advanced settings dialog on a recording view: what it shows, what OK stores, and that
// Cancel stores nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/AdvancedSettingsDlg.h"
#include "tests/support/RecordingView.h"

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
        std::function<void(RecordingView&)> act;
        std::function<void(ServerSettings&)> expect;
        int button;
    } rows[] = {
        {"rate chosen", [](RecordingView& v) { v.Pick(kClientRate, 9); },
         [](ServerSettings& s) { s.net_serverMaxClientRate = 9; }, kOkButton},
        {"rate typed out of the list", [](RecordingView& v) { v.Type(kClientRate, "15000"); },
         [](ServerSettings& s) { s.net_serverMaxClientRate = -1; }, kOkButton},
        {"relay emptied", [](RecordingView& v) { v.Type(kMaxUsercmdRelay, ""); },
         [](ServerSettings& s) { s.net_serverMaxUsercmdRelay = 0; }, kOkButton},
        {"time-out with letters", [](RecordingView& v) { v.Type(kClientTimeout, "71x-"); },
         [](ServerSettings& s) { s.net_serverClientTimeout = 71; }, kOkButton},
        {"master of 120 characters",
         [](RecordingView& v) { v.Type(kMasters[2], std::string(120, 'h')); },
         [](ServerSettings& s) { s.sv_master3 = std::string(99, 'h'); }, kOkButton},
        {"server mod ticked", [](RecordingView& v) { v.Click(kAllowServerMod); },
         [](ServerSettings& s) { s.net_serverAllowServerMod = 1; }, kOkButton},
        {"master typed, Cancel", [](RecordingView& v) { v.Type(kMasters[0], "other"); },
         [](ServerSettings&) {}, kCancelButton},
        {"server mod ticked, Cancel", [](RecordingView& v) { v.Click(kAllowServerMod); },
         [](ServerSettings&) {}, kCancelButton},
    };
    const auto fields = [](const ServerSettings& s) {
        return std::vector<std::string>{std::to_string(s.net_serverZombieTimeout),
                                        std::to_string(s.net_serverMaxUsercmdRelay),
                                        std::to_string(s.net_serverClientTimeout),
                                        std::to_string(s.net_serverMaxClientRate),
                                        std::to_string(s.net_serverAllowServerMod),
                                        s.sv_master1,
                                        s.sv_master2,
                                        s.sv_master3,
                                        s.sv_master4,
                                        s.sv_master5,
                                        std::to_string(s.settingsChanged)};
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ServerSettings settings;
        settings.net_serverZombieTimeout = -5;
        settings.settingsChanged = true;
        ServerSettings expected = settings;
        row.expect(expected);
        CAdvancedSettingsDlg dialog(settings);
        RecordingView view(dialog);
        row.act(view);
        view.Click(row.button);
        EXPECT_EQ(fields(settings), fields(expected));
        EXPECT_EQ(view.closed, row.button == kOkButton);
    }
}

}  // namespace
}  // namespace kelvrin::testing
