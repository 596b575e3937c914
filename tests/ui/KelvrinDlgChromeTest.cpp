#include <QContextMenuEvent>
#include <QMenu>

#include <algorithm>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/LinkLabel.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgChromeTest : public MainWindowTest {};

TEST_F(KelvrinDlgChromeTest, TabVisitsTheControlsInTheirFixedOrder) {
    const std::vector<int> order{1009, 1008, 1048, 1007, 1014, 1004, 1003, 1016, 1046, 1002, 1010, 1026,
                                 1012, 1011, 1027, 1017, 1001, 1013, 1042, 1015, 1019, 1000, 1047, 1018,
                                 1005, 1040, 1020, 1035, 1041, 1038, 1024, 1023, 1,    1006, 1009};
    Open();
    for (QWidget* child : window->findChildren<QWidget*>()) child->setEnabled(true);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    std::vector<int> visited;
    for (std::size_t step = 0; step < order.size(); ++step) {
        if (step > 0) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        const auto at = std::find_if(order.begin(), order.end(), [&](int id) {
            return Item<QWidget>(id) == focus || Item<QWidget>(id)->isAncestorOf(focus);
        });
        visited.push_back(at == order.end() ? 0 : *at);
    }
    EXPECT_EQ(visited, order);
}

TEST_F(KelvrinDlgChromeTest, ExactlyFiveControlsHaveTooltips) {
    const std::pair<int, const char*> tips[] = {
        {kServerName, "Enter the name of your Server"},
        {kSaveConfig, "Saves the current settings and creates a batch file"},
        {kStartServer, "Start a server with the current settings"},
        {kDedicated, "this will select dravekded.exe"},
        {kPureLanServer, "play without connection to the internet - LAN only"}};
    Open();
    for (const auto& [id, text] : tips) EXPECT_EQ(Item<QWidget>(id)->toolTip(), text) << id;
    QList<QWidget*> all = window->findChildren<QWidget*>() << window.get();
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](QWidget* w) { return !w->toolTip().isEmpty(); }), 5);
}

// Only a click on a link's own text opens its target, and then once.
TEST_F(KelvrinDlgChromeTest, ALinksTextOpensItsTarget) {
    const std::pair<int, const char*> links[] = {{kHomeLink, "http://www.kelvrin.example.org"},
                                                 {kShopLink, "http://shop.example.org"},
                                                 {kMailLink, "mailto:kelvrin@example.org?subject=kelvrin"}};
    Open();
    for (const auto& [id, target] : links) {
        SCOPED_TRACE(id);
        auto* link = Item<CLinkLabel>(id);
        link->repaint();
        urls.opened.clear();
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(link->width() - 2, 2));
        EXPECT_TRUE(urls.opened.empty());
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(urls.opened, std::vector<std::string>{target});
    }
}

TEST_F(KelvrinDlgChromeTest, InfoAndTheWindowsMenuEntryOpenTheAboutBox) {
    Open();
    QString fromInfo, fromMenu, entry;
    CloseWhenModalAppears(&fromInfo);
    Click(kInfo);
    WhenWindowAppears(
        [&entry](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            if (menu == nullptr || menu->actions().isEmpty()) return popup->close(), void();
            entry = menu->actions().constFirst()->text();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[0]).center());
        },
        [] { return QApplication::activePopupWidget(); });
    CloseWhenModalAppears(&fromMenu);
    // A right click on the window's background, below the buttons.
    const QPoint background = window->DialogUnitsToPixels(QRect(140, 290, 1, 1)).topLeft();
    ASSERT_EQ(window->childAt(background), nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window.get(), &click);
    EXPECT_EQ(entry, QStringLiteral("Inf&o über Kelvrin..."));
    EXPECT_EQ(QStringList({fromInfo, fromMenu}), QStringList({"Info über Kelvrin", "Info über Kelvrin"}));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace kelvrin::testing
