#include "ui/AdvancedSettingsDlg.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "settings/ServerSettings.h"
#include "ui/ProgramCursor.h"

namespace kelvrin {
namespace {

constexpr int kZombieTimeout = 1009;
constexpr int kMaxUsercmdRelay = 1010;
constexpr int kClientTimeout = 1011;
constexpr int kAllowServerMod = 1000;
constexpr int kClientRate = 1007;
constexpr std::array<int, 5> kMasterEdits{1012, 1015, 1026, 1027, 1042};
constexpr int kOk = 1;
constexpr int kCancel = 2;

// Everything this dialog may assign, for checking that nothing else moved.
auto DialogFields(const ServerSettings& s) {
    return std::tie(s.net_serverZombieTimeout, s.net_serverMaxUsercmdRelay,
                    s.net_serverClientTimeout, s.net_serverMaxClientRate,
                    s.net_serverAllowServerMod, s.sv_master1, s.sv_master2, s.sv_master3,
                    s.sv_master4, s.sv_master5, s.settingsChanged);
}

class AdvancedSettingsDlgTest : public ::testing::Test {
public:
    CAdvancedSettingsDlg& Open() {
        dialog = std::make_unique<CAdvancedSettingsDlg>(settings);
        dialog->show();
        return *dialog;
    }

    QLineEdit* Edit(int id) const { return dialog->ItemAs<QLineEdit>(id); }
    QComboBox* RateBox() const { return dialog->ItemAs<QComboBox>(kClientRate); }
    void Click(int id) const { QTest::mouseClick(dialog->ItemAs<QPushButton>(id), Qt::LeftButton); }

    void Retype(int id, const std::string& text) const {
        Edit(id)->selectAll();
        QTest::keyClick(Edit(id), Qt::Key_Delete);
        QTest::keyClicks(Edit(id), QString::fromStdString(text));
    }

    void ChooseRateByTyping(const std::string& text) const {
        RateBox()->lineEdit()->selectAll();
        QTest::keyClick(RateBox()->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(RateBox()->lineEdit(), QString::fromStdString(text));
    }

    ServerSettings settings;
    std::unique_ptr<CAdvancedSettingsDlg> dialog;
};

TEST_F(AdvancedSettingsDlgTest, ShowsTheDefaults) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kelvrin - Advanced Settings"));
    EXPECT_EQ(Edit(kZombieTimeout)->text(), QStringLiteral("5"));
    EXPECT_EQ(Edit(kMaxUsercmdRelay)->text(), QStringLiteral("3"));
    EXPECT_EQ(Edit(kClientTimeout)->text(), QStringLiteral("60"));
    EXPECT_EQ(RateBox()->currentIndex(), 3);
    EXPECT_EQ(RateBox()->currentText(), QStringLiteral("19000"));
    EXPECT_EQ(RateBox()->count(), 10);
    EXPECT_FALSE(dialog->ItemAs<QCheckBox>(kAllowServerMod)->isChecked());
    EXPECT_EQ(Edit(kMasterEdits[0])->text().toStdString(), kDefaultMasterServer);
    for (std::size_t i = 1; i < kMasterEdits.size(); ++i)
        EXPECT_TRUE(Edit(kMasterEdits[i])->text().isEmpty()) << kMasterEdits[i];

    const QCursor expected = ProgramCursor();
    for (const QWidget* widget : {static_cast<const QWidget*>(dialog.get()),
                                  static_cast<const QWidget*>(Edit(kClientTimeout))}) {
        EXPECT_EQ(widget->cursor().shape(), expected.shape());
        EXPECT_EQ(widget->cursor().hotSpot(), expected.hotSpot());
        EXPECT_EQ(widget->cursor().bitmap().toImage(), expected.bitmap().toImage());
        EXPECT_EQ(widget->cursor().pixmap().toImage(), expected.pixmap().toImage());
    }
}

TEST_F(AdvancedSettingsDlgTest, FocusStartsInTheFirstNumberEdit) {
    Open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(QApplication::focusWidget(), Edit(kZombieTimeout));
}

TEST_F(AdvancedSettingsDlgTest, LanServerDisablesTheMasterEditsWhoseValuesAreStillStored) {
    const std::array<std::string, 5> masters{"m1.example.org", "m2.example.org", "", "m4",
                                             "m5.example.org"};
    for (const std::int32_t lan : {1, 0}) {
        SCOPED_TRACE(lan);
        settings.net_LANServer = lan;
        settings.sv_master1 = masters[0];
        settings.sv_master2 = masters[1];
        settings.sv_master3 = masters[2];
        settings.sv_master4 = masters[3];
        settings.sv_master5 = masters[4];
        const ServerSettings before = settings;
        Open();
        for (std::size_t i = 0; i < kMasterEdits.size(); ++i) {
            EXPECT_EQ(Edit(kMasterEdits[i])->isEnabled(), lan == 0) << kMasterEdits[i];
            EXPECT_EQ(Edit(kMasterEdits[i])->text().toStdString(), masters[i]);
        }
        EXPECT_TRUE(Edit(kZombieTimeout)->isEnabled());
        Click(kOk);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(DialogFields(settings), DialogFields(before));
    }
}

TEST_F(AdvancedSettingsDlgTest, ClientRateStoresThePositionOfTheChosenEntry) {
    struct Case {
        const char* typed;
        std::int32_t stored;
    };
    const Case cases[] = {{"25000", 9}, {"16000", 0}, {"21000", 5}, {"15000", -1}, {"", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        settings.net_serverMaxClientRate = 3;
        Open();
        ChooseRateByTyping(c.typed);
        Click(kOk);
        EXPECT_EQ(settings.net_serverMaxClientRate, c.stored);
    }
}

TEST_F(AdvancedSettingsDlgTest, ClientRateIsChosenWithTheArrowKeys) {
    Open();
    for (int step = 0; step < 8; ++step) QTest::keyClick(RateBox(), Qt::Key_Down);
    EXPECT_EQ(RateBox()->currentText(), QStringLiteral("25000"));
    Click(kOk);
    EXPECT_EQ(settings.net_serverMaxClientRate, 9);
}

TEST_F(AdvancedSettingsDlgTest, StoredRateOutsideTheListShowsNoEntryAndStoresMinusOne) {
    for (const std::int32_t rate : {10, -1, 1000}) {
        SCOPED_TRACE(rate);
        settings.net_serverMaxClientRate = rate;
        Open();
        EXPECT_EQ(RateBox()->currentIndex(), -1);
        Click(kOk);
        EXPECT_EQ(settings.net_serverMaxClientRate, -1);
    }
}

TEST_F(AdvancedSettingsDlgTest, NumberEditsTakeDigitsAndStoreTheirNumber) {
    struct Case {
        int edit;
        std::int32_t ServerSettings::*field;
        std::string typed;
        std::int32_t stored;
    };
    const Case cases[] = {
        {kZombieTimeout, &ServerSettings::net_serverZombieTimeout, "", 0},
        {kZombieTimeout, &ServerSettings::net_serverZombieTimeout, "42", 42},
        {kMaxUsercmdRelay, &ServerSettings::net_serverMaxUsercmdRelay, "7x1-", 71},
        {kClientTimeout, &ServerSettings::net_serverClientTimeout, "", 0},
        {kClientTimeout, &ServerSettings::net_serverClientTimeout, "a b 300", 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        settings = ServerSettings{};
        Open();
        Retype(c.edit, c.typed);
        Click(kOk);
        EXPECT_EQ(settings.*c.field, c.stored);
    }
}

TEST_F(AdvancedSettingsDlgTest, NegativeNumberIsShownWithItsSignAndStoredBack) {
    settings.net_serverClientTimeout = -25;
    Open();
    EXPECT_EQ(Edit(kClientTimeout)->text(), QStringLiteral("-25"));
    Click(kOk);
    EXPECT_EQ(settings.net_serverClientTimeout, -25);
}

TEST_F(AdvancedSettingsDlgTest, MasterServerIsStoredUpTo99Characters) {
    struct Case {
        const char* name;
        std::size_t length;
        bool typed;
    };
    const Case cases[] = {
        {"stored 120", 120, false},
        {"typed 120", 120, true},
        {"typed 99", 99, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings = ServerSettings{};
        settings.net_LANServer = 0;
        const std::string name(c.length, 'h');
        if (!c.typed) settings.sv_master3 = name;
        Open();
        if (c.typed) Retype(kMasterEdits[2], name);
        Click(kOk);
        EXPECT_EQ(settings.sv_master3, name.substr(0, 99));
    }
}

TEST_F(AdvancedSettingsDlgTest, AllowServerModStoresTheTickAsOneOrZero) {
    for (const std::int32_t stored : {0, 1, 5}) {
        SCOPED_TRACE(stored);
        settings.net_serverAllowServerMod = stored;
        Open();
        QCheckBox* box = dialog->ItemAs<QCheckBox>(kAllowServerMod);
        EXPECT_EQ(box->isChecked(), stored != 0);
        QTest::mouseClick(box, Qt::LeftButton);
        Click(kOk);
        EXPECT_EQ(settings.net_serverAllowServerMod, stored != 0 ? 0 : 1);
    }
}

TEST_F(AdvancedSettingsDlgTest, ConfirmingNeverTouchesSettingsChanged) {
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed);
        settings.settingsChanged = changed;
        Open();
        Retype(kZombieTimeout, "77");
        QTest::keyClick(Edit(kZombieTimeout), Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(settings.net_serverZombieTimeout, 77);
        EXPECT_EQ(settings.settingsChanged, changed);
    }
}

TEST_F(AdvancedSettingsDlgTest, CancellingAfterEditsAssignsNothing) {
    struct Case {
        const char* name;
        void (*cancel)(AdvancedSettingsDlgTest&);
    };
    const Case cases[] = {
        {"Cancel button", [](AdvancedSettingsDlgTest& t) { t.Click(kCancel); }},
        {"Escape key", [](AdvancedSettingsDlgTest& t) { QTest::keyClick(t.dialog.get(), Qt::Key_Escape); }},
    };
    settings.net_LANServer = 0;
    const ServerSettings before = settings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        Retype(kZombieTimeout, "1");
        Retype(kMaxUsercmdRelay, "");
        Retype(kClientTimeout, "999");
        Retype(kMasterEdits[0], "other.example.org");
        Retype(kMasterEdits[4], "fifth.example.org");
        ChooseRateByTyping("25000");
        QTest::mouseClick(dialog->ItemAs<QCheckBox>(kAllowServerMod), Qt::LeftButton);
        c.cancel(*this);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(DialogFields(settings), DialogFields(before));
    }
}

}  // namespace
}  // namespace kelvrin
