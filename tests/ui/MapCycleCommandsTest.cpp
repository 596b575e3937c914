#include <cstdint>
#include <filesystem>
#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/MapSelectionDlg.h"

namespace kelvrin {
namespace {

using namespace mainwindow;

constexpr const char* kScriptPath = "dvbase/kelvrin.scriptcfg";
constexpr const char* kScript = "set si_mapcycle \"mp/dvdm3.map\"\r\n";
constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;
constexpr int kAdvancedZombieTimeout = 1009;
constexpr int kAdvancedFirstMaster = 1012;

// What the test saw of the sub-dialog that ran modally over the main window.
struct SeenDialog {
    bool ran = false;
    QString caption;
    bool ownedByMainWindow = false;
    bool applicationModal = false;
};

class MapCycleCommandsTest : public testing::MainWindowTest {
protected:
    // Acts on the next sub-dialog once its modal run has begun and cancels it if the action left
    // it open, so that exec() returns in every case.
    template <class Dialog>
    void WhenDialogRuns(std::function<void(Dialog&)> act) {
        seen = {};
        testing::WhenWindowAppears([this, act](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (dialog == nullptr) {
                modal->close();
                return;
            }
            seen = {true, dialog->windowTitle(), dialog->parentWidget() == window.get(),
                    dialog->windowModality() == Qt::ApplicationModal};
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
    }

    void ExpectSeen(const char* caption) const {
        EXPECT_TRUE(seen.ran);
        EXPECT_EQ(seen.caption, QString::fromLatin1(caption));
        EXPECT_TRUE(seen.ownedByMainWindow);
        EXPECT_TRUE(seen.applicationModal);
    }

    static void Press(TemplateDialog& dialog, int id) {
        QTest::mouseClick(dialog.ItemAs<QPushButton>(id), Qt::LeftButton);
    }

    static std::function<void(CMapSelectionDlg&)> Pressing(int id) {
        return [id](CMapSelectionDlg& dialog) { Press(dialog, id); };
    }

    SeenDialog seen;
};

TEST_F(MapCycleCommandsTest, TickingMapCycleKeepsTheTickOnlyWithAScript) {
    struct Case {
        const char* name;
        bool scriptBefore;
        int closeWith;
        bool tickedAfter;
    };
    const Case cases[] = {
        {"no script, cancelled", false, kDialogCancel, false},
        {"no script, written", false, kDialogOk, true},
        {"script present, cancelled", true, kDialogCancel, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(installation.PathOf(kScriptPath));
        if (c.scriptBefore) installation.WriteFile(kScriptPath, kScript);
        settings = ServerSettings{};
        Open();
        // Only ticking opens the dialog: start from a cleared box in every case.
        if (Check(kMapCycle)->isChecked()) Click(kMapCycle);
        ASSERT_FALSE(Check(kMapCycle)->isChecked());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "clearing opens nothing";

        WhenDialogRuns<CMapSelectionDlg>(Pressing(c.closeWith));
        Click(kMapCycle);
        ExpectSeen("Kelvrin - Map Selection");
        EXPECT_EQ(Check(kMapCycle)->isChecked(), c.tickedAfter);
        EXPECT_EQ(installation.Exists(kScriptPath), c.scriptBefore || c.closeWith == kDialogOk);
    }
}

TEST_F(MapCycleCommandsTest, SelectMapsLeavesTheMapCycleBoxAsItWas) {
    struct Case {
        const char* name;
        bool ticked;
        int closeWith;
    };
    const Case cases[] = {
        {"cleared, written", false, kDialogOk},
        {"ticked, cancelled", true, kDialogCancel},
        {"ticked, written", true, kDialogOk},
    };
    installation.WriteFile(kScriptPath, kScript);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings = ServerSettings{};
        Open();
        // With a script present the box opens ticked; clearing it opens nothing.
        if (!c.ticked) Click(kMapCycle);
        ASSERT_EQ(Check(kMapCycle)->isChecked(), c.ticked);

        WhenDialogRuns<CMapSelectionDlg>(Pressing(c.closeWith));
        Click(kSelectMaps);
        ExpectSeen("Kelvrin - Map Selection");
        EXPECT_EQ(Check(kMapCycle)->isChecked(), c.ticked);
    }
}

TEST_F(MapCycleCommandsTest, NetStuffCopiesTheLanBoxBeforeTheAdvancedDialogReadsIt) {
    struct Case {
        const char* name;
        bool clickLanBox;
        std::int32_t lanAfter;
        bool changed;
        bool mastersEnabled;
    };
    const Case cases[] = {
        {"box as stored", false, 1, false, false},
        {"box cleared", true, 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings = ServerSettings{};
        Open();
        ASSERT_TRUE(Check(kPureLanServer)->isChecked());
        ASSERT_FALSE(settings.settingsChanged);
        if (c.clickLanBox) Click(kPureLanServer);

        bool mastersEnabled = !c.mastersEnabled;
        WhenDialogRuns<CAdvancedSettingsDlg>([&mastersEnabled](CAdvancedSettingsDlg& d) {
            mastersEnabled = d.Item(kAdvancedFirstMaster)->isEnabled();
            Press(d, kDialogCancel);
        });
        Click(kNetStuff);
        ExpectSeen("Kelvrin - Advanced Settings");
        EXPECT_EQ(settings.net_LANServer, c.lanAfter);
        EXPECT_EQ(settings.settingsChanged, c.changed);
        EXPECT_EQ(mastersEnabled, c.mastersEnabled);
    }
}

TEST_F(MapCycleCommandsTest, ExitAsksOnlyForChangesMadeInTheMainWindow) {
    struct Case {
        const char* name;
        bool editServerName;
        bool asked;
    };
    const Case cases[] = {
        {"advanced dialog only", false, false},
        {"server name edited too", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings = ServerSettings{};
        messages.asked.clear();
        Open();
        WhenDialogRuns<CAdvancedSettingsDlg>([](CAdvancedSettingsDlg& d) {
            auto* edit = d.ItemAs<QLineEdit>(kAdvancedZombieTimeout);
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("9"));
            Press(d, kDialogOk);
        });
        Click(kNetStuff);
        ASSERT_EQ(settings.net_serverZombieTimeout, 9);
        if (c.editServerName) Type(kServerName, QStringLiteral("Elsewhere"));

        Click(kExit);
        EXPECT_EQ(messages.asked.size(), c.asked ? 1U : 0U);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(installation.Exists("dvbase/kelvrin.cfg")) << "nothing saved without a Yes";
    }
}

}  // namespace
}  // namespace kelvrin
