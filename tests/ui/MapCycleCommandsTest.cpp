// The main window's commands that run a sub-dialog: the map cycle and "net stuff".
#include <QLineEdit>

#include <filesystem>
#include <functional>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/TemplateDialog.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

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
    const struct { bool scriptBefore; int command; bool tickedBefore; int closeWith; bool tickedAfter; } rows[] = {
        {false, kMapCycle, false, kDialogCancel, false}, {false, kMapCycle, false, kDialogOk, true},
        {true, kMapCycle, false, kDialogCancel, true},   {true, kSelectMaps, false, kDialogOk, false},
        {true, kSelectMaps, true, kDialogCancel, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(&row - rows));
        std::filesystem::remove(installation.PathOf("dvbase/kelvrin.scriptcfg"));
        if (row.scriptBefore) installation.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm3.map\"\r\n");
        Open();
        if (Check(kMapCycle)->isChecked() != row.tickedBefore) Click(kMapCycle);  // clearing opens nothing
        ASSERT_EQ(Check(kMapCycle)->isChecked(), row.tickedBefore);
        WhenDialogRuns(row.closeWith);
        Click(row.command);
        EXPECT_EQ(seenCaption, QStringLiteral("Kelvrin - Map Selection"));
        EXPECT_EQ(Check(kMapCycle)->isChecked(), row.tickedAfter);
        EXPECT_EQ(installation.Exists("dvbase/kelvrin.scriptcfg"), row.scriptBefore || row.closeWith == kDialogOk);
    }
}

// "net stuff" copies the "pure LAN Server" box into the store before the advanced dialog reads it;
// a change made in that dialog alone does not make Exit ask, an edit in the main window does.
TEST_F(MapCycleCommandsTest, NetStuffTakesTheLanBoxAndLeavesExitToMainWindowChanges) {
    for (const bool clearLanBox : {false, true}) {
        SCOPED_TRACE(clearLanBox);
        Open();
        if (clearLanBox) Click(kPureLanServer);
        bool mastersEnabled = !clearLanBox;
        WhenDialogRuns(kDialogOk, [&mastersEnabled](TemplateDialog& d) {
            mastersEnabled = d.Item(1012)->isEnabled();
            d.ItemAs<QLineEdit>(1009)->setText("9");
        });
        Click(kNetStuff);
        EXPECT_EQ(seenCaption, QStringLiteral("Kelvrin - Advanced Settings"));
        EXPECT_EQ(mastersEnabled, clearLanBox);
        EXPECT_EQ(settings.net_LANServer, clearLanBox ? 0 : 1);
        EXPECT_EQ(settings.settingsChanged, clearLanBox);
        ASSERT_EQ(settings.net_serverZombieTimeout, 9);
        if (clearLanBox) Type(kServerName, QStringLiteral("Elsewhere"));
        Click(kExit);
        EXPECT_EQ(messages.asked.size(), clearLanBox ? 1U : 0U);
    }
}

}  // namespace
}  // namespace kelvrin::testing
