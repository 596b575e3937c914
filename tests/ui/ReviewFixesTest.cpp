#include <QAccessible>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <filesystem>
#include <functional>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/MapSelectionDlg.h"
#include "ui/QtOperatorMessages.h"

namespace kelvrin::testing {

using namespace mainwindow;

// Only a choice from the list or with the arrow keys changes a box and runs its handler.
TEST_F(MainWindowTest, NeitherTheWheelWithoutFocusNorTypedTextChoosesAnEntry) {
    ServerSettings other;
    other.si_name = "Other";
    WriteConfig("other", other);
    const auto wheel = [this](int id, int notches) {  // positive: towards the next entry
        QWheelEvent event({4, 4}, {}, {}, {0, -120 * notches}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Combo(id), &event);
    };
    const auto typed = [this](int id, const char* text) { Type(id, text), QTest::keyClick(Field(id), Qt::Key_Tab); };
    const struct { const char* name; std::function<void()> act; const char* serverName; } cases[] = {
        {"wheel", [&] { wheel(kGameBase, 1), wheel(kSpeed, -1); }, "Hollowmere"},
        {"typed text", [&] { typed(kGameBase, "[other]"), typed(kSpeed, "128 kbs"); }, "Hollowmere"},
        {"arrow key", [this] { Combo(kGameBase)->setFocus(), QTest::keyClick(Combo(kGameBase), Qt::Key_Down); }, "Other"},
    };
    for (const auto& c : cases) {
        Open();
        c.act();
        EXPECT_EQ(Texts({kServerName, kMaxPlayers}), QStringList({c.serverName, "16"})) << c.name;
    }
}

TEST_F(MainWindowTest, LabelsNameTheirFields) {
    Open();
    CAdvancedSettingsDlg advanced(settings);
    CMapSelectionDlg maps(settings, messages);
    const struct { TemplateDialog* window; int field; const char* label; } rows[] = {
        {window.get(), kServerName, "Server Name"}, {window.get(), kGameBase, "Game Base"}, {window.get(), kCountdown, "Countdown"},
        {window.get(), kClientPassword, "Client Password"}, {&advanced, 1010, "MaxUsercmdRelay"},
        {&advanced, 1007, "ClientRate"}, {&maps, 1036, "selected maps"},
    };
    for (const auto& row : rows) {  // a screen reader names a field by its name or its label
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(row.window->Item(row.field));
        QStringList names{field->text(QAccessible::Name)};
        for (const auto& label : field->relations(QAccessible::Label)) names << label.first->text(QAccessible::Name);
        EXPECT_TRUE(names.contains(row.label)) << row.label;
    }
}

// In the map dialog: "dn" pressed twice moves the row twice; a UTF-8 name shows as spelt and
// reaches the script byte for byte; a long name scrolls the list sideways; names the script
// cannot carry are not added.
TEST(ReviewedMapDialog, MovesShowsAndWritesNamesAsTheOperatorMeans) {
    TempInstallation install;
    install.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/a;mp/b;mp/c\"\r\n");
    install.WriteFile("dvbase/mp/caf\xc3\xa9.map", "");
    install.WriteFile("dvbase/mp/" + std::string(96, 'a') + ".map", "");  // wide, not the last row
    ServerSettings settings;
    settings.startDirectory = install.Root();
    RecordingMessages messages;
    CMapSelectionDlg dialog(settings, messages);
    dialog.show();
    auto* const available = dialog.ItemAs<QListWidget>(1037);
    const auto choose = [](QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    choose(dialog.ItemAs<QListWidget>(1036), 0);
    dialog.ItemAs<QPushButton>(1038)->setFocus();
    for (int press = 0; press < 2; ++press) QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    EXPECT_EQ(available->item(14)->text(), QString::fromUtf8("caf\xc3\xa9.map"));
    EXPECT_GT(available->horizontalScrollBar()->maximum(), 0);
    choose(available, 14);
    dialog.ItemAs<QPushButton>(1023)->click();
    auto* const name = dialog.ItemAs<QLineEdit>(1009);
    for (const char* typed : {"a;b", "say\"x", ""}) name->clear(), QTest::keyClicks(name, typed), dialog.ItemAs<QPushButton>(1041)->click();
    dialog.ItemAs<QPushButton>(1)->click();
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), "set si_mapcycle \"mp/b;mp/c;mp/a;mp/caf\xc3\xa9.map\"\r\n");
}

TEST(ReviewedEdits, WrittenTextRefusesWhatTheFilesCannotHoldAndDigitsStayDigits) {
    ServerSettings store;
    store.net_LANServer = 0;
    store.net_serverZombieTimeout = -5;
    RecordingMessages messages;
    CMapSelectionDlg maps(store, messages);
    CAdvancedSettingsDlg advanced(store);
    for (QLineEdit* edit : {maps.ItemAs<QLineEdit>(1009), advanced.ItemAs<QLineEdit>(1012), advanced.ItemAs<QLineEdit>(1042)}) {
        edit->clear();
        for (const char16_t typed : {u'\u00e9', u'\u20ac', u'\u0100'})
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(QChar(typed)), Qt::NoModifier);
        QTest::keyClicks(edit, QString(120, u'x'));
        EXPECT_EQ(edit->text(), QStringLiteral("\u00e9") + QString(98, u'x'));
    }
    QLineEdit* digits = advanced.ItemAs<QLineEdit>(1009);
    EXPECT_EQ(digits->text(), "-5");  // as stored
    const struct { const char* way; std::function<void()> act; const char* text; } rows[] = {
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
TEST(ReviewedMessages, BelongToTheMapDialogWhileItIsOpen) {
    QWidget mainWindow;
    QtOperatorMessages messages(&mainWindow);
    ServerSettings store;
    auto dialog = std::make_unique<CMapSelectionDlg>(store, messages);
    EXPECT_EQ(messages.Owner(), dialog.get());
    dialog.reset();
    EXPECT_EQ(messages.Owner(), &mainWindow);
}

}  // namespace kelvrin::testing
