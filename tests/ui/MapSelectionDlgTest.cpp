#include "ui/MapSelectionDlg.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "maps/MapCycle.h"
#include "maps/MapList.h"
#include "settings/ServerSettings.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/ProgramCursor.h"

namespace kelvrin {
namespace {

using Rows = std::vector<std::string>;

constexpr int kAvailable = 1037;
constexpr int kSelected = 1036;
constexpr int kCopy = 1023;
constexpr int kRemove = 1024;
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kUp = 1035;
constexpr int kDown = 1038;
constexpr int kTypedName = 1009;
constexpr int kAdd = 1041;

constexpr const char* kScriptPath = "dvbase/kelvrin.scriptcfg";
const Rows kFourRows{"a.map", "b.map", "c.map", "d.map"};

std::string ScriptBytes(const Rows& rows) {
    std::string text = "set si_mapcycle \"";
    for (std::size_t i = 0; i < rows.size(); ++i) text += (i == 0 ? "mp/" : ";mp/") + rows[i];
    return text + "\"\r\n";
}

class MapSelectionDlgTest : public ::testing::Test {
public:
    MapSelectionDlgTest() {
        settings.startDirectory = install.Root();
        install.MakeFolder("dvbase");
    }

    // A fresh store and no script, for the next row of a table.
    void StartAfresh() {
        settings = ServerSettings{};
        settings.startDirectory = install.Root();
        std::filesystem::remove(install.PathOf(kScriptPath));
        messages.shown.clear();
    }

    void WriteScript(const Rows& rows) const { install.WriteFile(kScriptPath, ScriptBytes(rows)); }

    CMapSelectionDlg& Open() {
        dialog = std::make_unique<CMapSelectionDlg>(settings, messages);
        dialog->show();
        return *dialog;
    }

    void Activate() const {
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QListWidget* List(int id) const { return dialog->ItemAs<QListWidget>(id); }
    QPushButton* Button(int id) const { return dialog->ItemAs<QPushButton>(id); }
    void Click(int id) const { QTest::mouseClick(Button(id), Qt::LeftButton); }

    Rows RowsOf(int id) const {
        Rows rows;
        const QListWidget* list = List(id);
        for (int row = 0; row < list->count(); ++row)
            rows.push_back(list->item(row)->text().toStdString());
        return rows;
    }

    QPoint RowCentre(int id, int row) const {
        QListWidget* list = List(id);
        list->scrollToItem(list->item(row));
        return list->visualItemRect(list->item(row)).center();
    }

    void ClickRow(int id, int row) const {
        QTest::mouseClick(List(id)->viewport(), Qt::LeftButton, {}, RowCentre(id, row));
    }

    void DoubleClickRow(int id, int row) const {
        ClickRow(id, row);
        QTest::mouseDClick(List(id)->viewport(), Qt::LeftButton, {}, RowCentre(id, row));
    }

    int ChosenRow(int id) const {
        const QList<QListWidgetItem*> chosen = List(id)->selectedItems();
        return chosen.isEmpty() ? -1 : List(id)->row(chosen.front());
    }

    void ExpectMoveButtons(bool up, bool down) const {
        EXPECT_EQ(Button(kUp)->isEnabled(), up);
        EXPECT_EQ(Button(kDown)->isEnabled(), down);
    }

    testing::TempInstallation install;
    ServerSettings settings;
    testing::RecordingMessages messages;
    std::unique_ptr<CMapSelectionDlg> dialog;
};

TEST_F(MapSelectionDlgTest, OpensWithCaptionCursorListsAndMoveButtonsDisabled) {
    install.WriteFile("dvbase/mp/zeta.map", "");
    install.WriteFile("dvbase/mp/dvdm1.map", "");
    WriteScript({"dvdm3.map", "dvctf1.map"});
    Open();

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kelvrin - Map Selection"));
    Rows expectedAvailable(kDefaultMapNames.begin(), kDefaultMapNames.end());
    expectedAvailable.insert(expectedAvailable.end(), {"dvdm1.map", "zeta.map"});
    EXPECT_EQ(RowsOf(kAvailable), expectedAvailable);
    EXPECT_EQ(RowsOf(kSelected), (Rows{"dvdm3.map", "dvctf1.map"}));
    EXPECT_EQ(settings.si_map, "mp/dvdm3.map");
    ExpectMoveButtons(false, false);

    const QCursor expected = ProgramCursor();
    for (const QWidget* widget : {static_cast<const QWidget*>(dialog.get()),
                                  static_cast<const QWidget*>(List(kSelected))}) {
        EXPECT_EQ(widget->cursor().shape(), expected.shape());
        EXPECT_EQ(widget->cursor().hotSpot(), expected.hotSpot());
        EXPECT_EQ(widget->cursor().bitmap().toImage(), expected.bitmap().toImage());
        EXPECT_EQ(widget->cursor().pixmap().toImage(), expected.pixmap().toImage());
    }
}

TEST_F(MapSelectionDlgTest, FocusStartsInTheAvailableList) {
    Open();
    Activate();
    EXPECT_EQ(QApplication::focusWidget(), List(kAvailable));
}

TEST_F(MapSelectionDlgTest, ListsThousandsOfMapFilesInTheirOrder) {
    constexpr int kFiles = 3000;
    Rows files;
    for (int i = 0; i < kFiles; ++i) files.push_back("m" + std::to_string(10000 + i) + ".map");
    for (const std::string& file : files) install.WriteFile("dvbase/mp/" + file, "");
    Open();

    const Rows available = RowsOf(kAvailable);
    ASSERT_EQ(available.size(), kDefaultMapNames.size() + files.size());
    EXPECT_EQ(Rows(available.begin() + kDefaultMapNames.size(), available.end()), files);
    ClickRow(kAvailable, kFiles + 5);
    Click(kCopy);
    EXPECT_EQ(RowsOf(kSelected), (Rows{"dvdm1", available[kFiles + 5]}));
}

TEST_F(MapSelectionDlgTest, MoveButtonsFollowTheChosenRow) {
    struct Case {
        const char* name;
        int chosen;
        bool up;
        bool down;
    };
    const Case cases[] = {
        {"first", 0, false, true},
        {"middle", 2, true, true},
        {"last", 3, true, false},
    };
    WriteScript(kFourRows);
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClickRow(kSelected, c.chosen);
        EXPECT_EQ(ChosenRow(kSelected), c.chosen);
        ExpectMoveButtons(c.up, c.down);
    }
}

TEST_F(MapSelectionDlgTest, SingleRowCanNeitherMoveNorBeRemoved) {
    Open();
    ASSERT_EQ(RowsOf(kSelected), Rows{"dvdm1"});
    ClickRow(kSelected, 0);
    ExpectMoveButtons(false, false);
    Click(kRemove);
    DoubleClickRow(kSelected, 0);
    EXPECT_EQ(RowsOf(kSelected), Rows{"dvdm1"});
    ExpectMoveButtons(false, false);
}

TEST_F(MapSelectionDlgTest, RowsAreChosenWithTheKeyboard) {
    struct Case {
        Qt::Key key;
        int chosen;
        bool up;
        bool down;
    };
    const Case cases[] = {
        {Qt::Key_End, 3, true, false},
        {Qt::Key_Up, 2, true, true},
        {Qt::Key_Home, 0, false, true},
        {Qt::Key_Down, 1, true, true},
    };
    WriteScript(kFourRows);
    Open();
    Activate();
    List(kSelected)->setFocus(Qt::TabFocusReason);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        QTest::keyClick(List(kSelected), c.key);
        EXPECT_EQ(ChosenRow(kSelected), c.chosen);
        ExpectMoveButtons(c.up, c.down);
    }
}

TEST_F(MapSelectionDlgTest, UpAndDownMoveTheChosenRowAndKeepItChosen) {
    struct Case {
        int chosen;
        int button;
        Rows rows;
        int chosenAfter;
        bool up;
        bool down;
    };
    const Case cases[] = {
        {1, kUp, {"b.map", "a.map", "c.map", "d.map"}, 0, false, true},
        {0, kDown, {"b.map", "a.map", "c.map", "d.map"}, 1, true, true},
        {2, kDown, {"a.map", "b.map", "d.map", "c.map"}, 3, true, false},
        {3, kUp, {"a.map", "b.map", "d.map", "c.map"}, 2, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        WriteScript(kFourRows);
        Open();
        ClickRow(kSelected, c.chosen);
        Click(c.button);
        EXPECT_EQ(RowsOf(kSelected), c.rows);
        EXPECT_EQ(ChosenRow(kSelected), c.chosenAfter);
        ExpectMoveButtons(c.up, c.down);
    }
}

TEST_F(MapSelectionDlgTest, RowMovedToTheTopBecomesTheStartMap) {
    WriteScript(kFourRows);
    Open();
    ClickRow(kSelected, 2);
    Click(kUp);
    Click(kUp);
    Click(kOk);
    EXPECT_EQ(install.ReadFile(kScriptPath), ScriptBytes({"c.map", "a.map", "b.map", "d.map"}));
    EXPECT_EQ(settings.si_map, "mp/c.map");
}

TEST_F(MapSelectionDlgTest, CopyAppendsTheChosenAvailableMapAndLeavesTheSelectedChoice) {
    WriteScript(kFourRows);
    Open();
    Click(kCopy);
    EXPECT_EQ(RowsOf(kSelected), kFourRows) << "nothing chosen, nothing copied";

    ClickRow(kAvailable, 9);
    ClickRow(kSelected, 1);
    Click(kCopy);
    Rows expected = kFourRows;
    expected.push_back(std::string(kDefaultMapNames[9]));
    EXPECT_EQ(RowsOf(kSelected), expected);
    EXPECT_EQ(ChosenRow(kSelected), 1);
    ExpectMoveButtons(true, true);
    EXPECT_EQ(RowsOf(kAvailable).size(), kDefaultMapNames.size());
}

TEST_F(MapSelectionDlgTest, DoubleClickingAnAvailableMapTwiceAddsItTwice) {
    Open();
    DoubleClickRow(kAvailable, 2);
    DoubleClickRow(kAvailable, 2);
    const std::string map(kDefaultMapNames[2]);
    EXPECT_EQ(RowsOf(kSelected), (Rows{"dvdm1", map, map}));
}

TEST_F(MapSelectionDlgTest, RemoveDeletesTheChosenRowAndLeavesNoneChosen) {
    struct Case {
        const char* name;
        bool doubleClick;
    };
    for (const Case c : {Case{"button", false}, Case{"double click", true}}) {
        SCOPED_TRACE(c.name);
        WriteScript(kFourRows);
        Open();
        if (c.doubleClick) {
            DoubleClickRow(kSelected, 1);
        } else {
            ClickRow(kSelected, 1);
            Click(kRemove);
        }
        EXPECT_EQ(RowsOf(kSelected), (Rows{"a.map", "c.map", "d.map"}));
        EXPECT_EQ(ChosenRow(kSelected), -1);
        ExpectMoveButtons(false, false);
    }
}

TEST_F(MapSelectionDlgTest, AvailableListGainingTheFocusClearsTheSelectedChoice) {
    struct Case {
        const char* name;
        void (*focusAvailable)(const MapSelectionDlgTest&);
    };
    const Case cases[] = {
        {"click", [](const MapSelectionDlgTest& t) { t.ClickRow(kAvailable, 0); }},
        {"tab", [](const MapSelectionDlgTest& t) {
             t.Button(kAdd)->setFocus(Qt::TabFocusReason);
             QTest::keyClick(t.Button(kAdd), Qt::Key_Tab);
         }},
    };
    WriteScript(kFourRows);
    Open();
    Activate();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClickRow(kSelected, 1);
        ASSERT_EQ(ChosenRow(kSelected), 1);
        c.focusAvailable(*this);
        EXPECT_TRUE(List(kAvailable)->hasFocus());
        EXPECT_EQ(ChosenRow(kSelected), -1);
        ExpectMoveButtons(false, false);
    }
}

TEST_F(MapSelectionDlgTest, AddAppendsTheTypedNameUpTo99Characters) {
    struct Case {
        const char* name;
        std::string typed;
        std::string row;
    };
    const Case cases[] = {
        {"name", "mymap.map", "mymap.map"},
        {"empty", "", ""},
        {"99 characters", std::string(99, 'q'), std::string(99, 'q')},
        {"120 characters", std::string(120, 'q'), std::string(99, 'q')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        QLineEdit* edit = dialog->ItemAs<QLineEdit>(kTypedName);
        QTest::keyClicks(edit, QString::fromStdString(c.typed));
        Click(kAdd);
        EXPECT_EQ(RowsOf(kSelected), (Rows{"dvdm1", c.row}));
        EXPECT_EQ(edit->text().toStdString(), c.typed);
        ExpectMoveButtons(false, false);
    }
}

TEST_F(MapSelectionDlgTest, EmptyTypedNameIsWrittenAsABareFolderEntry) {
    Open();
    Click(kAdd);
    Click(kOk);
    EXPECT_EQ(install.ReadFile(kScriptPath), "set si_mapcycle \"mp/dvdm1;mp/\"\r\n");
}

TEST_F(MapSelectionDlgTest, OkOrEnterWritesTheScriptAndCloses) {
    struct Case {
        const char* name;
        void (*confirm)(MapSelectionDlgTest&);
    };
    const Case cases[] = {
        {"OK button", [](MapSelectionDlgTest& t) { t.Click(kOk); }},
        {"Enter key", [](MapSelectionDlgTest& t) { QTest::keyClick(t.List(kSelected), Qt::Key_Return); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartAfresh();
        Open();
        ClickRow(kAvailable, 2);
        Click(kCopy);
        ClickRow(kAvailable, 9);
        Click(kCopy);
        c.confirm(*this);
        EXPECT_EQ(install.ReadFile(kScriptPath),
                  "set si_mapcycle \"mp/dvdm1;mp/dvdm3.map;mp/dvctf1.map\"\r\n");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(settings.mapCycleScriptPresent);
        EXPECT_EQ(settings.si_map, "mp/dvdm1");
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(testing::CurrentDirectoryNow(), install.Root());
    }
}

TEST_F(MapSelectionDlgTest, OkWithAnEmptyListAsksForAMapAndStaysOpen) {
    settings.gameFolder = "absent";
    Open();
    ASSERT_EQ(RowsOf(kSelected), Rows{});
    Click(kOk);
    EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(kNoMapSelectedMessage)});
    EXPECT_TRUE(dialog->isVisible());

    Click(kCancel);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(install.Exists("absent"));
    EXPECT_EQ(messages.shown.size(), 1U);
}

TEST_F(MapSelectionDlgTest, CancelOrEscapeWritesNothingButKeepsTheScriptsStartMap) {
    struct Case {
        const char* name;
        void (*cancel)(MapSelectionDlgTest&);
    };
    const Case cases[] = {
        {"Cancel button", [](MapSelectionDlgTest& t) { t.Click(kCancel); }},
        {"Escape key", [](MapSelectionDlgTest& t) { QTest::keyClick(t.dialog.get(), Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.si_map = "mp/dvdm1";
        WriteScript({"dvdm3.map", "dvctf1.map"});
        const std::string before = install.ReadFile(kScriptPath);
        Open();
        ClickRow(kAvailable, 4);
        Click(kCopy);
        c.cancel(*this);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(install.ReadFile(kScriptPath), before);
        EXPECT_EQ(settings.si_map, "mp/dvdm3.map");
    }
}

TEST_F(MapSelectionDlgTest, CancelWithoutAScriptCreatesNone) {
    Open();
    Click(kCancel);
    EXPECT_FALSE(install.Exists(kScriptPath));
}

// 98 rows of 96 characters after a first one fill the script to 9918 characters with its quote
// and line end, so one more row of 78 characters ends exactly at the capacity.
TEST_F(MapSelectionDlgTest, ScriptOfExactlyTheCapacityIsWrittenOneMoreCharacterIsNot) {
    Rows rows(99, std::string(96, 'r'));
    constexpr std::size_t kLastRowThatFits = 78;
    struct Case {
        std::size_t lastRowLength;
        bool written;
    };
    for (const Case c : {Case{kLastRowThatFits, true}, Case{kLastRowThatFits + 1, false}}) {
        SCOPED_TRACE(c.lastRowLength);
        messages.shown.clear();
        WriteScript(rows);
        const std::string before = install.ReadFile(kScriptPath);
        Open();
        const std::string last(c.lastRowLength, 'z');
        QTest::keyClicks(dialog->ItemAs<QLineEdit>(kTypedName), QString::fromStdString(last));
        Click(kAdd);
        Click(kOk);

        Rows all = rows;
        all.push_back(last);
        const std::string full = ScriptBytes(all);
        if (c.written) {
            EXPECT_EQ(full.size(), kMapCycleCapacity + 1) << "CR LF stored for one line end";
            EXPECT_EQ(install.ReadFile(kScriptPath), full);
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_FALSE(dialog->isVisible());
        } else {
            EXPECT_EQ(install.ReadFile(kScriptPath), before);
            EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(kMapListTooLongMessage)});
            EXPECT_TRUE(dialog->isVisible());
        }
    }
}

// Every control stands clear of the others and inside the dialog, at the font the tests run with.
TEST(SubDialogLayoutTest, NoControlCoversAnother) {
    testing::TempInstallation install;
    ServerSettings settings;
    settings.startDirectory = install.Root();
    install.MakeFolder("dvbase");
    testing::RecordingMessages messages;
    CMapSelectionDlg maps(settings, messages);
    CAdvancedSettingsDlg advanced(settings);
    for (QDialog* dialog : {static_cast<QDialog*>(&maps), static_cast<QDialog*>(&advanced)}) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        dialog->show();
        QList<QWidget*> controls;
        for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // Frames enclose other controls by design.
            if (qobject_cast<QGroupBox*>(child) == nullptr) controls.append(child);
        }
        for (qsizetype i = 0; i < controls.size(); ++i) {
            EXPECT_TRUE(dialog->rect().contains(controls[i]->geometry()))
                << controls[i]->metaObject()->className();
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << controls[i]->metaObject()->className() << " \""
                    << controls[i]->property("text").toString().toStdString() << "\" and "
                    << controls[j]->metaObject()->className() << " \""
                    << controls[j]->property("text").toString().toStdString() << "\"";
            }
        }
    }
}

}  // namespace
}  // namespace kelvrin
