// Which of the operator's actions reach the dialog as events, and that nothing done from code
// does.
#include "tests/ui/WindowFixture.h"
#include "ui/LinkLabel.h"

namespace kelvrin::testing {
namespace {

using Events = std::vector<std::string>;

void Wheel(QWidget* widget, int notches) {
    QWheelEvent event({4, 4}, {}, {}, {0, -120 * notches}, {}, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void TypeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
}

// The main window's controls, each acted on as an operator does.
TEST(TemplateWindowEvents, TheOperatorsActionsReachTheDialog) {
    const struct {
        const char* name;
        std::function<void(ShownTemplate&)> act;
        Events events;
    } rows[] = {
        {"button clicked",
         [](ShownTemplate& w) { w.Click(1024); },
         {"focused 1024", "clicked 1024"}},
        {"check box clicked",
         [](ShownTemplate& w) { w.Click(1020); },
         {"focused 1020", "clicked 1020"}},
        {"item picked", [](ShownTemplate& w) { w.Choose(1007, 2); }, {"picked 1007"}},
        {"arrow key",
         [](ShownTemplate& w) {
             w.Item<QWidget>(1014)->setFocus();
             QTest::keyClick(w.Item<QWidget>(1014), Qt::Key_Down);
         },
         {"picked 1014"}},
        {"wheel without the focus", [](ShownTemplate& w) { Wheel(w.Item<QWidget>(1007), 1); }, {}},
        {"typed into a list's field",
         [](ShownTemplate& w) { TypeInto(w.Item<QComboBox>(1007)->lineEdit(), "LAN"); },
         {"edited 1007", "edited 1007", "edited 1007"}},
        {"typed into an edit",
         [](ShownTemplate& w) { TypeInto(w.Item<QWidget>(1010), "7"); },
         {"edited 1010"}},
        {"Enter in an edit",
         [](ShownTemplate& w) {
             w.Item<QWidget>(1010)->setFocus();
             QTest::keyClick(w.Item<QWidget>(1010), Qt::Key_Return);
         },
         {"clicked 1"}},
        {"Tab",
         [](ShownTemplate& w) { QTest::keyClick(w.Item<QWidget>(1009), Qt::Key_Tab); },
         {"focused 1008"}},
        {"Escape", [](ShownTemplate& w) { QTest::keyClick(&w.window, Qt::Key_Escape); }, {}},
        {"link's text pressed",
         [](ShownTemplate& w) {
             auto* link = w.Item<CLinkLabel>(1039);
             link->repaint();
             QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
             QTest::mouseDClick(link, Qt::LeftButton, {}, QPoint(2, 2));
             QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(link->width() - 2, 2));
         },
         {"clicked 1039"}},
        {"menu entry",
         [](ShownTemplate& w) {
             WhenWindowAppears(
                 [](QWidget* popup) {
                     auto* menu = qobject_cast<QMenu*>(popup);
                     ASSERT_NE(menu, nullptr);
                     ASSERT_EQ(menu->actions().size(), 1);
                     EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Inf&o über Kelvrin..."));
                     const QRect entry = menu->actionGeometry(menu->actions()[0]);
                     QTest::mouseClick(menu, Qt::LeftButton, {}, entry.center());
                 },
                 [] { return QApplication::activePopupWidget(); });
             const QPoint background =
                 w.window.DialogUnitsToPixels(QRect(140, 290, 1, 1)).topLeft();
             QContextMenuEvent click(QContextMenuEvent::Mouse, background,
                                     w.window.mapToGlobal(background));
             QApplication::sendEvent(&w.window, &click);
         },
         {"clicked 16"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ShownTemplate main(102);
        row.act(main);
        EXPECT_EQ(main.dialog.events, row.events);
        EXPECT_EQ(main.window.isVisible(), std::string(row.name) != "Escape");
    }
}

// The map dialog's lists report the focus they gain, a row chosen and double-clicked.
TEST(TemplateWindowEvents, ListsReportChoiceDoubleClickAndFocus) {
    ShownTemplate maps(139);
    maps.window.SetItems(1037, {"a.map", "b.map"});
    QTest::mouseClick(maps.Item<QListWidget>(1036)->viewport(), Qt::LeftButton);
    QListWidget* list = maps.Item<QListWidget>(1037);
    const QPoint row = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    const Events events{"focused 1036", "focused 1037", "picked 1037", "double-clicked 1037"};
    EXPECT_EQ(maps.dialog.events, events);
    EXPECT_EQ(maps.window.Selection(1037), 1);
}

// What the dialog does through the view raises no event, and each verb does what it says.
TEST(TemplateWindowEvents, NothingDoneFromCodeRaisesAnEvent) {
    ShownTemplate main(102);
    main.window.SetText(1009, "name");
    main.window.SetText(1007, "LAN");
    main.window.SetChecked(1020, true);
    main.window.Select(1008, 4);
    main.window.SetItems(1048, {"[a]", "[b]"});
    main.window.Select(1048, 1);
    main.window.Enable(1011, false);
    main.window.SetText(kWindowItem, "caption");
    EXPECT_TRUE(main.dialog.events.empty());
    EXPECT_EQ(main.window.Text(1009), "name");
    EXPECT_EQ(main.window.Selection(1007), 5);
    EXPECT_TRUE(main.window.Checked(1020));
    EXPECT_EQ(main.window.Text(1008), "Tourney");
    EXPECT_EQ(main.window.Text(1048), "[b]");
    EXPECT_FALSE(main.Item<QWidget>(1011)->isEnabled());
    EXPECT_EQ(main.window.windowTitle(), "caption");
    main.window.Close(true);
    EXPECT_EQ(main.window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kelvrin::testing
