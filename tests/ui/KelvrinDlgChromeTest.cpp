#include <QContextMenuEvent>
#include <QMenu>

#include <map>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/LinkLabel.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgChromeTest : public MainWindowTest {
protected:
    // The control (by id) that holds the keyboard focus, or 0.
    int FocusedControl(const std::vector<int>& ids) const {
        const QWidget* focus = QApplication::focusWidget();
        for (const int id : ids) {
            const QWidget* control = Item<QWidget>(id);
            if (focus == control || control->isAncestorOf(focus)) return id;
        }
        return 0;
    }
};

TEST_F(KelvrinDlgChromeTest, TabVisitsTheControlsInTheirFixedOrder) {
    const std::vector<int> order{1009, 1008, 1048, 1007, 1014, 1004, 1003, 1016, 1046,
                                 1002, 1010, 1026, 1012, 1011, 1027, 1017, 1001, 1013,
                                 1042, 1015, 1019, 1000, 1047, 1018, 1005, 1040, 1020,
                                 1035, 1041, 1038, 1024, 1023, 1,    1006, 1009};
    Open();
    for (QWidget* child : window->findChildren<QWidget*>()) child->setEnabled(true);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(FocusedControl(order), 1009);

    std::vector<int> visited{1009};
    for (std::size_t step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(FocusedControl(order));
    }
    EXPECT_EQ(visited, order);
}

TEST_F(KelvrinDlgChromeTest, ExactlyFiveControlsHaveTooltips) {
    Open();
    const std::map<int, QString> expected{
        {1009, "Enter the name of your Server"},
        {1024, "Saves the current settings and creates a batch file"},
        {1023, "Start a server with the current settings"},
        {1002, "this will select dravekded.exe"},
        {1046, "play without connection to the internet - LAN only"},
    };
    for (const auto& [id, text] : expected) EXPECT_EQ(Item<QWidget>(id)->toolTip(), text) << id;

    int withTooltip = 0;
    for (const QWidget* child : window->findChildren<QWidget*>())
        if (!child->toolTip().isEmpty()) ++withTooltip;
    EXPECT_EQ(withTooltip, 5);
    EXPECT_TRUE(window->toolTip().isEmpty());
}

TEST_F(KelvrinDlgChromeTest, AClickOnALinksTextOpensItsTargetOnce) {
    Open();
    const std::pair<int, const char*> links[] = {
        {1039, "http://www.kelvrin.example.org"},
        {1034, "http://shop.example.org"},
        {1051, "mailto:kelvrin@example.org?subject=kelvrin"},
    };
    for (const auto& [id, target] : links) {
        SCOPED_TRACE(id);
        auto* link = Item<CLinkLabel>(id);
        link->repaint();
        urls.opened.clear();
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(urls.opened, std::vector<std::string>{target});
    }
}

TEST_F(KelvrinDlgChromeTest, AClickBesideALinksTextOpensNothing) {
    Open();
    auto* link = Item<CLinkLabel>(kHomeLink);
    link->repaint();
    const QPoint beside(link->width() - 2, 2);
    ASSERT_FALSE(link->HitTest(beside));
    QTest::mouseClick(link, Qt::LeftButton, {}, beside);
    EXPECT_TRUE(urls.opened.empty());
}

TEST_F(KelvrinDlgChromeTest, LinksShowTheirAddresses) {
    Open();
    EXPECT_EQ(Item<CLinkLabel>(kHomeLink)->text(), "www.kelvrin.example.org");
    EXPECT_EQ(Item<CLinkLabel>(kMailLink)->text(), "kelvrin@example.org");
    EXPECT_EQ(Item<CLinkLabel>(kShopLink)->text(), "shop.example.org");
}

TEST_F(KelvrinDlgChromeTest, InfoOpensTheAboutBoxOverTheWindow) {
    Open();
    QString caption;
    bool mainWindowWaited = false;
    WhenWindowAppears([&](QWidget* about) {
        caption = about->windowTitle();
        mainWindowWaited = about->parentWidget() == window.get();
        about->close();
    });
    Click(kInfo);
    EXPECT_EQ(caption, QStringLiteral("Info über Kelvrin"));
    EXPECT_TRUE(mainWindowWaited);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(KelvrinDlgChromeTest, TheWindowsMenuEntryOpensTheSameAboutBox) {
    Open();
    QString entry;
    WhenWindowAppears(
        [&entry](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            if (menu == nullptr || menu->actions().isEmpty()) return popup->close(), void();
            QAction* about = menu->actions().constFirst();
            entry = about->text();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(about).center());
        },
        [] { return QApplication::activePopupWidget(); });
    QString caption;
    CloseWhenModalAppears(&caption);

    // A right click on the window's background, below the buttons.
    const QPoint background = window->DialogUnitsToPixels(QRect(140, 290, 1, 1)).topLeft();
    ASSERT_EQ(window->childAt(background), nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window.get(), &click);

    EXPECT_EQ(entry, QStringLiteral("Inf&o über Kelvrin..."));
    EXPECT_EQ(caption, QStringLiteral("Info über Kelvrin"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(KelvrinDlgChromeTest, TheProgramsCursorShowsOverTheWindowAndItsControls) {
    Open();
    for (const QWidget* widget : {static_cast<QWidget*>(window.get()), Item<QWidget>(kServerName),
                                  Item<QWidget>(kExit), Item<QWidget>(kMapCycle)}) {
        EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(widget->cursor().hotSpot(), QPoint(0, 0));
    }
}

}  // namespace
}  // namespace kelvrin::testing
