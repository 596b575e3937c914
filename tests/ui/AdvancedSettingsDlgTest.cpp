#include "ui/AdvancedSettingsDlg.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "settings/ServerSettings.h"

namespace kelvrin {
namespace {

constexpr int kZombieTimeout = 1009, kMaxUsercmdRelay = 1010, kClientTimeout = 1011;
constexpr int kAllowServerMod = 1000, kClientRate = 1007, kOk = 1, kCancel = 2;
constexpr std::array<int, 5> kMasterEdits{1012, 1015, 1026, 1027, 1042};
constexpr std::array<std::string ServerSettings::*, 5> kMasters{
    &ServerSettings::sv_master1, &ServerSettings::sv_master2, &ServerSettings::sv_master3,
    &ServerSettings::sv_master4, &ServerSettings::sv_master5};

// Everything this dialog may assign, for checking that nothing else moved.
auto DialogFields(const ServerSettings& s) {
    return std::tie(s.net_serverZombieTimeout, s.net_serverMaxUsercmdRelay,
                    s.net_serverClientTimeout, s.net_serverMaxClientRate,
                    s.net_serverAllowServerMod, s.sv_master1, s.sv_master2, s.sv_master3,
                    s.sv_master4, s.sv_master5, s.settingsChanged);
}

class AdvancedSettingsDlgTest : public ::testing::Test {
public:
    void Open() {
        dialog = std::make_unique<CAdvancedSettingsDlg>(settings);
        dialog->show();
    }

    // An edit, or the edit field of the client rate box.
    QLineEdit* Edit(int id) const {
        if (id == kClientRate) return dialog->ItemAs<QComboBox>(id)->lineEdit();
        return dialog->ItemAs<QLineEdit>(id);
    }
    void Click(int id) const {
        QTest::mouseClick(dialog->ItemAs<QAbstractButton>(id), Qt::LeftButton);
    }

    void Retype(int id, const std::string& text) const {
        Edit(id)->selectAll();
        QTest::keyClick(Edit(id), Qt::Key_Delete);
        QTest::keyClicks(Edit(id), QString::fromStdString(text));
    }

    ServerSettings settings;
    std::unique_ptr<CAdvancedSettingsDlg> dialog;
};

TEST_F(AdvancedSettingsDlgTest, ShowsTheDefaults) {
    Open();
    const std::pair<int, std::string> shown[] = {
        {kZombieTimeout, "5"},   {kMaxUsercmdRelay, "3"}, {kClientTimeout, "60"},
        {kClientRate, "19000"},  {kMasterEdits[0], std::string(kDefaultMasterServer)},
        {kMasterEdits[1], ""},   {kMasterEdits[2], ""},   {kMasterEdits[3], ""},
        {kMasterEdits[4], ""}};
    for (const auto& [id, text] : shown) EXPECT_EQ(Edit(id)->text().toStdString(), text) << id;
    EXPECT_FALSE(dialog->ItemAs<QCheckBox>(kAllowServerMod)->isChecked());
}

TEST_F(AdvancedSettingsDlgTest, LanServerDisablesTheMasterEditsWhoseValuesAreStillStored) {
    const std::array<std::string, 5> masters{"m1.example.org", "m2", "", "m4", "m5.example.org"};
    for (std::size_t i = 0; i < kMasters.size(); ++i) settings.*kMasters[i] = masters[i];
    for (const std::int32_t lan : {1, 0}) {
        SCOPED_TRACE(lan);
        settings.net_LANServer = lan;
        const ServerSettings before = settings;
        Open();
        for (std::size_t i = 0; i < kMasterEdits.size(); ++i) {
            EXPECT_EQ(Edit(kMasterEdits[i])->isEnabled(), lan == 0) << kMasterEdits[i];
            EXPECT_EQ(Edit(kMasterEdits[i])->text().toStdString(), masters[i]);
        }
        EXPECT_TRUE(Edit(kZombieTimeout)->isEnabled());
        Click(kOk);
        EXPECT_EQ(DialogFields(settings), DialogFields(before));
    }
}

// OK stores what was typed into one field and nothing else (a stored negative number keeps its
// sign); settingsChanged stays as it was.
TEST_F(AdvancedSettingsDlgTest, OkStoresTheTypedField) {
    struct Case {
        const char* name;
        int edit;
        std::string typed;
        void (*expect)(ServerSettings&);
    };
    const Case cases[] = {
        {"listed rate", kClientRate, "25000", [](auto& s) { s.net_serverMaxClientRate = 9; }},
        {"unlisted rate", kClientRate, "15000", [](auto& s) { s.net_serverMaxClientRate = -1; }},
        {"emptied field", kMaxUsercmdRelay, "", [](auto& s) { s.net_serverMaxUsercmdRelay = 0; }},
        {"digits only", kClientTimeout, "7x1-", [](auto& s) { s.net_serverClientTimeout = 71; }},
        {"long master", kMasterEdits[2], std::string(120, 'h'),
         [](auto& s) { s.sv_master3 = std::string(99, 'h'); }},
        {"server mod ticked", kAllowServerMod, "", [](auto& s) { s.net_serverAllowServerMod = 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings = ServerSettings{};
        settings.net_LANServer = 0;
        ServerSettings expected = settings;
        c.expect(expected);
        settings.net_serverZombieTimeout = expected.net_serverZombieTimeout = -5;
        Open();
        if (c.edit == kAllowServerMod) Click(kAllowServerMod);
        else Retype(c.edit, c.typed);
        Click(kOk);
        EXPECT_EQ(DialogFields(settings), DialogFields(expected));
    }
}

TEST_F(AdvancedSettingsDlgTest, AStoredClientRateOutsideTheListShowsNoEntry) {
    for (const std::int32_t rate : {10, -1}) {
        settings.net_serverMaxClientRate = rate;
        Open();
        EXPECT_EQ(Edit(kClientRate)->text(), "") << rate;
        Click(kOk);
        EXPECT_EQ(settings.net_serverMaxClientRate, -1);
    }
}

TEST_F(AdvancedSettingsDlgTest, CancellingAfterEditsAssignsNothing) {
    settings.net_LANServer = 0;
    const ServerSettings before = settings;
    Open();
    for (const int edit : {kZombieTimeout, kMaxUsercmdRelay, kClientTimeout, kClientRate})
        Retype(edit, "25000");
    for (const int edit : kMasterEdits) Retype(edit, "other.example.org");
    Click(kAllowServerMod);
    Click(kCancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(DialogFields(settings), DialogFields(before));
}

}  // namespace
}  // namespace kelvrin
