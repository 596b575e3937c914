// What passes between the Qt window and its dialog: which of the operator's actions reach the
// dialog as events, and the view's promises to the dialog layer.
#include "tests/ui/WindowFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using enum EventKind;

void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

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
    WhenWindowAppears([](QWidget* popup) {
        const QList<QAction*> entries = popup->actions();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0]->text(), QStringLiteral("Inf&o über Kelvrin..."));
        const QRect entry = static_cast<QMenu*>(popup)->actionGeometry(entries[0]);
        QTest::mouseClick(popup, Qt::LeftButton, {}, entry.center());
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, {1, 1}, control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control->window(), &click);
}

// An action of the operator on a control of the main window, and the events it hands the dialog.
struct Action : Named {
    int control;
    void (*act)(QWidget*);
    std::vector<Event> events;
    bool closes = false;
};

class OperatorsAction : public ::testing::TestWithParam<Action> {};

TEST_P(OperatorsAction, ReachesTheDialog) {
    ShownTemplate main(kTemplate);
    // The dialog layer gives the drop-downs their entries; this dialog gives none.
    main.window.SetItems(kSpeed, {"128 kbs", "LAN"});
    main.window.SetItems(kMaxPlayers, {"2", "4"});
    GetParam().act(main.window.Item(GetParam().control));
    EXPECT_EQ(main.dialog.events, GetParam().events);
    EXPECT_EQ(main.window.isVisible(), !GetParam().closes);
}

const Action kActions[] = {
    {{"button clicked"}, kSaveConfig, Click, {{Focused, kSaveConfig}, {Clicked, kSaveConfig}}},
    {{"arrow key in a drop-down"}, kMaxPlayers, Press<Qt::Key_Down>, {{Picked, kMaxPlayers}}},
    {{"wheel without the focus"}, kSpeed, Wheel, {}},
    {{"typed into a drop-down"}, kSpeed, Press<Qt::Key_7>, {{Edited, kSpeed}}},
    {{"typed into an edit"}, kTimeLimit, Press<Qt::Key_7>, {{Edited, kTimeLimit}}},
    {{"Enter in an edit"}, kTimeLimit, Press<Qt::Key_Return>, {{Clicked, kExit}}},
    {{"Tab"}, kServerName, Press<Qt::Key_Tab>, {{Focused, kGameType}}},
    {{"Escape"}, kServerName, Press<Qt::Key_Escape>, {}, true},
    {{"link's text pressed"}, kHomeLink, PressLink, {{Clicked, kHomeLink}}},
    {{"menu entry"}, kServerName, PickFromContextMenu, {{Clicked, kAboutCommand}}},
};
INSTANTIATE_TEST_SUITE_P(MainWindow, OperatorsAction, ::testing::ValuesIn(kActions), RowName());

// The map dialog's lists report the focus they gain, a row chosen and double-clicked.
TEST(TemplateWindowEvents, ListsReportChoiceDoubleClickAndFocus) {
    using namespace mapselection;
    ShownTemplate maps(mapselection::kTemplate);
    maps.window.SetItems(kAvailableList, {"a.map", "b.map"});
    QTest::mouseClick(maps.window.ItemAs<QListView>(kSelectedList)->viewport(), Qt::LeftButton);
    QListView* list = maps.window.ItemAs<QListView>(kAvailableList);
    const QPoint row = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    const std::vector<Event> chosen = {
        {Focused, kSelectedList}, {Focused, kAvailableList}, {Picked, kAvailableList}};
    EXPECT_EQ(maps.dialog.events, chosen);
    maps.dialog.events.clear();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(maps.dialog.events, std::vector<Event>({{DoubleClicked, kAvailableList}}));
}

// The Qt window keeps the promises every view keeps; what they leave to each view, it does too:
// a control disabled, the window closed with the dialog's answer.
TEST(TemplateWindow, KeepsTheViewContractOfTheMainWindow) {
    ShownTemplate main(kTemplate);
    CheckMainWindowView(main.window, main.dialog);
    main.window.Enable(kTourneyLimit, false);
    EXPECT_FALSE(main.window.Item(kTourneyLimit)->isEnabled());
    main.window.Close(true);
    EXPECT_EQ(main.window.result(), QDialog::Accepted);
}

TEST(TemplateWindow, KeepsTheViewContractOfTheMapDialog) {
    ShownTemplate maps(mapselection::kTemplate);
    CheckMapDialogView(maps.window, maps.dialog);
}

}  // namespace
}  // namespace kelvrin::testing
