#include "ui/MapSelectionDlg.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "settings/ServerSettings.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using Rows = std::vector<std::string>;

constexpr int kAvailable = 1037, kSelected = 1036, kCopy = 1023, kRemove = 1024;
constexpr int kUp = 1035, kDown = 1038, kTypedName = 1009, kAdd = 1041, kOk = 1, kCancel = 2;
constexpr const char* kScriptPath = "dvbase/kelvrin.scriptcfg";
const Rows kThreeRows{"a", "b", "c"};

std::string ScriptBytes(const Rows& rows) {
    std::string text = "set si_mapcycle \"";
    for (std::size_t i = 0; i < rows.size(); ++i) text += (i == 0 ? "mp/" : ";mp/") + rows[i];
    return text + "\"\r\n";
}

class MapSelectionDlgTest : public ::testing::Test {
public:
    MapSelectionDlgTest() { install.MakeFolder("dvbase"); }

    // A fresh store, and the script holding these rows (none when empty), for each table row.
    void Open(const Rows& script = {}, const std::string& gameFolder = "dvbase") {
        settings = ServerSettings{};
        settings.startDirectory = install.Root();
        settings.gameFolder = gameFolder;
        messages.shown.clear();
        std::filesystem::remove(install.PathOf(kScriptPath));
        if (!script.empty()) install.WriteFile(kScriptPath, ScriptBytes(script));
        dialog = std::make_unique<CMapSelectionDlg>(settings, messages);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QListWidget* List(int id) const { return dialog->ItemAs<QListWidget>(id); }
    QPushButton* Button(int id) const { return dialog->ItemAs<QPushButton>(id); }
    void Click(int id) const { QTest::mouseClick(Button(id), Qt::LeftButton); }
    void TypeName(const std::string& text) const {
        QTest::keyClicks(dialog->ItemAs<QLineEdit>(kTypedName), QString::fromStdString(text));
    }

    Rows RowsOf(int id) const {
        Rows rows;
        for (int row = 0; row < List(id)->count(); ++row)
            rows.push_back(List(id)->item(row)->text().toStdString());
        return rows;
    }

    QPoint RowCentre(int id, int row) const {
        return List(id)->visualItemRect(List(id)->item(row)).center();
    }
    void Click(int id, int row) const {
        QTest::mouseClick(List(id)->viewport(), Qt::LeftButton, {}, RowCentre(id, row));
    }
    void DoubleClick(int id, int row) const {
        Click(id, row);
        QTest::mouseDClick(List(id)->viewport(), Qt::LeftButton, {}, RowCentre(id, row));
    }

    testing::TempInstallation install;
    ServerSettings settings;
    testing::RecordingMessages messages;
    std::unique_ptr<CMapSelectionDlg> dialog;
};

// Each row: what the operator does, then the chosen row, the move buttons and the selected list.
TEST_F(MapSelectionDlgTest, ButtonsAndDoubleClicksEditTheSelectedList) {
    struct Case {
        const char* name;
        void (*act)(const MapSelectionDlgTest&);
        int chosen;
        bool up, down;
        Rows rows = kThreeRows;
        Rows script = kThreeRows;
    };
    const std::string ninth = "dvctf1.map";
    const Case cases[] = {
        {"choose first", [](auto& t) { t.Click(kSelected, 0); }, 0, false, true},
        {"choose middle", [](auto& t) { t.Click(kSelected, 1); }, 1, true, true},
        {"choose last", [](auto& t) { t.Click(kSelected, 2); }, 2, true, false},
        {"single row, <", [](auto& t) { t.Click(kSelected, 0); t.Click(kRemove); }, 0, false, false,
         {"a"}, {"a"}},
        {"available list gains the focus", [](auto& t) {
             t.Click(kSelected, 1);
             t.Button(kAdd)->setFocus(Qt::TabFocusReason);
             QTest::keyClick(t.Button(kAdd), Qt::Key_Tab);
             EXPECT_TRUE(t.List(kAvailable)->hasFocus());
         }, -1, false, false},
        {">", [](auto& t) { t.Click(kAvailable, 9); t.Click(kSelected, 1); t.Click(kCopy); }, 1,
         true, true, {"a", "b", "c", ninth}},
        {"double click available", [](auto& t) { t.DoubleClick(kAvailable, 9); }, -1, false, false,
         {"a", "b", "c", ninth}},
        {"<", [](auto& t) { t.Click(kSelected, 1); t.Click(kRemove); }, -1, false, false,
         {"a", "c"}},
        {"double click selected", [](auto& t) { t.DoubleClick(kSelected, 1); }, -1, false, false,
         {"a", "c"}},
        {"up", [](auto& t) { t.Click(kSelected, 1); t.Click(kUp); }, 0, false, true,
         {"b", "a", "c"}},
        {"dn", [](auto& t) { t.Click(kSelected, 1); t.Click(kDown); }, 2, true, false,
         {"a", "c", "b"}},
        {"add", [](auto& t) { t.TypeName("my.map"); t.Click(kAdd); }, -1, false, false,
         {"a", "b", "c", "my.map"}},
        {"add empty", [](auto& t) { t.Click(kAdd); }, -1, false, false, {"a", "b", "c", ""}},
        {"add 120 characters", [](auto& t) { t.TypeName(std::string(120, 'q')); t.Click(kAdd); },
         -1, false, false, {"a", "b", "c", std::string(99, 'q')}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.script);
        c.act(*this);
        const QList<QListWidgetItem*> chosen = List(kSelected)->selectedItems();
        EXPECT_EQ(chosen.isEmpty() ? -1 : List(kSelected)->row(chosen.front()), c.chosen);
        EXPECT_EQ(Button(kUp)->isEnabled(), c.up);
        EXPECT_EQ(Button(kDown)->isEnabled(), c.down);
        EXPECT_EQ(RowsOf(kSelected), c.rows);
        EXPECT_EQ(RowsOf(kAvailable).size(), 13u);
    }
}

TEST_F(MapSelectionDlgTest, OkWritesTheScriptWithCrLfAndCloses) {
    Open();
    Click(kAvailable, 2);
    Click(kCopy);
    Click(kSelected, 1);
    Click(kUp);
    Click(kAdd);
    Click(kOk);
    EXPECT_EQ(install.ReadFile(kScriptPath), "set si_mapcycle \"mp/dvdm3.map;mp/dvdm1;mp/\"\r\n");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.si_map, "mp/dvdm3.map");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MapSelectionDlgTest, OkWithAnEmptyListAsksForAMapAndStaysOpen) {
    Open({}, "absent");
    Click(kOk);
    EXPECT_EQ(messages.shown, Rows{"Please select at least one map ( startmap ) or press \"Cancel\""});
    EXPECT_TRUE(dialog->isVisible());
}

// The operator's edits put another map on top; Cancel keeps the start map of the script on disk.
TEST_F(MapSelectionDlgTest, CancelWritesNothingButKeepsTheScriptsStartMap) {
    Open({"dvdm3.map", "dvctf1.map"});
    Click(kSelected, 1);
    Click(kUp);
    Click(kCancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(install.ReadFile(kScriptPath), ScriptBytes({"dvdm3.map", "dvctf1.map"}));
    EXPECT_EQ(settings.si_map, "mp/dvdm3.map");
}

}  // namespace
}  // namespace kelvrin
