// Which of the operator's actions reach the dialog as events, and that nothing done from code
// does.
#include "tests/ui/WindowFixture.h"

namespace kelvrin::testing {
namespace {

using Events = std::vector<std::string>;

// The focus set from code first is no event.
void Key(QWidget* control, Qt::Key key) {
    control->setFocus();
    QTest::keyClick(control, key);
}

void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
void ArrowDown(QWidget* control) { Key(control, Qt::Key_Down); }
void Enter(QWidget* control) { Key(control, Qt::Key_Return); }
void Tab(QWidget* control) { Key(control, Qt::Key_Tab); }
void Escape(QWidget* control) { Key(control, Qt::Key_Escape); }
void Type(QWidget* control) { Key(control, Qt::Key_7); }

void Wheel(QWidget* control) {
    QWheelEvent event({4, 4}, {}, {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &event);
}

// The link reports a press on its text once, a double click included, and none beside it.
void PressLink(QWidget* link) {
    link->repaint();
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseDClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(link->width() - 2, 2));
}

// The window's context menu offers the template's system-menu entry; the operator picks it.
void PickFromContextMenu(QWidget* control) {
    WhenWindowAppears(
        [](QWidget* popup) {
            const QList<QAction*> entries = popup->actions();
            ASSERT_EQ(entries.size(), 1);
            EXPECT_EQ(entries[0]->text(), QStringLiteral("Inf&o über Kelvrin..."));
            const QRect entry = static_cast<QMenu*>(popup)->actionGeometry(entries[0]);
            QTest::mouseClick(popup, Qt::LeftButton, {}, entry.center());
        },
        [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); });
    QContextMenuEvent click(QContextMenuEvent::Mouse, {1, 1}, control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control->window(), &click);
}

// The main window's controls, each acted on as an operator does.
TEST(TemplateWindowEvents, TheOperatorsActionsReachTheDialog) {
    const struct {
        const char* name;
        int id;
        void (*act)(QWidget*);
        Events events;
        bool closes = false;
    } rows[] = {
        {"button clicked", 1024, Click, {"focused 1024", "clicked 1024"}},
        {"arrow key in a drop-down", 1014, ArrowDown, {"picked 1014"}},
        {"wheel without the focus", 1007, Wheel, {}},
        {"typed into a drop-down", 1007, Type, {"edited 1007"}},
        {"typed into an edit", 1010, Type, {"edited 1010"}},
        {"Enter in an edit", 1010, Enter, {"clicked 1"}},
        {"Tab", 1009, Tab, {"focused 1008"}},
        {"Escape", 1009, Escape, {}, true},
        {"link's text pressed", 1039, PressLink, {"clicked 1039"}},
        {"menu entry", 1009, PickFromContextMenu, {"clicked 16"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ShownTemplate main(102);
        QWidget* control = main.window.Item(row.id);
        row.act(control);
        EXPECT_EQ(main.dialog.events, row.events);
        EXPECT_EQ(main.window.isVisible(), !row.closes);
    }
}

// The map dialog's lists report the focus they gain, a row chosen and double-clicked.
TEST(TemplateWindowEvents, ListsReportChoiceDoubleClickAndFocus) {
    ShownTemplate maps(139);
    maps.window.SetItems(1037, {"a.map", "b.map"});
    QTest::mouseClick(maps.window.ItemAs<QListView>(1036)->viewport(), Qt::LeftButton);
    QListView* list = maps.window.ItemAs<QListView>(1037);
    const QPoint row = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(maps.dialog.events, Events({"focused 1036", "focused 1037", "picked 1037"}));
    EXPECT_EQ(maps.window.Selection(1037), 1);
    maps.dialog.events.clear();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(maps.dialog.events, Events({"double-clicked 1037"}));
}

// Escape after Enter must not answer Exit's question with No: only a button answers it.
TEST(TemplateWindowEvents, OnlyAButtonAnswersTheQuestion) {
    ShownTemplate main(102);
    WhenWindowAppears([](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Question");
        EXPECT_EQ(box->text(), "Save changed configuration ?");
        EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(box->close());
        ASSERT_TRUE(box->isVisible());
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    EXPECT_TRUE(main.window.AskYesNo("Save changed configuration ?", "Question"));
}

// What the dialog does through the view raises no event, and each verb does what it says.
TEST(TemplateWindowEvents, NothingDoneFromCodeRaisesAnEvent) {
    ShownTemplate main(102);
    main.window.SetText(1009, "name");
    main.window.SetText(1007, "LAN");
    main.window.SetChecked(1020, true);
    main.window.SetItems(1048, {"[a]", "[b]"});
    main.window.Select(1048, 1);
    main.window.Enable(1011, false);
    main.window.SetText(kWindowItem, "caption");
    EXPECT_TRUE(main.dialog.events.empty());
    EXPECT_EQ(main.window.Selection(1007), 5);
    EXPECT_TRUE(main.window.Checked(1020));
    EXPECT_EQ(main.window.Text(1048), "[b]");
    EXPECT_FALSE(main.window.Item(1011)->isEnabled());
    EXPECT_EQ(main.window.windowTitle(), "caption");
    main.window.Close(true);
    EXPECT_EQ(main.window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kelvrin::testing
