#include <filesystem>
#include <functional>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/TemplateDialog.h"

namespace kelvrin {
namespace {

using namespace mainwindow;

constexpr const char* kScriptPath = "dvbase/kelvrin.scriptcfg";
constexpr const char* kScript = "set si_mapcycle \"mp/dvdm3.map\"\r\n";
constexpr int kDialogOk = 1, kDialogCancel = 2, kAdvancedZombieTimeout = 1009;
constexpr int kAdvancedFirstMaster = 1012;

class MapCycleCommandsTest : public testing::MainWindowTest {
protected:
    // Once the next sub-dialog runs modally over the main window: acts on it, presses one of its
    // buttons and closes it if it is still open, so that exec() returns in every case.
    void WhenDialogRuns(int button, std::function<void(TemplateDialog&)> act = {}) {
        seenCaption.clear();
        testing::WhenWindowAppears([this, button, act](QWidget* modal) {
            seenCaption = modal->windowTitle();
            EXPECT_EQ(modal->parentWidget(), window.get());
            EXPECT_EQ(modal->windowModality(), Qt::ApplicationModal);
            if (auto* dialog = qobject_cast<TemplateDialog*>(modal)) {
                if (act) act(*dialog);
                QTest::mouseClick(dialog->ItemAs<QAbstractButton>(button), Qt::LeftButton);
            }
            if (modal->isVisible()) modal->close();
        });
    }

    QString seenCaption;
};

// Ticking "Map cycle" runs the dialog and keeps the tick only with a script; "Select Maps" runs
// it and leaves the box as it was.
TEST_F(MapCycleCommandsTest, MapCycleBoxFollowsTheScript) {
    struct Case {
        const char* name;
        bool scriptBefore;
        int command;
        bool tickedBefore;
        int closeWith;
        bool tickedAfter;
    };
    const Case cases[] = {
        {"tick, no script, cancelled", false, kMapCycle, false, kDialogCancel, false},
        {"tick, no script, written", false, kMapCycle, false, kDialogOk, true},
        {"tick, script present, cancelled", true, kMapCycle, false, kDialogCancel, true},
        {"Select Maps, cleared, written", true, kSelectMaps, false, kDialogOk, false},
        {"Select Maps, ticked, cancelled", true, kSelectMaps, true, kDialogCancel, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(installation.PathOf(kScriptPath));
        if (c.scriptBefore) installation.WriteFile(kScriptPath, kScript);
        settings = ServerSettings{};
        Open();
        // The box opens ticked when there is a script; clearing it opens nothing.
        if (Check(kMapCycle)->isChecked() != c.tickedBefore) Click(kMapCycle);
        ASSERT_EQ(Check(kMapCycle)->isChecked(), c.tickedBefore);

        WhenDialogRuns(c.closeWith);
        Click(c.command);
        EXPECT_EQ(seenCaption, QStringLiteral("Kelvrin - Map Selection"));
        EXPECT_EQ(Check(kMapCycle)->isChecked(), c.tickedAfter);
        EXPECT_EQ(installation.Exists(kScriptPath), c.scriptBefore || c.closeWith == kDialogOk);
    }
}

// "net stuff" copies the "pure LAN Server" box into the store before the advanced dialog reads
// it; a change made in that dialog alone does not make Exit ask, an edit in the main window does.
TEST_F(MapCycleCommandsTest, NetStuffTakesTheLanBoxAndLeavesExitToMainWindowChanges) {
    for (const bool clearLanBox : {false, true}) {
        SCOPED_TRACE(clearLanBox);
        settings = ServerSettings{};
        messages.asked.clear();
        Open();
        ASSERT_TRUE(Check(kPureLanServer)->isChecked());
        if (clearLanBox) Click(kPureLanServer);

        bool mastersEnabled = !clearLanBox;
        WhenDialogRuns(kDialogOk, [&mastersEnabled](TemplateDialog& d) {
            mastersEnabled = d.Item(kAdvancedFirstMaster)->isEnabled();
            auto* edit = d.ItemAs<QLineEdit>(kAdvancedZombieTimeout);
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("9"));
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
        EXPECT_FALSE(window->isVisible());
    }
}

}  // namespace
}  // namespace kelvrin
