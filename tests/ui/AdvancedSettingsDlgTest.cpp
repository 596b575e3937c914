// The advanced settings dialog: what it shows of the store and what OK and Cancel put back.
#include "ui/AdvancedSettingsDlg.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "settings/ServerSettings.h"

namespace kelvrin {
namespace {

constexpr int kZombieTimeout = 1009, kMaxUsercmdRelay = 1010, kClientTimeout = 1011;
constexpr int kAllowServerMod = 1000, kClientRate = 1007, kOk = 1, kCancel = 2;
constexpr std::array<int, 5> kMasters{1012, 1015, 1026, 1027, 1042};

// Everything the dialog may assign, for checking that nothing else moved.
auto DialogFields(const ServerSettings& s) {
    return std::tie(s.net_serverZombieTimeout, s.net_serverMaxUsercmdRelay, s.net_serverClientTimeout,
                    s.net_serverMaxClientRate, s.net_serverAllowServerMod, s.sv_master1, s.sv_master2,
                    s.sv_master3, s.sv_master4, s.sv_master5, s.settingsChanged);
}

struct AdvancedDialog {
    explicit AdvancedDialog(ServerSettings& settings) : dialog(settings) { dialog.show(); }
    QLineEdit* Edit(int id) const {
        if (id == kClientRate) return dialog.ItemAs<QComboBox>(id)->lineEdit();
        return dialog.ItemAs<QLineEdit>(id);
    }
    QStringList Texts() const {
        QStringList texts;
        for (const int id : {kZombieTimeout, kMaxUsercmdRelay, kClientTimeout, kClientRate, 1012, 1015, 1026, 1027, 1042})
            texts << Edit(id)->text();
        return texts;
    }
    void Click(int id) { QTest::mouseClick(dialog.ItemAs<QAbstractButton>(id), Qt::LeftButton); }
    void Retype(int id, const QString& text) {
        Edit(id)->selectAll();
        QTest::keyClick(Edit(id), Qt::Key_Delete);
        QTest::keyClicks(Edit(id), text);
    }
    CAdvancedSettingsDlg dialog;
};

// With the LAN switch on the master edits are disabled but filled and stored unchanged.
TEST(AdvancedSettingsDlg, ShowsTheStore) {
    for (const std::int32_t lan : {1, 0}) {
        ServerSettings settings;
        settings.net_LANServer = lan, settings.sv_master4 = "four", settings.net_serverMaxClientRate = lan ? 3 : 10;
        const ServerSettings before = settings;
        AdvancedDialog advanced(settings);
        EXPECT_EQ(advanced.Texts(), QStringList({"5", "3", "60", lan ? "19000" : "", "master.dravek.example.org", "", "",
                                                 "four", ""}));
        for (const int id : kMasters) EXPECT_EQ(advanced.Edit(id)->isEnabled(), lan == 0) << id;
        EXPECT_FALSE(advanced.dialog.ItemAs<QCheckBox>(kAllowServerMod)->isChecked());
        advanced.Click(kOk);
        EXPECT_EQ(settings.net_serverMaxClientRate, lan ? 3 : -1) << "a rate outside the list is no entry";
        settings.net_serverMaxClientRate = before.net_serverMaxClientRate;
        EXPECT_EQ(DialogFields(settings), DialogFields(before));
    }
}

// OK stores what was typed into one field and nothing else, a stored negative number keeps its
// sign, and settingsChanged stays as it was; Cancel after edits assigns nothing.
TEST(AdvancedSettingsDlg, OkStoresTheEditsAndCancelNothing) {
    const struct { int edit; QString typed; void (*expect)(ServerSettings&); int button = kOk; } rows[] = {
        {kClientRate, "25000", [](ServerSettings& s) { s.net_serverMaxClientRate = 9; }},
        {kClientRate, "15000", [](ServerSettings& s) { s.net_serverMaxClientRate = -1; }},
        {kMaxUsercmdRelay, "", [](ServerSettings& s) { s.net_serverMaxUsercmdRelay = 0; }},
        {kClientTimeout, "7x1-", [](ServerSettings& s) { s.net_serverClientTimeout = 71; }},
        {kMasters[2], QString(120, 'h'), [](ServerSettings& s) { s.sv_master3 = std::string(99, 'h'); }},
        {kAllowServerMod, "", [](ServerSettings& s) { s.net_serverAllowServerMod = 1; }},
        {kMasters[0], "other", [](ServerSettings&) {}, kCancel},
        {kAllowServerMod, "", [](ServerSettings&) {}, kCancel},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edit);
        ServerSettings settings;
        settings.net_LANServer = 0, settings.net_serverZombieTimeout = -5, settings.settingsChanged = true;
        ServerSettings expected = settings;
        row.expect(expected);
        AdvancedDialog advanced(settings);
        if (row.edit == kAllowServerMod) advanced.Click(kAllowServerMod);
        else advanced.Retype(row.edit, row.typed);
        advanced.Click(row.button);
        EXPECT_EQ(DialogFields(settings), DialogFields(expected));
    }
}

}  // namespace
}  // namespace kelvrin
