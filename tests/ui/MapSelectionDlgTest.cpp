// The map selection dialog over a real game folder.
#include "ui/MapSelectionDlg.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "settings/ServerSettings.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
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
        settings = ServerSettings{};
        settings.startDirectory = install.Root();
        messages.shown.clear();
        std::filesystem::remove(install.PathOf("dvbase/kelvrin.scriptcfg"));
        install.MakeFolder("dvbase");
        if (!script.empty()) install.WriteFile("dvbase/kelvrin.scriptcfg", ScriptBytes(script));
        dialog = std::make_unique<CMapSelectionDlg>(settings, messages);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QListWidget* List(int id) const { return dialog->ItemAs<QListWidget>(id); }
    QPushButton* Button(int id) const { return dialog->ItemAs<QPushButton>(id); }
    void Click(int id) const { QTest::mouseClick(Button(id), Qt::LeftButton); }
    void Click(int id, int row) const {
        QTest::mouseClick(List(id)->viewport(), Qt::LeftButton, {}, List(id)->visualItemRect(List(id)->item(row)).center());
    }
    void DoubleClick(int id, int row) const {
        Click(id, row);
        QTest::mouseDClick(List(id)->viewport(), Qt::LeftButton, {}, List(id)->visualItemRect(List(id)->item(row)).center());
    }
    void Add(const std::string& text) const {
        QTest::keyClicks(dialog->ItemAs<QLineEdit>(kTypedName), QString::fromStdString(text));
        Click(kAdd);
    }
    Rows RowsOf(int id) const {
        Rows rows;
        for (int row = 0; row < List(id)->count(); ++row) rows.push_back(List(id)->item(row)->text().toStdString());
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
    const struct { void (*act)(T); int chosen; bool up, down; Rows rows; Rows script = {"a", "b", "c"}; } rows[] = {
        {[](T t) { t.Click(kSelected, 0); }, 0, false, true, {"a", "b", "c"}},
        {[](T t) { t.Click(kSelected, 1); }, 1, true, true, {"a", "b", "c"}},
        {[](T t) { t.Click(kSelected, 2); }, 2, true, false, {"a", "b", "c"}},
        {[](T t) { t.Click(kSelected, 0); t.Click(kRemove); }, 0, false, false, {"a"}, {"a"}},
        {[](T t) { t.Click(kSelected, 1), t.Button(kAdd)->setFocus(), QTest::keyClick(t.Button(kAdd), Qt::Key_Tab); }, -1,
         false, false, {"a", "b", "c"}},
        {[](T t) { t.Click(kAvailable, 9); t.Click(kSelected, 1); t.Click(kCopy); }, 1, true, true,
         {"a", "b", "c", "dvctf1.map"}},
        {[](T t) { t.DoubleClick(kAvailable, 9); }, -1, false, false, {"a", "b", "c", "dvctf1.map"}},
        {[](T t) { t.Click(kSelected, 1); t.Click(kRemove); }, -1, false, false, {"a", "c"}},
        {[](T t) { t.DoubleClick(kSelected, 1); }, -1, false, false, {"a", "c"}},
        {[](T t) { t.Click(kSelected, 1); t.Click(kUp); }, 0, false, true, {"b", "a", "c"}},
        {[](T t) { t.Click(kSelected, 1); t.Click(kDown); }, 2, true, false, {"a", "c", "b"}},
        {[](T t) { t.Add("my.map"); }, -1, false, false, {"a", "b", "c", "my.map"}},
        {[](T t) { t.Add(std::string(120, 'q')); }, -1, false, false, {"a", "b", "c", std::string(99, 'q')}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rows.back() + " " + std::to_string(&row - rows));
        Open(row.script);
        row.act(*this);
        const QList<QListWidgetItem*> chosen = List(kSelected)->selectedItems();
        EXPECT_EQ(chosen.isEmpty() ? -1 : List(kSelected)->row(chosen.front()), row.chosen);
        EXPECT_EQ(std::pair(Button(kUp)->isEnabled(), Button(kDown)->isEnabled()), std::pair(row.up, row.down));
        EXPECT_EQ(RowsOf(kSelected), row.rows);
        EXPECT_EQ(RowsOf(kAvailable).size(), 13u);
    }
}

// OK writes the script and closes, or asks for a map when the list is empty; Cancel writes
// nothing but keeps the start map that opening took from the script.
TEST_F(MapSelectionDlgTest, OkAndCancel) {
    const struct { Rows script; int button; Rows shown; std::string written, startMap; bool open; } rows[] = {
        {{"dvdm3.map", "dvctf1.map"}, kOk, {}, ScriptBytes({"dvctf1.map", "dvdm3.map", "dvdm2.map"}), "mp/dvctf1.map", false},
        {{"dvdm3.map", "dvctf1.map"}, kCancel, {}, ScriptBytes({"dvdm3.map", "dvctf1.map"}), "mp/dvdm3.map", false},
        {{"only.map"}, kOk, {"Please select at least one map ( startmap ) or press \"Cancel\""},
         ScriptBytes({"only.map"}), "mp/only.map", true},
    };
    for (const auto& row : rows) {
        Open(row.script);
        if (row.open) {
            delete List(kSelected)->takeItem(0);
        } else {
            Click(kSelected, 1), Click(kUp), Click(kAvailable, 1), Click(kCopy);
        }
        Click(row.button);
        EXPECT_EQ(messages.shown, row.shown);
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), row.written);
        EXPECT_EQ(settings.si_map, row.startMap);
        EXPECT_EQ(dialog->isVisible(), row.open);
    }
}

}  // namespace
}  // namespace kelvrin
