// The main window's commands, and the ways it closes.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

#include <filesystem>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramIcons.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

// Both commands collect first, so a following Exit has nothing to ask.
TEST_F(MainWindowTest, SaveConfigWritesBothFilesAndStartServerTheConfigAndStartsTheGame) {
    Open();
    Type(kServerName, "Saved Server");
    Item<QWidget>(kSaveConfig)->setFocus();
    QTest::keyClick(Item<QWidget>(kSaveConfig), Qt::Key_Return);  // Enter presses the focused button
    EXPECT_TRUE(Wrote("set si_name \"Saved Server\"\r\n"));
    EXPECT_EQ(installation.ReadFile("kvr_dvbase.bat"), "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n");
    EXPECT_EQ(messages.shown, Shown{"Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"});
    Type(kServerName, "Started Server");
    Click(kDedicated);
    Click(kStartServer);
    ASSERT_EQ(launcher.launches.size(), 1u) << "only Start Server starts the game";
    EXPECT_EQ(launcher.launches[0].executable, "dravek.exe");
    EXPECT_EQ(launcher.launches[0].parameters, "+set fs_game dvbase+exec kelvrin.cfg");
    EXPECT_EQ(launcher.launches[0].startDirectory, installation.Root());
    EXPECT_TRUE(Wrote("set si_name \"Started Server\"\r\n"));
    EXPECT_EQ(messages.shown.size(), 1u) << "Start Server says nothing";
    Click(kExit);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(window->isVisible());
}

// Exit asks only after an edit and writes only the config on Yes; Enter outside a push button acts
// as Exit; Escape closes without a question or a write.
TEST_F(MainWindowTest, EachWayOfClosingTheWindow) {
    const struct { const char* what; int focus; Qt::Key key; bool edit, answer, asked, written; int result; } rows[] = {
        {"Exit by Space", kExit, Qt::Key_Space, false, true, false, false, QDialog::Accepted},
        {"Exit, No", kExit, Qt::Key_Space, true, false, true, false, QDialog::Accepted},
        {"Exit, Yes", kExit, Qt::Key_Space, true, true, true, true, QDialog::Accepted},
        {"Escape", kServerName, Qt::Key_Escape, true, true, false, false, QDialog::Rejected},
        {"Enter in an edit", kFragLimit, Qt::Key_Return, true, true, true, true, QDialog::Accepted},
        {"Enter on a list", kSpeed, Qt::Key_Enter, true, false, true, false, QDialog::Accepted}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove(installation.PathOf("dvbase/kelvrin.cfg"));
        Open();
        if (row.edit) Type(kServerName, "Edited");
        messages.answers.push_back(row.answer);
        Item<QWidget>(row.focus)->setFocus();
        QTest::keyClick(Item<QWidget>(row.focus), row.key);
        ASSERT_EQ(messages.asked.size(), row.asked ? 1u : 0u);
        for (const auto& question : messages.asked)
            EXPECT_EQ(question.text + "|" + question.caption, "Save changed configuration ?|Question");
        EXPECT_EQ(Wrote("set si_name \"Edited\"\r\n"), row.written);
        EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
        EXPECT_EQ(messages.shown, Shown{});
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), row.result);
    }
}

// The commands tell what failed; Exit (answered Yes) closes anyway.
TEST_F(MainWindowTest, CommandsReportAFolderOrFileTheyCannotUse) {
    const struct { int command; bool configIsAFolder; const char* message; } rows[] = {
        {kSaveConfig, false, "can't change to subdirectory \"dvbase\""},
        {kStartServer, false, "can't open subdirectory \"dvbase\" !"},
        {kExit, false, "can't open subdirectory \"dvbase\" !"},
        {kExit, true, "can't write \"kelvrin.cfg\"!"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        installation.MakeFolder(row.configIsAFolder ? "dvbase/kelvrin.cfg" : "dvbase");
        Open();
        Type(kServerName, "Lost");
        if (!row.configIsAFolder) std::filesystem::remove_all(installation.PathOf("dvbase"));
        messages.answers.push_back(true);
        Click(row.command);
        EXPECT_EQ(messages.shown, Shown{row.message});
        EXPECT_EQ(window->isVisible(), row.command != kExit);
        EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
        EXPECT_TRUE(launcher.launches.empty());
    }
}

// "Info" and the window's menu entry open the same About box; Enter closes it, and Escape.
TEST_F(MainWindowTest, InfoAndTheWindowsMenuEntryOpenTheAboutBox) {
    Open();
    std::vector<QStringList> seen;
    const auto seeAbout = [&seen](Qt::Key key) {
        WhenWindowAppears([&seen, key](QWidget* about) {
            QStringList texts{about->windowTitle()};
            for (const QLabel* label : about->findChildren<QLabel*>()) {
                const bool decorative = label->pixmap().toImage() == DecorativeIcon().toImage();
                texts << (decorative ? QStringLiteral("icon 134") : label->text());
            }
            seen.push_back(texts);
            QTest::keyClick(about, key);
        });
    };
    seeAbout(Qt::Key_Return);
    Click(kInfo);
    WhenWindowAppears([](QWidget* popup) {  // the window's menu: its only entry is clicked
        auto* menu = qobject_cast<QMenu*>(popup);
        ASSERT_TRUE(menu != nullptr && menu->actions().size() == 1);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Inf&o über Kelvrin..."));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[0]).center());
    }, [] { return QApplication::activePopupWidget(); });
    seeAbout(Qt::Key_Escape);
    const QPoint background = window->DialogUnitsToPixels(QRect(140, 290, 1, 1)).topLeft();
    ASSERT_EQ(window->childAt(background), nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window.get(), &click);
    const QStringList about{"Info über Kelvrin", "icon 134", "icon 134", "Kelvrin - Dravek (TM) Server-Frontend ",
                            "Version 0.22 - beta -", "download at http://www.kelvrin.example.org",
                            "mail: kelvrin@example.org", "by the Kelvrin team"};
    EXPECT_EQ(seen, std::vector<QStringList>(2, about));
    EXPECT_TRUE(window->isVisible());
}

// Only a press on a link's own text opens its target, and then once.
TEST_F(MainWindowTest, ALinksTextOpensItsTarget) {
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
