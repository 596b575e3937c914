// The main window's commands on a recording view: saving, starting, the ways out, the
// sub-dialogs they run and the links.
#include <filesystem>

#include "dialogs/MapSelectionDlg.h"
#include "tests/dialogs/MainDialogFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Shown = std::vector<std::string>;

// Both commands collect first, so a following Exit has nothing to ask.
TEST_F(MainDialogTest, SaveConfigWritesBothFilesAndStartServerTheConfigAndStartsTheGame) {
    Open();
    window->Type(kServerName, "Saved Server");
    window->Click(kSaveConfig);
    EXPECT_TRUE(ConfigHolds("set si_name \"Saved Server\"\r\n"));
    EXPECT_EQ(installation.ReadFile("kvr_dvbase.bat"),
              "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n");
    EXPECT_EQ(window->messages.shown,
              Shown{"Config file \"kelvrin.cfg\" and batch file \"kvr_dvbase.bat\" written"});
    EXPECT_TRUE(launcher.launches.empty()) << "only Start Server starts the game";

    window->Type(kServerName, "Started Server");
    window->Click(kDedicated);
    window->Click(kStartServer);
    ASSERT_EQ(launcher.launches.size(), 1u);
    EXPECT_EQ(launcher.launches[0].startDirectory, installation.Root());
    EXPECT_EQ(launcher.launches[0].executable, "dravek.exe");
    EXPECT_EQ(launcher.launches[0].parameters, "+set fs_game dvbase+exec kelvrin.cfg");
    EXPECT_TRUE(ConfigHolds("set si_name \"Started Server\"\r\n"));
    EXPECT_EQ(window->messages.shown.size(), 1u) << "starting says nothing";
    window->Click(kExit);
    EXPECT_TRUE(window->messages.asked.empty());
    EXPECT_EQ(window->closed, true);
}

// Exit asks only after an edit and writes only the config on Yes; Cancel (Escape, the close box)
// closes without a word.
TEST_F(MainDialogTest, EachWayOfClosingTheWindow) {
    const struct {
        const char* name;
        int command;
        std::string typed;
        bool answer;
        bool asked;
        std::string config;
        bool accepted;
    } rows[] = {
        {"Exit unchanged", kExit, "", true, false, "kept", true},
        {"Exit, No", kExit, "Edited", false, true, "kept", true},
        {"Exit, Yes", kExit, "Edited", true, true, "written", true},
        {"Cancel", kCancelButton, "Edited", true, false, "kept", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        installation.WriteFile("dvbase/kelvrin.cfg", "kept");
        Open();
        if (!row.typed.empty()) window->Type(kServerName, row.typed);
        window->messages.answers.push_back(row.answer);
        window->Command(row.command);
        EXPECT_EQ(window->messages.asked.size(), row.asked ? 1u : 0u);
        for (const RecordingMessages::Question& asked : window->messages.asked) {
            EXPECT_EQ(asked.text, "Save changed configuration ?");
            EXPECT_EQ(asked.caption, "Question");
        }
        EXPECT_EQ(Config() == "kept" ? "kept" : "written", row.config);
        EXPECT_TRUE(ConfigHolds("set si_name \"Edited\"\r\n") || row.config == "kept");
        EXPECT_EQ(window->closed, row.accepted);
        EXPECT_TRUE(window->messages.shown.empty());
        EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
    }
}

// The commands tell what failed; Exit (answered Yes) closes anyway.
TEST_F(MainDialogTest, CommandsReportAFolderOrFileTheyCannotUse) {
    const struct {
        const char* name;
        int command;
        bool configIsAFolder;
        std::string message;
    } rows[] = {
        {"Save Config, no folder", kSaveConfig, false, "can't change to subdirectory \"dvbase\""},
        {"Start Server, no folder", kStartServer, false, "can't open subdirectory \"dvbase\" !"},
        {"Exit, no folder", kExit, false, "can't open subdirectory \"dvbase\" !"},
        {"Save Config, no file", kSaveConfig, true, "can't write \"kelvrin.cfg\"!"},
        {"Start Server, no file", kStartServer, true, "can't write server-config ..."},
        {"Exit, no file", kExit, true, "can't write \"kelvrin.cfg\"!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(installation.PathOf("dvbase"));
        installation.MakeFolder(row.configIsAFolder ? "dvbase/kelvrin.cfg" : "dvbase");
        Open();
        window->Type(kServerName, "Lost");
        if (!row.configIsAFolder) std::filesystem::remove_all(installation.PathOf("dvbase"));
        window->messages.answers.push_back(true);
        window->Click(row.command);
        EXPECT_EQ(window->messages.shown, Shown{row.message});
        EXPECT_EQ(window->closed.has_value(), row.command == kExit);
        EXPECT_FALSE(installation.Exists("kvr_dvbase.bat"));
        EXPECT_TRUE(launcher.launches.empty());
    }
}

// Ticking "Map cycle" runs the map dialog and keeps the tick only with a script; "Select Maps"
// runs it and leaves the box as it was; clearing the box runs nothing.
TEST_F(MainDialogTest, MapCycleBoxFollowsTheScript) {
    const auto ok = [](RecordingView& maps) { maps.Click(kOkButton); };
    const auto cancel = [](RecordingView& maps) { maps.Click(kCancelButton); };
    const struct {
        const char* name;
        bool script;
        int command;
        bool tickedBefore;
        RecordingRunner::Action act;
        bool tickedAfter;
        bool scriptAfter;
    } rows[] = {
        {"tick, cancel, no script", false, kMapCycle, false, cancel, false, false},
        {"tick, OK writes the script", false, kMapCycle, false, ok, true, true},
        {"tick, cancel, script", true, kMapCycle, false, cancel, true, true},
        {"clear", true, kMapCycle, true, ok, false, true},
        {"Select Maps, OK", true, kSelectMaps, false, ok, false, true},
        {"Select Maps, cancel", true, kSelectMaps, true, cancel, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(installation.PathOf("dvbase/kelvrin.scriptcfg"));
        if (row.script) {
            installation.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/a\"\r\n");
        }
        Open();
        runner.ran.clear();
        runner.actions = {row.act};
        window->SetChecked(kMapCycle, row.tickedBefore);
        window->Click(row.command);
        const bool ran = row.command == kSelectMaps || !row.tickedBefore;
        EXPECT_EQ(runner.ran, ran ? std::vector<int>{139} : std::vector<int>{});
        EXPECT_EQ(window->Checked(kMapCycle), row.tickedAfter);
        EXPECT_EQ(installation.Exists("dvbase/kelvrin.scriptcfg"), row.scriptAfter);
    }
}

// "net stuff" copies the "pure LAN Server" box into the store before the advanced dialog reads
// it, which counts as a change until the next collection; a change made in that dialog alone
// does not make Exit ask, an edit in the main window does.
TEST_F(MainDialogTest, NetStuffTakesTheLanBoxAndLeavesExitToMainWindowChanges) {
    const struct {
        const char* name;
        bool clearLanBox;
        std::string typed;
        bool mastersEnabled;
        std::size_t asked;
    } rows[] = {
        {"LAN box as stored", false, "", false, 0},
        {"LAN box cleared", true, "", true, 0},
        {"LAN box cleared, name typed", true, "Elsewhere", true, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open();
        if (row.clearLanBox) window->Click(kPureLanServer);
        bool mastersEnabled = !row.mastersEnabled;
        runner.actions = {[&mastersEnabled](RecordingView& advanced) {
            mastersEnabled = advanced.At(1012).enabled;
            advanced.Type(1009, "9");
            advanced.Click(kOkButton);
        }};
        window->Click(kNetStuff);
        EXPECT_EQ(mastersEnabled, row.mastersEnabled);
        EXPECT_EQ(settings.net_LANServer, row.clearLanBox ? 0 : 1);
        EXPECT_EQ(settings.settingsChanged, row.clearLanBox);
        EXPECT_EQ(settings.net_serverZombieTimeout, 9);
        if (!row.typed.empty()) window->Type(kServerName, row.typed);
        window->Click(kExit);
        EXPECT_EQ(window->messages.asked.size(), row.asked);
    }
}

// "Info" and the system menu's entry open the About box; each link opens its own target.
TEST_F(MainDialogTest, AboutBoxAndLinks) {
    const struct {
        const char* name;
        int control;
        std::vector<int> ran;
        std::vector<std::string> opened;
    } rows[] = {
        {"Info", kInfo, {100}, {}},
        {"system menu", kAboutCommand, {100}, {}},
        {"home page", kHomeLink, {}, {"http://www.kelvrin.example.org"}},
        {"shop", kShopLink, {}, {"http://shop.example.org"}},
        {"mail", kMailLink, {}, {"mailto:kelvrin@example.org?subject=kelvrin"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open();
        runner.ran.clear();
        links.opened.clear();
        window->Command(row.control);
        EXPECT_EQ(runner.ran, row.ran);
        EXPECT_EQ(links.opened, row.opened);
        EXPECT_FALSE(window->closed.has_value());
    }
}

}  // namespace
}  // namespace kelvrin::testing
