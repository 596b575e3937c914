// The map selection and advanced settings dialogs on their own.

#include "settings/ServerSettings.h"
#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/MapSelectionDlg.h"
#include "ui/QtOperatorMessages.h"

namespace kelvrin::testing {
namespace {

using Rows = std::vector<std::string>;
constexpr int kAvailable = 1037, kSelected = 1036, kCopy = 1023, kRemove = 1024;
constexpr int kUp = 1035, kDown = 1038, kTypedName = 1009, kAdd = 1041, kOk = 1, kCancel = 2;

std::string ScriptBytes(const Rows& rows) {
    std::string text = "set si_mapcycle \"";
    for (std::size_t i = 0; i < rows.size(); ++i) text += (i == 0 ? "mp/" : ";mp/") + rows[i];
    return text + "\"\r\n";
}

class MapSelectionDlgTest : public ::testing::Test {
public:
    // A fresh store, and the script holding these rows (none when empty).
    void Open(const Rows& script) {
        settings = install.Settings(), messages.shown.clear(), install.MakeFolder("dvbase");
        std::filesystem::remove(install.PathOf("dvbase/kelvrin.scriptcfg"));
        if (!script.empty()) install.WriteFile("dvbase/kelvrin.scriptcfg", ScriptBytes(script));
        dialog = std::make_unique<CMapSelectionDlg>(settings, messages);
        dialog->show(), dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QListWidget* List(int id) const { return dialog->ItemAs<QListWidget>(id); }
    QPushButton* Button(int id) const { return dialog->ItemAs<QPushButton>(id); }
    void Click(int id) const { QTest::mouseClick(Button(id), Qt::LeftButton); }
    QPoint Centre(int id, int row) const {
        return List(id)->visualItemRect(List(id)->item(row)).center();
    }
    void Click(int id, int row) const {
        QTest::mouseClick(List(id)->viewport(), Qt::LeftButton, {}, Centre(id, row));
    }
    void DoubleClick(int id, int row) const {
        Click(id, row),
            QTest::mouseDClick(List(id)->viewport(), Qt::LeftButton, {}, Centre(id, row));
    }
    void Add(const std::string& text) const {
        dialog->ItemAs<QLineEdit>(kTypedName)->clear(),
            QTest::keyClicks(dialog->ItemAs<QLineEdit>(kTypedName), QString::fromStdString(text));
        Click(kAdd);
    }
    Rows RowsOf(int id) const {
        Rows rows;
        for (int row = 0; row < List(id)->count(); ++row)
            rows.push_back(List(id)->item(row)->text().toStdString());
        return rows;
    }

    testing::TempInstallation install;
    ServerSettings settings;
    testing::RecordingMessages messages;
    std::unique_ptr<CMapSelectionDlg> dialog;
};

// Each row: what the operator does to the cycle a, b, c, then the chosen row, the move buttons and
// the selected list.
TEST_F(MapSelectionDlgTest, ButtonsAndDoubleClicksEditTheSelectedList) {
    using T = const MapSelectionDlgTest&;
    const struct {
        void (*act)(T);
        int chosen;
        bool up, down;
        Rows rows;
        Rows script = {"a", "b", "c"};
    } rows[] = {
        {[](T t) { t.Click(kSelected, 0); }, 0, false, true, {"a", "b", "c"}},
        {[](T t) { t.Click(kSelected, 1); }, 1, true, true, {"a", "b", "c"}},
        {[](T t) { t.Click(kSelected, 2); }, 2, true, false, {"a", "b", "c"}},
        {[](T t) {
             t.Click(kSelected, 0);
             t.Click(kRemove);
         },
         0,
         false,
         false,
         {"a"},
         {"a"}},
        {[](T t) {
             t.Click(kSelected, 1), t.Button(kAdd)->setFocus(),
                 QTest::keyClick(t.Button(kAdd), Qt::Key_Tab);
         },
         -1,
         false,
         false,
         {"a", "b", "c"}},
        {[](T t) { t.Click(kAvailable, 9), t.Click(kSelected, 1), t.Click(kCopy); },
         1,
         true,
         true,
         {"a", "b", "c", "dvctf1.map"}},
        {[](T t) { t.DoubleClick(kAvailable, 9); },
         -1,
         false,
         false,
         {"a", "b", "c", "dvctf1.map"}},
        {[](T t) { t.Click(kSelected, 1), t.Click(kRemove); }, -1, false, false, {"a", "c"}},
        {[](T t) { t.DoubleClick(kSelected, 1); }, -1, false, false, {"a", "c"}},
        {[](T t) { t.Click(kSelected, 1), t.Click(kUp); }, 0, false, true, {"b", "a", "c"}},
        {[](T t) { t.Click(kSelected, 1), t.Click(kDown); }, 2, true, false, {"a", "c", "b"}},
        {[](T t) { t.Add("my.map"); }, -1, false, false, {"a", "b", "c", "my.map"}},
        {[](T t) { t.Add(std::string(120, 'q')); },
         -1,
         false,
         false,
         {"a", "b", "c", std::string(99, 'q')}},
    };
    for (const auto& row : rows) {
        Open(row.script);
        row.act(*this);
        const QList<QListWidgetItem*> chosen = List(kSelected)->selectedItems();
        EXPECT_EQ(std::tuple(chosen.isEmpty() ? -1 : List(kSelected)->row(chosen.front()),
                             Button(kUp)->isEnabled(), Button(kDown)->isEnabled(),
                             RowsOf(kSelected), RowsOf(kAvailable).size()),
                  std::tuple(row.chosen, row.up, row.down, row.rows, 13u))
            << (row.rows.back() + " " + std::to_string(&row - rows));
    }
}

// OK writes the script and closes, or asks for a map when the list is empty; Cancel writes
// nothing but keeps the start map that opening took from the script.
TEST_F(MapSelectionDlgTest, OkAndCancel) {
    const struct {
        Rows script;
        int button;
        Rows shown;
        std::string written, startMap;
        bool open;
    } rows[] = {
        {{"dvdm3.map", "dvctf1.map"},
         kOk,
         {},
         ScriptBytes({"dvctf1.map", "dvdm3.map", "dvdm2.map"}),
         "mp/dvctf1.map",
         false},
        {{"dvdm3.map", "dvctf1.map"},
         kCancel,
         {},
         ScriptBytes({"dvdm3.map", "dvctf1.map"}),
         "mp/dvdm3.map",
         false},
        {{"only.map"},
         kOk,
         {"Please select at least one map ( startmap ) or press \"Cancel\""},
         ScriptBytes({"only.map"}),
         "mp/only.map",
         true},
    };
    for (const auto& row : rows) {
        Open(row.script);
        if (row.open)
            delete List(kSelected)->takeItem(0);
        else
            Click(kSelected, 1), Click(kUp), Click(kAvailable, 1), Click(kCopy);
        Click(row.button);
        EXPECT_EQ(std::tuple(messages.shown, install.ReadFile("dvbase/kelvrin.scriptcfg"),
                             settings.si_map, dialog->isVisible()),
                  std::tuple(row.shown, row.written, row.startMap, row.open));
    }
}

// "dn" pressed twice moves the row twice; a UTF-8 name shows as spelt and reaches the script byte
// for byte; a long name scrolls the list sideways; names the script cannot carry are not added.
TEST_F(MapSelectionDlgTest, MovesShowsAndWritesNamesAsTheOperatorMeans) {
    install.WriteFile("dvbase/mp/caf\xc3\xa9.map", ""),
        install.WriteFile("dvbase/mp/" + std::string(96, 'a') + ".map", "");
    Open({"a", "b", "c"});
    Click(kSelected, 0);
    Button(kDown)->setFocus();
    for (int press = 0; press < 2; ++press) QTest::keyClick(dialog->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(List(kAvailable)->item(14)->text(), QString::fromUtf8("caf\xc3\xa9.map"));
    EXPECT_GT(List(kAvailable)->horizontalScrollBar()->maximum(), 0);
    Click(kAvailable, 14), Click(kCopy);
    for (const char* typed : {"a;b", "say\"x", ""}) Add(typed);
    Click(kOk);
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"),
              "set si_mapcycle \"mp/b;mp/c;mp/a;mp/caf\xc3\xa9.map\"\r\n");
}

// A digits-only edit holds digits however text arrives; a stored negative number shows its sign.
TEST(AdvancedSettingsDlg, DigitsOnlyEditsStayDigits) {
    ServerSettings store;
    store.net_serverZombieTimeout = -5;
    CAdvancedSettingsDlg advanced(store);
    QLineEdit* digits = advanced.ItemAs<QLineEdit>(1009);
    EXPECT_EQ(digits->text(), "-5");  // as stored
    const struct {
        const char* way;
        std::function<void()> act;
        const char* text;
    } rows[] = {
        {"keys", [digits] { QTest::keyClicks(digits, "1a-2"); }, "12"},  // a typed minus is refused
        {"Ctrl+V", [digits] { QTest::keyClick(digits, Qt::Key_V, Qt::ControlModifier); }, ""},
        {"context menu Paste", [digits] { digits->paste(); }, ""},
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("3x"));
    for (const auto& row : rows) {
        digits->clear(), row.act();
        EXPECT_EQ(digits->text(), row.text) << row.way;
    }
}

// Message boxes are owned by the map dialog while it is open, and by the main window again after.
TEST(MapSelectionDlg, MessagesBelongToTheDialogWhileItIsOpen) {
    QWidget mainWindow;
    QtOperatorMessages messages(&mainWindow);
    ServerSettings store;
    auto dialog = std::make_unique<CMapSelectionDlg>(store, messages);
    EXPECT_EQ(messages.Owner(), dialog.get());
    dialog.reset();
    EXPECT_EQ(messages.Owner(), &mainWindow);
}

constexpr int kZombieTimeout = 1009, kMaxUsercmdRelay = 1010, kClientTimeout = 1011;
constexpr int kAllowServerMod = 1000, kClientRate = 1007;
constexpr std::array<int, 5> kMasters{1012, 1015, 1026, 1027, 1042};

// Everything the dialog may assign, for checking that nothing else moved.
auto DialogFields(const ServerSettings& s) {
    return std::tie(s.net_serverZombieTimeout, s.net_serverMaxUsercmdRelay,
                    s.net_serverClientTimeout, s.net_serverMaxClientRate,
                    s.net_serverAllowServerMod, s.sv_master1, s.sv_master2, s.sv_master3,
                    s.sv_master4, s.sv_master5, s.settingsChanged);
}

struct AdvancedDialog {
    explicit AdvancedDialog(ServerSettings& settings) : dialog(settings) { dialog.show(); }
    QLineEdit* Edit(int id) const {
        return id == kClientRate ? dialog.ItemAs<QComboBox>(id)->lineEdit()
                                 : dialog.ItemAs<QLineEdit>(id);
    }
    QStringList Texts() const {
        QStringList texts;
        for (const int id : {kZombieTimeout, kMaxUsercmdRelay, kClientTimeout, kClientRate, 1012,
                             1015, 1026, 1027, 1042})
            texts << Edit(id)->text();
        return texts;
    }
    void Click(int id) { QTest::mouseClick(dialog.ItemAs<QAbstractButton>(id), Qt::LeftButton); }
    void Retype(int id, const QString& text) {
        Edit(id)->clear(), QTest::keyClicks(Edit(id), text);
    }
    CAdvancedSettingsDlg dialog;
};

// With the LAN switch on the master edits are disabled but filled and stored unchanged.
TEST(AdvancedSettingsDlg, ShowsTheStore) {
    for (const std::int32_t lan : {1, 0}) {
        ServerSettings settings;
        settings.net_LANServer = lan, settings.sv_master4 = "four",
        settings.net_serverMaxClientRate = lan ? 3 : 10;
        const ServerSettings before = settings;
        AdvancedDialog advanced(settings);
        EXPECT_EQ(advanced.Texts(), QStringList({"5", "3", "60", lan ? "19000" : "",
                                                 "master.dravek.example.org", "", "", "four", ""}));
        for (const int id : kMasters) EXPECT_EQ(advanced.Edit(id)->isEnabled(), lan == 0) << id;
        EXPECT_FALSE(advanced.dialog.ItemAs<QCheckBox>(kAllowServerMod)->isChecked());
        advanced.Click(kOk);
        EXPECT_EQ(settings.net_serverMaxClientRate, lan ? 3 : -1)
            << "a rate outside the list is no entry";
        settings.net_serverMaxClientRate = before.net_serverMaxClientRate;
        EXPECT_EQ(DialogFields(settings), DialogFields(before));
    }
}

// OK stores what was typed into one field and nothing else, a stored negative number keeps its
// sign, and settingsChanged stays as it was; Cancel after edits assigns nothing.
TEST(AdvancedSettingsDlg, OkStoresTheEditsAndCancelNothing) {
    const struct {
        int edit;
        QString typed;
        void (*expect)(ServerSettings&);
        int button = kOk;
    } rows[] = {
        {kClientRate, "25000", [](ServerSettings& s) { s.net_serverMaxClientRate = 9; }},
        {kClientRate, "15000", [](ServerSettings& s) { s.net_serverMaxClientRate = -1; }},
        {kMaxUsercmdRelay, "", [](ServerSettings& s) { s.net_serverMaxUsercmdRelay = 0; }},
        {kClientTimeout, "7x1-", [](ServerSettings& s) { s.net_serverClientTimeout = 71; }},
        {kMasters[2], QString(120, 'h'),
         [](ServerSettings& s) { s.sv_master3 = std::string(99, 'h'); }},
        {kAllowServerMod, "", [](ServerSettings& s) { s.net_serverAllowServerMod = 1; }},
        {kMasters[0], "other", [](ServerSettings&) {}, kCancel},
        {kAllowServerMod, "", [](ServerSettings&) {}, kCancel},
    };
    for (const auto& row : rows) {
        ServerSettings settings;
        settings.net_LANServer = 0, settings.net_serverZombieTimeout = -5,
        settings.settingsChanged = true;
        ServerSettings expected = settings;
        row.expect(expected);
        AdvancedDialog advanced(settings);
        if (row.edit == kAllowServerMod)
            advanced.Click(kAllowServerMod);
        else
            advanced.Retype(row.edit, row.typed);
        advanced.Click(row.button);
        EXPECT_EQ(DialogFields(settings), DialogFields(expected)) << row.edit;
    }
}

}  // namespace
}  // namespace kelvrin::testing
