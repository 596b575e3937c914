#include <QDir>

#include <algorithm>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/LinkLabel.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgOpeningTest : public MainWindowTest {
protected:
    void ChooseFolder(const std::string& folder) const {
        Choose(kGameBase, Combo(kGameBase)->findText(QString::fromStdString("[" + folder + "]")));
        EXPECT_EQ(settings.gameFolder, folder);
    }
};

TEST_F(KelvrinDlgOpeningTest, ListsTheGameFoldersSortedAndFindsDvbaseInAnyLetterCase) {
    QDir(QString::fromStdString(installation.Root())).rename("dvbase", "DVBASE");
    for (const char* folder : {"zeta", "Alpha", "mods", "Beta"}) installation.MakeFolder(folder);
    installation.WriteFile("readme.txt", "a file is no game folder");
    settings.si_name = "changed before the window opened";
    Open();
    EXPECT_EQ(Items(kGameBase), QStringList({"[Alpha]", "[Beta]", "[DVBASE]", "[mods]", "[zeta]"}));
    EXPECT_EQ(Texts({kGameBase, kServerName}), QStringList({"[DVBASE]", "Hollowmere"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, WithoutDvbaseSaysSoOnceAndStaysUsable) {
    QDir(QString::fromStdString(installation.Root())).rmdir("dvbase");
    installation.MakeFolder("mods");
    Open();
    EXPECT_EQ(messages.shown, std::vector<std::string>{
                                  "can't find game folders in the current directory !\n"
                                  "Please execute \"kelvrin.exe\" in your Dravek(TM) folder..."});
    EXPECT_EQ(Items(kGameBase), QStringList{"[mods]"});
    EXPECT_EQ(Text(kGameBase), "");
    Type(kServerName, "Reachable");
    Click(kExit);
    EXPECT_EQ(settings.si_name, "Reachable");
    EXPECT_FALSE(window->isVisible());
}

// The opening and each choice read the folder's store and show it, replacing edits not yet
// collected.
TEST_F(KelvrinDlgOpeningTest, AChosenGameFolderReplacesWhatTheWindowShows) {
    const std::string longName(32, 'g');
    ServerSettings stored;
    stored.si_name = "Base Server", stored.si_fragLimit = 20;
    WriteConfig("dvbase", stored);
    stored.si_name = "Mod Server", stored.si_fragLimit = 55;
    stored.gameTypeIndex = 2, stored.si_gameType = "CTF";
    WriteConfig("mods", stored);
    stored.si_name = "Never Read";
    WriteConfig(longName, stored);
    for (const std::string folder : {"dvbase", "mods", longName.c_str()})
        installation.WriteFile(folder + "/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm1.map\"\r\n");
    installation.MakeFolder("empty");
    Open();
    EXPECT_EQ(Texts({kServerName, kFragLimit, kGameBase}), QStringList({"Base Server", "20", "[dvbase]"}));
    ASSERT_TRUE(Check(kMapCycle)->isChecked());
    Type(kServerName, "Typed But Not Taken");
    Type(kFragLimit, "77");
    ChooseFolder("empty");  // no store of its own and no map cycle script
    EXPECT_EQ(Texts({kServerName, kFragLimit}), QStringList({"Base Server", "20"}));
    EXPECT_EQ(settings.si_name, "Base Server");
    EXPECT_FALSE(Check(kMapCycle)->isChecked());
    EXPECT_EQ(settings.si_mapCycle, 0);

    ChooseFolder("mods");
    EXPECT_EQ(Texts({kServerName, kFragLimit, kGameType}), QStringList({"Mod Server", "55", "CTF"}));
    EXPECT_TRUE(Item<QWidget>(kCaptureLimit)->isEnabled());
    EXPECT_TRUE(Check(kMapCycle)->isChecked());

    Type(kServerName, "Typed But Not Taken");
    ChooseFolder(longName);  // a name over 31 characters reads nothing
    EXPECT_EQ(Text(kServerName), "Mod Server");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KelvrinDlgOpeningTest, TabVisitsTheControlsInTheirFixedOrder) {
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

TEST_F(KelvrinDlgOpeningTest, ExactlyFiveControlsHaveTooltips) {
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
TEST_F(KelvrinDlgOpeningTest, ALinksTextOpensItsTarget) {
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

}  // namespace
}  // namespace kelvrin::testing
