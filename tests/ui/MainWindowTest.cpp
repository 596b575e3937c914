// The main window: how it opens, how its controls show and collect the store, and which of the
// operator's actions change them.

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/MapSelectionDlg.h"
#include "ui/QtOperatorMessages.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;
using Number = std::int32_t ServerSettings::*;

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int row = 0; row < box->count(); ++row) items << box->itemText(row);
    return items;
}

TEST_F(MainWindowTest, OpeningListsTheGameFoldersAndSelectsTheDefault) {
    const std::string noFolders =
        "can't find game folders in the current directory !\n"
        "Please execute \"kelvrin.exe\" in your Dravek(TM) folder...";
    // The default folder is found in any letter case, and its store is read.
    const struct {
        std::vector<const char*> folders;
        QStringList items;
        QString selected, name;
        Shown shown;
    } rows[] = {
        {{"zeta", "Alpha", "DVBASE", "Beta", ".hidden"},
         {"[Alpha]", "[Beta]", "[DVBASE]", "[zeta]"},
         "[DVBASE]",
         "Saved",
         {}},
        {{"mods"}, {"[mods]"}, "", "Hollowmere", {noFolders}},
        {{}, {}, "", "Hollowmere", {noFolders}},
    };
    for (const auto& row : rows) {
        for (const auto& entry : std::filesystem::directory_iterator(installation.Root()))
            std::filesystem::remove_all(entry);
        ServerSettings saved;
        saved.si_name = "Saved";
        for (const char* folder : row.folders) WriteConfig(folder, saved);
        installation.WriteFile("readme.txt", "a file is no game folder");
        Open();
        EXPECT_EQ(
            std::tuple(Items(Combo(kGameBase)), Texts({kGameBase, kServerName}), messages.shown),
            std::tuple(row.items, QStringList({row.selected, row.name}), row.shown))
            << (row.selected.toStdString() + std::to_string(row.folders.size()));
        Click(kExit);
        EXPECT_EQ(std::pair(messages.asked.size(), window->isVisible()), std::pair(0ul, false))
            << "usable, nothing to ask"
            << (row.selected.toStdString() + std::to_string(row.folders.size()));
    }
}

// Showing the store first pulls the player counts, the speed and the game type into the ranges the
// lists can show: a count out of 2 to 16 becomes 2 (warm-up) or 16, the warm-up no more than the
// most, the speed at most 5 and an unknown game type DM; nothing below 0 is raised.
TEST_F(MainWindowTest, ShowingTheStorePullsItIntoTheShownRanges) {
    const struct {
        std::array<std::int32_t, 4> stored;
        QStringList shown;
        std::array<std::int32_t, 4> normal;
    } rows[] = {{{20, 1, 9, 7}, {"2", "16", "LAN", "DM"}, {2, 16, 5, 0}},
                {{14, 6, -1, -2}, {"6", "6", "", ""}, {6, 6, -1, -2}},
                {{12, 40, 5, 4}, {"12", "16", "LAN", "Tourney"}, {12, 16, 5, 4}},
                {{20, 8, 0, 0}, {"2", "8", "128 kbs", "DM"}, {2, 8, 0, 0}}};
    for (const auto& row : rows) {
        ServerSettings stored;
        stored.si_minPlayers = row.stored[0], stored.si_maxPlayers = row.stored[1];
        stored.gui_configServerRate = row.stored[2], stored.gameTypeIndex = row.stored[3];
        Open(stored);
        EXPECT_EQ(std::pair(Texts({kWarmupPlayers, kMaxPlayers, kSpeed, kGameType}),
                            std::array{settings.si_minPlayers, settings.si_maxPlayers,
                                       settings.gui_configServerRate, settings.gameTypeIndex}),
                  std::pair(row.shown, row.normal));
    }
}

// The window carries the program's cursor and a close box only; five controls have tooltips, and
// Tab visits the controls in their fixed order.
TEST_F(MainWindowTest, WindowCursorFrameTooltipsAndTabOrder) {
    Open();
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_EQ(
        std::tuple(HasProgramCursor(*window), flags.testFlag(Qt::WindowCloseButtonHint),
                   flags.testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
        std::tuple(true, true, false));
    const std::pair<int, const char*> tips[] = {
        {kServerName, "Enter the name of your Server"},
        {kSaveConfig, "Saves the current settings and creates a batch file"},
        {kStartServer, "Start a server with the current settings"},
        {kDedicated, "this will select dravekded.exe"},
        {kPureLanServer, "play without connection to the internet - LAN only"}};
    for (const auto& [id, text] : tips) EXPECT_EQ(Item<QWidget>(id)->toolTip(), text) << id;
    QList<QWidget*> all = window->findChildren<QWidget*>() << window.get();
    EXPECT_EQ(
        std::count_if(all.begin(), all.end(), [](QWidget* w) { return !w->toolTip().isEmpty(); }),
        5);

    const std::vector<int> order{1009, 1008, 1048, 1007, 1014, 1004, 1003, 1016, 1046,
                                 1002, 1010, 1026, 1012, 1011, 1027, 1017, 1001, 1013,
                                 1042, 1015, 1019, 1000, 1047, 1018, 1005, 1040, 1020,
                                 1035, 1041, 1038, 1024, 1023, 1,    1006};
    std::vector<int> visited{
        kServerName};  // the ids in the order Tab visits them, from the server name round once
    for (QWidget* at = Item<QWidget>(kServerName)->nextInFocusChain();
         at != Item<QWidget>(kServerName); at = at->nextInFocusChain())
        for (const int id : order)
            if (Item<QWidget>(id) == at && (at->focusPolicy() & Qt::TabFocus))
                visited.push_back(id);
    EXPECT_EQ(visited, order);
}

// Choosing a folder reads its store and shows it, replacing edits not yet collected, and counts
// as a change; a folder that cannot be entered reads nothing.
TEST_F(MainWindowTest, AChosenGameFolderReplacesWhatTheWindowShows) {
    const std::string longName(32, 'g');
    ServerSettings stored;
    for (const auto& [folder, name] : {std::pair{std::string("dvbase"), "Base Server"},
                                       {"mods", "Mod Server"},
                                       {longName, "Never Read"}}) {
        stored.si_name = name, stored.si_fragLimit = folder == "dvbase" ? 20 : 55,
        stored.gameTypeIndex = folder == "dvbase" ? 0 : 2;
        WriteConfig(folder, stored);
        installation.WriteFile(folder + "/kelvrin.scriptcfg",
                               "set si_mapcycle \"mp/dvdm1.map\"\r\n");
    }
    installation.MakeFolder("empty");
    const struct {
        std::string folder;
        QStringList shown;
        bool mapCycle;
    } rows[] = {{"empty", {"Base Server", "20", "DM"}, false},
                {"mods", {"Mod Server", "55", "CTF"}, true},
                {longName, {"Mod Server", "55", "CTF"}, true}};
    Open();
    EXPECT_EQ(Texts({kServerName, kFragLimit, kGameBase}),
              QStringList({"Base Server", "20", "[dvbase]"}));
    for (const auto& row : rows) {
        Type(kServerName, "Typed But Not Taken");
        Choose(kGameBase,
               Combo(kGameBase)->findText(QString::fromStdString("[" + row.folder + "]")));
        EXPECT_EQ(
            std::tuple(Texts({kServerName, kFragLimit, kGameType}), Check(kMapCycle)->isChecked(),
                       settings.gameFolder, settings.settingsChanged, messages.shown),
            std::tuple(row.shown, row.mapCycle, row.folder, true, Shown{}))
            << row.folder;
    }
    Combo(kGameBase)->setCurrentIndex(Combo(kGameBase)->findText("[dvbase]"));
    window->CollectSettings();
    EXPECT_EQ(std::pair(settings.gameFolder, settings.settingsChanged),
              std::pair(std::string("dvbase"), true))
        << "the copy takes it";
}

// Texts pass between the store and the edits as Latin-1, shown and collected unchanged. Every edit
// whose text goes into a file, here and in the two dialogs, refuses keys beyond Latin-1 and takes
// at most 99 characters.
TEST_F(MainWindowTest, WrittenTextIsLatin1UpTo99Characters) {
    ServerSettings stored;
    stored.net_LANServer = 0;
    Open(stored);
    CMapSelectionDlg maps(settings, messages);
    CAdvancedSettingsDlg advanced(settings);
    for (QLineEdit* edit : {Field(kServerName), Field(kClientPassword), Field(kAdminPassword),
                            maps.ItemAs<QLineEdit>(1009), advanced.ItemAs<QLineEdit>(1012),
                            advanced.ItemAs<QLineEdit>(1042)}) {
        edit->clear();
        for (const char16_t key : {u'\u00e9', u'\u20ac', u'\u0100', u'\u03a9'})
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(QChar(key)),
                                Qt::NoModifier);
        QTest::keyClicks(edit, QString(120, u'x'));
        EXPECT_EQ(edit->text(), QStringLiteral("\u00e9") + QString(98, u'x'));
    }
    for (const auto& [control, field] :
         {std::pair{kServerName, &ServerSettings::si_name},
          {kClientPassword, &ServerSettings::g_password},
          {kAdminPassword, &ServerSettings::net_serverRemoteConsolePassword}}) {
        settings.*field = "  Caf\xe9 \"42\" ";
        window->ShowSettings();
        EXPECT_EQ(Field(control)->text(), QStringLiteral("  Café \"42\" "));
        Field(control)->setText(QStringLiteral("Zürich"));
        window->CollectSettings();
        EXPECT_EQ(std::pair(settings.*field, settings.settingsChanged),
                  std::pair(std::string("Z\xfcrich"), true));
        window->CollectSettings();
        EXPECT_FALSE(settings.settingsChanged) << "a second collection in a row finds nothing new";
    }
}

// Limits show their number and take the number their text begins with; the lists stand for an
// index (game type, speed) or twice the item's place (player counts), so an odd count shows one
// lower and is a change; a list whose text matches no item keeps the store. A check box ("1" for
// ticked) shows any switch but 0 ticked and is collected as 1, so a stored 2 is a change.
TEST_F(MainWindowTest, ControlsShowAndCollectTheirValue) {
    const struct {
        int control;
        Number field;
        std::int32_t stored;
        const char *shown, *put;
        std::int32_t taken;
    } rows[] = {{kTimeLimit, &ServerSettings::si_timeLimit, 45, "45", "250", 250},
                {kFragLimit, &ServerSettings::si_fragLimit, -3, "-3", "  17xyz", 17},
                {kCaptureLimit, &ServerSettings::si_captureLimit, 0, "0", "-8", -8},
                {kTourneyLimit, &ServerSettings::si_tourneyLimit, 7, "7", "", 0},
                {kCountdown, &ServerSettings::si_countDown, 12, "12", "+6 9", 6},
                {kGameType, &ServerSettings::gameTypeIndex, 3, "Arena CTF", "Tourney", 4},
                {kSpeed, &ServerSettings::gui_configServerRate, 5, "LAN", "265 kbs", 1},
                {kMaxPlayers, &ServerSettings::si_maxPlayers, 12, "12", "6", 6},
                {kMaxPlayers, &ServerSettings::si_maxPlayers, 5, "4", "4", 4},
                {kWarmupPlayers, &ServerSettings::si_minPlayers, 7, "6", "6", 6},
                {kGameType, &ServerSettings::gameTypeIndex, 2, "CTF", "Chess", 2},
                {kMaxPlayers, &ServerSettings::si_maxPlayers, 8, "8", "20 players", 8},
                {kMapCycle, &ServerSettings::si_mapCycle, 2, "1", "1", 1},
                {kWeaponStay, &ServerSettings::si_weaponStay, 2, "1", "0", 0},
                {kWaitForReady, &ServerSettings::si_useReady, 2, "1", "1", 1},
                {kTeamDamage, &ServerSettings::si_teamDamage, 0, "0", "1", 1},
                {kDedicated, &ServerSettings::net_serverDedicated, 2, "1", "1", 1},
                {kWarmup, &ServerSettings::si_warmup, 0, "0", "0", 0},
                {kPureServer, &ServerSettings::si_pure, 2, "1", "1", 1},
                {kShuffleTeams, &ServerSettings::si_shuffle, 2, "1", "1", 1},
                {kSpectators, &ServerSettings::si_spectators, 2, "1", "1", 1},
                {kAutobalance, &ServerSettings::si_autobalance, 0, "0", "1", 1},
                {kPunkbuster, &ServerSettings::sv_punkbuster, 2, "1", "1", 1},
                {kHitScanTint, &ServerSettings::si_allowHitscanTint, 2, "1", "1", 1},
                {kVoting, &ServerSettings::si_allowVoting, 2, "1", "1", 1},
                {kPureLanServer, &ServerSettings::net_LANServer, 2, "1", "1", 1},
                {kLogFile, &ServerSettings::logFile, 2, "1", "1", 1}};
    Open();
    EXPECT_EQ(Items(Combo(kGameType)),
              QStringList({"DM", "Team DM", "CTF", "Arena CTF", "Tourney"}));
    EXPECT_EQ(Items(Combo(kSpeed)),
              QStringList({"128 kbs", "265 kbs", "384 kbs", "512 kbs", "768 kbs", "LAN"}));
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.control) + " '" + row.put + "'");
        settings.si_maxPlayers = 16, settings.si_minPlayers = 2;
        settings.*row.field = row.stored;
        window->ShowSettings();
        QCheckBox* check = Check(row.control);
        EXPECT_EQ(check ? QString::number(check->isChecked()) : Field(row.control)->text(),
                  row.shown);
        if (check)
            check->setChecked(row.put == std::string("1"));
        else
            Field(row.control)->setText(QString::fromLatin1(row.put));
        window->CollectSettings();
        EXPECT_EQ(settings.*row.field, row.taken);
        EXPECT_EQ(settings.settingsChanged, row.taken != row.stored);
    }
    Type(kTimeLimit, "1a-2 3");
    EXPECT_EQ(Field(kTimeLimit)->text(), "123") << "typing takes digits only";
}

// The game type enables its limits and team boxes and names the tint; "Warm up" its player count.
TEST_F(MainWindowTest, EachGameTypeEnablesItsControlsAndNamesItsHitScanTint) {
    const std::vector<int> team{kAutobalance, kShuffleTeams, kTeamDamage};
    const std::vector<int> capture{kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage};
    const std::tuple<int, std::vector<int>, const char*> rows[] = {
        {0, {}, "Hit Scan Tint ( 1 )"},
        {1, team, "Hit Scan Tint ( 2 )"},
        {2, capture, "Hit Scan Tint ( 2 )"},
        {3, capture, "Hit Scan Tint ( 2 )"},
        {4, {kTourneyLimit}, "Hit Scan Tint ( 1 )"}};
    const auto enabled = [this] {
        for (const int id : {kTimeLimit, kFragLimit, kCountdown})
            EXPECT_TRUE(Item<QWidget>(id)->isEnabled());
        std::vector<int> ids;
        for (const int id :
             {kTourneyLimit, kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage})
            if (Item<QWidget>(id)->isEnabled()) ids.push_back(id);
        return ids;
    };
    Open();
    for (const auto& [index, ids, tinted] : rows) {
        SCOPED_TRACE(index);
        settings.gameTypeIndex = index, settings.si_allowHitscanTint = 1;
        window->ShowSettings();
        EXPECT_EQ(enabled(), ids);
        Choose(kGameType, index == 0 ? 1 : 0), Choose(kGameType, index);
        EXPECT_EQ(std::pair(enabled(), Check(kHitScanTint)->text()),
                  std::pair(ids, QString(tinted)));
        for (const char* caption : {"Hit Scan Tint ( 0 )", tinted}) {
            Click(kHitScanTint);
            EXPECT_EQ(Check(kHitScanTint)->text(), caption);
        }
    }
    for (const bool ticked : {true, false}) {  // "Warm up" enables its player count
        Click(kWarmup);
        EXPECT_EQ(std::pair(Check(kWarmup)->isChecked(), Combo(kWarmupPlayers)->isEnabled()),
                  std::pair(ticked, ticked));
    }
}

// Changes made from code run no handler.
TEST_F(MainWindowTest, OnlyTheOperatorsChangesRunHandlers) {
    Open();
    Combo(kSpeed)->setCurrentIndex(0), Check(kHitScanTint)->setChecked(true),
        Combo(kGameType)->setCurrentIndex(4);
    EXPECT_EQ(Texts({kMaxPlayers}), QStringList{"16"});
    Combo(kMaxPlayers)->setCurrentIndex(0), Check(kWarmup)->toggle();
    EXPECT_EQ(settings.si_maxPlayers, 16);
    EXPECT_EQ(Check(kHitScanTint)->text(), "Hit Scan Tint ( 0 )");
    EXPECT_NE(Combo(kWarmupPlayers)->isEnabled(), Check(kWarmup)->isChecked());
}

// A speed suggests its player count and lowers a higher warm-up count; the player counts keep the
// stored warm-up count at most the stored player count, comparing with the store.
TEST_F(MainWindowTest, SpeedAndPlayerCountHandlers) {
    struct Row {
        std::int32_t most, warmup;
        std::vector<std::pair<int, int>> choices;
        const char *shownMost, *shownWarmup;
        std::int32_t storedMost, storedWarmup;
    };
    std::vector<Row> rows{{16, 4, {{kSpeed, 4}}, "10", "4", 16, 4},
                          {16, 8, {{kMaxPlayers, 2}}, "6", "6", 6, 6},
                          {8, 4, {{kMaxPlayers, 6}}, "14", "4", 14, 4},
                          {8, 4, {{kWarmupPlayers, 5}}, "12", "12", 12, 12},
                          {16, 4, {{kSpeed, 0}, {kWarmupPlayers, 5}}, "16", "12", 16, 12}};
    const char* const suggested[] = {"2", "4", "6", "8", "10", "16"};
    for (int speed = 0; speed < 6; ++speed)
        rows.push_back({16, 16, {{kSpeed, speed}}, suggested[speed], suggested[speed], 16, 16});
    Open();
    for (const Row& row : rows) {
        settings.si_maxPlayers = row.most, settings.si_minPlayers = row.warmup,
        settings.si_warmup = 1;
        window->ShowSettings();
        for (const auto& [control, index] : row.choices) Choose(control, index);
        EXPECT_EQ(std::tuple(Texts({kMaxPlayers, kWarmupPlayers}), settings.si_maxPlayers,
                             settings.si_minPlayers, settings.settingsChanged),
                  std::tuple(QStringList({row.shownMost, row.shownWarmup}), row.storedMost,
                             row.storedWarmup, false))
            << row.most << "/" << row.warmup << ", last choice in " << row.choices.back().first
            << ": " << row.choices.back().second;
    }
    Combo(kMaxPlayers)->setFocus();
    QTest::keyClick(Combo(kMaxPlayers), Qt::Key_Up);
    EXPECT_EQ(settings.si_maxPlayers, 14) << "a choice by keyboard runs the handler too";
}

// Only a choice from the list or with the arrow keys changes a box and runs its handler.
TEST_F(MainWindowTest, NeitherTheWheelWithoutFocusNorTypedTextChoosesAnEntry) {
    ServerSettings other;
    other.si_name = "Other", WriteConfig("other", other);
    const auto wheel = [this](int id, int notches) {  // positive: towards the next entry
        QWheelEvent event({4, 4}, {}, {}, {0, -120 * notches}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Combo(id), &event);
    };
    const auto typed = [this](int id, const char* text) {
        Type(id, text), QTest::keyClick(Field(id), Qt::Key_Tab);
    };
    const struct {
        const char* name;
        std::function<void()> act;
        const char* serverName;
    } cases[] = {
        {"wheel", [&] { wheel(kGameBase, 1), wheel(kSpeed, -1); }, "Hollowmere"},
        {"typed text", [&] { typed(kGameBase, "[other]"), typed(kSpeed, "128 kbs"); },
         "Hollowmere"},
        {"arrow key",
         [this] { Combo(kGameBase)->setFocus(), QTest::keyClick(Combo(kGameBase), Qt::Key_Down); },
         "Other"},
    };
    for (const auto& c : cases) {
        Open();
        c.act();
        EXPECT_EQ(Texts({kServerName, kMaxPlayers}), QStringList({c.serverName, "16"})) << c.name;
    }
}

}  // namespace
}  // namespace kelvrin::testing
