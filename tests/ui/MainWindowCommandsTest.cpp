// The main window's commands, the sub-dialogs they run, and the ways the window closes.

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramIcons.h"
#include "ui/TemplateDialog.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

// Both commands collect first, so a following Exit has nothing to ask.
TEST_F(MainWindowTest, SaveConfigWritesBothFilesAndStartServerTheConfigAndStartsTheGame) {
    Open();
    Type(kServerName, "Saved Server");
    Item<QWidget>(kSaveConfig)->setFocus();
    QTest::keyClick(Item<QWidget>(kSaveConfig),
                    Qt::Key_Return);  // Enter presses the focused button
    EXPECT_EQ(
        std::tuple(Wrote("set si_name \"Saved Server\"\r\n"),
                   installation.ReadFile("kvr_dvbase.bat"), messages.shown),
        std::tuple(true, std::string("dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n"),
                   Shown{"Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"}));
    Type(kServerName, "Started Server");
    Click(kDedicated);
    Click(kStartServer);
    ASSERT_EQ(launcher.launches.size(), 1u) << "only Start Server starts the game";
    EXPECT_EQ(launcher.launches[0].executable + " " + launcher.launches[0].parameters,
              "dravek.exe +set fs_game dvbase+exec kelvrin.cfg");
    EXPECT_EQ(std::pair(Wrote("set si_name \"Started Server\"\r\n"), messages.shown.size()),
              std::pair(true, 1ul))
        << "and says nothing";
    Click(kExit);
    EXPECT_EQ(std::pair(messages.asked.size(), window->isVisible()), std::pair(0ul, false))
        << "both commands collected first";
}

// Exit asks only after an edit and writes only the config on Yes; Enter outside a push button acts
// as Exit; Escape closes without a question or a write.
TEST_F(MainWindowTest, EachWayOfClosingTheWindow) {
    const struct {
        const char* what;
        int focus;
        Qt::Key key;
        bool edit, answer, asked, written;
        int result;
    } rows[] = {
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
        const std::string asked =
            messages.asked.empty() ? "" : messages.asked[0].text + "|" + messages.asked[0].caption;
        EXPECT_EQ(std::tuple(asked, messages.asked.size() <= 1, Wrote("set si_name \"Edited\"\r\n"),
                             window->isVisible(), window->result()),
                  std::tuple(std::string(row.asked ? "Save changed configuration ?|Question" : ""),
                             true, row.written, false, row.result));
        EXPECT_EQ(std::pair(installation.Exists("kvr_dvbase.bat"), messages.shown),
                  std::pair(false, Shown{}));
    }
}

// The commands tell what failed; Exit (answered Yes) closes anyway.
TEST_F(MainWindowTest, CommandsReportAFolderOrFileTheyCannotUse) {
    const struct {
        int command;
        bool configIsAFolder;
        const char* message;
    } rows[] = {{kSaveConfig, false, "can't change to subdirectory \"dvbase\""},
                {kStartServer, false, "can't open subdirectory \"dvbase\" !"},
                {kExit, false, "can't open subdirectory \"dvbase\" !"},
                {kExit, true, "can't write \"kelvrin.cfg\"!"}};
    for (const auto& row : rows) {
        installation.MakeFolder(row.configIsAFolder ? "dvbase/kelvrin.cfg" : "dvbase");
        Open();
        Type(kServerName, "Lost");
        if (!row.configIsAFolder) std::filesystem::remove_all(installation.PathOf("dvbase"));
        messages.answers.push_back(true);
        Click(row.command);
        EXPECT_EQ(std::tuple(messages.shown, window->isVisible(),
                             installation.Exists("kvr_dvbase.bat"), launcher.launches.size()),
                  std::tuple(Shown{row.message}, row.command != kExit, false, 0u))
            << row.message;
    }
}

// "Info" and the window's menu entry open the same About box; Enter closes it, and Escape.
TEST_F(MainWindowTest, InfoAndTheWindowsMenuEntryOpenTheAboutBox) {
    Open();
    std::vector<QStringList> seen;
    const auto seeAbout = [&seen](Qt::Key key) {
        WhenWindowAppears([&seen, key](QWidget* about) {
            QStringList texts{about->windowTitle()};
            for (const QLabel* label : about->findChildren<QLabel*>())
                texts << (label->pixmap().toImage() == DecorativeIcon().toImage()
                              ? QStringLiteral("icon 134")
                              : label->text());
            seen.push_back(texts);
            QTest::keyClick(about, key);
        });
    };
    seeAbout(Qt::Key_Return);
    Click(kInfo);
    WhenWindowAppears(
        [](QWidget* popup) {  // the window's menu: its only entry is clicked
            auto* menu = qobject_cast<QMenu*>(popup);
            ASSERT_TRUE(menu != nullptr && menu->actions().size() == 1);
            EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Inf&o über Kelvrin..."));
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions()[0]).center());
        },
        [] { return QApplication::activePopupWidget(); });
    seeAbout(Qt::Key_Escape);
    const QPoint background = window->DialogUnitsToPixels(QRect(140, 290, 1, 1)).topLeft();
    ASSERT_EQ(window->childAt(background), nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window.get(), &click);
    const QStringList about{"Info über Kelvrin",
                            "icon 134",
                            "icon 134",
                            "Kelvrin - Dravek (TM) Server-Frontend ",
                            "Version 0.22 - beta -",
                            "download at http://www.kelvrin.example.org",
                            "mail: kelvrin@example.org",
                            "by the Kelvrin team"};
    EXPECT_EQ(seen, std::vector<QStringList>(2, about));
    EXPECT_TRUE(window->isVisible());
}

// A press on a link's own text opens its target, once also for a double click; beside the text
// nothing opens. The first move over a link only starts tracking the cursor; then the hand shows
// over the text and the arrow beside it and after leaving. The text is drawn pure blue, underlined.
TEST_F(MainWindowTest, LinksOpenTheirTargetsFromTheirTextOnly) {
    const std::pair<int, const char*> links[] = {
        {kHomeLink, "http://www.kelvrin.example.org"},
        {kShopLink, "http://shop.example.org"},
        {kMailLink, "mailto:kelvrin@example.org?subject=kelvrin"}};
    Open();
    for (const auto& [id, target] : links) {
        auto* link = Item<CLinkLabel>(id);
        link->repaint(), urls.opened.clear();
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(link->width() - 2, 2));
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2)),
            QTest::mouseDClick(link, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(urls.opened, std::vector<std::string>{target});
    }
    auto* link = Item<CLinkLabel>(kHomeLink);
    QFont underlined = window->font();
    underlined.setUnderline(true);
    const QSize text(QFontMetrics(underlined).horizontalAdvance(link->text()),
                     QFontMetrics(underlined).height());
    const QRegion blue(QBitmap::fromImage(
        link->grab().toImage().createMaskFromColor(qRgb(0, 0, 255), Qt::MaskOutColor)));
    EXPECT_TRUE(QRect(QPoint(0, 0), text).contains(blue.boundingRect()));
    EXPECT_TRUE(std::any_of(blue.begin(), blue.end(), [&text](const QRect& run) {
        return run.width() >= text.width() * 9 / 10;
    }));
    const std::pair<int, Qt::CursorShape> steps[] = {// x of the move, or -1 to leave
                                                     {3, Qt::BitmapCursor},
                                                     {3, Qt::PointingHandCursor},
                                                     {text.width() + 10, Qt::ArrowCursor},
                                                     {3, Qt::PointingHandCursor},
                                                     {-1, Qt::ArrowCursor},
                                                     {3, Qt::ArrowCursor},
                                                     {3, Qt::PointingHandCursor}};
    for (const auto& [x, shape] : steps) {
        QMouseEvent move(QEvent::MouseMove, QPoint(x, 3), link->mapToGlobal(QPoint(x, 3)),
                         Qt::NoButton, Qt::NoButton, {});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, x < 0 ? &leave : static_cast<QEvent*>(&move));
        EXPECT_EQ(link->cursor().shape(), shape) << "move to x " << x;
    }
}

constexpr int kDialogOk = 1, kDialogCancel = 2;

class MapCycleCommandsTest : public MainWindowTest {
protected:
    // Once the next sub-dialog runs modally over the main window: acts on it, presses one of its
    // buttons and closes it if it is still open, so that exec() returns in every case.
    void WhenDialogRuns(int button, std::function<void(TemplateDialog&)> act = {}) {
        seenCaption.clear();
        WhenWindowAppears([this, button, act](QWidget* modal) {
            seenCaption = modal->windowTitle();
            EXPECT_EQ(modal->parentWidget(), window.get());
            if (auto* dialog = qobject_cast<TemplateDialog*>(modal)) {
                if (act) act(*dialog);
                QTest::mouseClick(dialog->ItemAs<QAbstractButton>(button), Qt::LeftButton);
            }
            if (modal->isVisible()) modal->close();
        });
    }
    QString seenCaption;
};

// Ticking "Map cycle" runs the dialog and keeps the tick only with a script; "Select Maps" runs it
// and leaves the box as it was.
TEST_F(MapCycleCommandsTest, MapCycleBoxFollowsTheScript) {
    const struct {
        bool scriptBefore;
        int command;
        bool tickedBefore;
        int closeWith;
        bool tickedAfter;
    } rows[] = {
        {false, kMapCycle, false, kDialogCancel, false},
        {false, kMapCycle, false, kDialogOk, true},
        {true, kMapCycle, false, kDialogCancel, true},
        {true, kSelectMaps, false, kDialogOk, false},
        {true, kSelectMaps, true, kDialogCancel, true},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(installation.PathOf("dvbase/kelvrin.scriptcfg"));
        if (row.scriptBefore)
            installation.WriteFile("dvbase/kelvrin.scriptcfg",
                                   "set si_mapcycle \"mp/dvdm3.map\"\r\n");
        Open();
        if (Check(kMapCycle)->isChecked() != row.tickedBefore)
            Click(kMapCycle);  // clearing opens nothing
        ASSERT_EQ(Check(kMapCycle)->isChecked(), row.tickedBefore) << (std::to_string(&row - rows));
        WhenDialogRuns(row.closeWith);
        Click(row.command);
        EXPECT_EQ(std::tuple(seenCaption, Check(kMapCycle)->isChecked(),
                             installation.Exists("dvbase/kelvrin.scriptcfg")),
                  std::tuple(QString("Kelvrin - Map Selection"), row.tickedAfter,
                             row.scriptBefore || row.closeWith == kDialogOk))
            << (std::to_string(&row - rows));
    }
}

// "net stuff" copies the "pure LAN Server" box into the store before the advanced dialog reads it;
// a change made in that dialog alone does not make Exit ask, an edit in the main window does.
TEST_F(MapCycleCommandsTest, NetStuffTakesTheLanBoxAndLeavesExitToMainWindowChanges) {
    for (const bool clearLanBox : {false, true}) {
        Open();
        if (clearLanBox) Click(kPureLanServer);
        bool mastersEnabled = !clearLanBox;
        WhenDialogRuns(kDialogOk, [&mastersEnabled](TemplateDialog& d) {
            mastersEnabled = d.Item(1012)->isEnabled();
            d.ItemAs<QLineEdit>(1009)->setText("9");
        });
        Click(kNetStuff);
        EXPECT_EQ(std::tuple(seenCaption, mastersEnabled, settings.net_LANServer,
                             settings.settingsChanged, settings.net_serverZombieTimeout),
                  std::tuple(QString("Kelvrin - Advanced Settings"), clearLanBox,
                             clearLanBox ? 0 : 1, clearLanBox, 9))
            << clearLanBox;
        if (clearLanBox) Type(kServerName, QStringLiteral("Elsewhere"));
        Click(kExit);
        EXPECT_EQ(messages.asked.size(), clearLanBox ? 1U : 0U) << clearLanBox;
    }
}

}  // namespace
}  // namespace kelvrin::testing
