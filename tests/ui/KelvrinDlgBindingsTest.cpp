#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgBindingsTest : public MainWindowTest {};

struct TextRow {
    int control;
    std::string ServerSettings::*field;
};

const TextRow kTextRows[] = {
    {1009, &ServerSettings::si_name},
    {1015, &ServerSettings::g_password},
    {1042, &ServerSettings::net_serverRemoteConsolePassword},
};

TEST_F(KelvrinDlgBindingsTest, TextEditsShowAndCollectTheirTextUnchanged) {
    Open();
    for (const auto& [control, field] : kTextRows) {
        SCOPED_TRACE(control);
        settings.*field = "  Caf\xe9 \"42\" ";
        window->ShowSettings();
        EXPECT_EQ(Edit(control)->text(), QStringLiteral("  Café \"42\" "));

        Type(control, QStringLiteral("Zürich Nights "));
        window->CollectSettings();
        EXPECT_EQ(settings.*field, "Z\xfcrich Nights ");
        EXPECT_TRUE(settings.settingsChanged);
    }
}

TEST_F(KelvrinDlgBindingsTest, TextEditsTakeAtMost99Characters) {
    Open();
    for (const auto& [control, field] : kTextRows) {
        SCOPED_TRACE(control);
        Type(control, QString(120, QLatin1Char('x')));
        window->CollectSettings();
        EXPECT_EQ(settings.*field, std::string(99, 'x'));
    }
}

struct NumberRow {
    int control;
    std::int32_t ServerSettings::*field;
};

const NumberRow kLimitRows[] = {
    {1010, &ServerSettings::si_timeLimit},   {1026, &ServerSettings::si_fragLimit},
    {1012, &ServerSettings::si_captureLimit}, {1011, &ServerSettings::si_tourneyLimit},
    {1027, &ServerSettings::si_countDown},
};

TEST_F(KelvrinDlgBindingsTest, LimitEditsShowTheNumberInDecimal) {
    Open();
    const std::pair<std::int32_t, const char*> cases[] = {{0, "0"}, {45, "45"}, {-3, "-3"}};
    for (const auto& [control, field] : kLimitRows) {
        for (const auto& [number, text] : cases) {
            SCOPED_TRACE(std::to_string(control) + " " + text);
            settings.*field = number;
            window->ShowSettings();
            EXPECT_EQ(Edit(control)->text(), text);
        }
    }
}

TEST_F(KelvrinDlgBindingsTest, LimitEditsCollectTheNumberTheirTextBeginsWith) {
    Open();
    const std::pair<const char*, std::int32_t> cases[] = {
        {"250", 250}, {"  17xyz", 17}, {"-8", -8}, {"+6", 6}, {"", 0}, {"abc", 0}, {"7 9", 7}};
    for (const auto& [control, field] : kLimitRows) {
        for (const auto& [text, number] : cases) {
            SCOPED_TRACE(std::to_string(control) + " '" + text + "'");
            settings.*field = 999;
            Edit(control)->setText(QString::fromLatin1(text));
            window->CollectSettings();
            EXPECT_EQ(settings.*field, number);
        }
    }
}

TEST_F(KelvrinDlgBindingsTest, LimitEditsTakeOnlyTypedDigits) {
    Open();
    Type(kTimeLimit, "1a-2 3");
    EXPECT_EQ(Edit(kTimeLimit)->text(), "123");
}

struct ListRow {
    int control;
    std::int32_t ServerSettings::*field;
    std::vector<QString> items;
};

const ListRow kIndexRows[] = {
    {1008, &ServerSettings::gameTypeIndex, {"DM", "Team DM", "CTF", "Arena CTF", "Tourney"}},
    {1007, &ServerSettings::gui_configServerRate,
     {"128 kbs", "265 kbs", "384 kbs", "512 kbs", "768 kbs", "LAN"}},
};

TEST_F(KelvrinDlgBindingsTest, IndexListsShowTheItemOfTheStoredIndex) {
    Open();
    for (const ListRow& row : kIndexRows) {
        ASSERT_EQ(Combo(row.control)->count(), static_cast<int>(row.items.size()));
        for (std::size_t index = 0; index < row.items.size(); ++index) {
            SCOPED_TRACE(std::to_string(row.control) + " " + std::to_string(index));
            EXPECT_EQ(Combo(row.control)->itemText(static_cast<int>(index)), row.items[index]);
            settings.*row.field = static_cast<std::int32_t>(index);
            window->ShowSettings();
            EXPECT_EQ(Combo(row.control)->currentText(), row.items[index]);
        }
    }
}

TEST_F(KelvrinDlgBindingsTest, IndexListsCollectTheIndexOfTheChosenItem) {
    Open();
    for (const ListRow& row : kIndexRows) {
        for (std::size_t index = 0; index < row.items.size(); ++index) {
            SCOPED_TRACE(std::to_string(row.control) + " " + std::to_string(index));
            settings.*row.field = 99;
            Type(row.control, row.items[index]);
            window->CollectSettings();
            EXPECT_EQ(settings.*row.field, static_cast<std::int32_t>(index));
        }
    }
}

const std::vector<QString> kCounts{"2", "4", "6", "8", "10", "12", "14", "16"};

const NumberRow kPlayerRows[] = {
    {1014, &ServerSettings::si_maxPlayers},
    {1013, &ServerSettings::si_minPlayers},
};

TEST_F(KelvrinDlgBindingsTest, PlayerListsShowTheItemOfTheStoredCount) {
    Open();
    const std::pair<std::int32_t, const char*> cases[] = {
        {2, "2"}, {4, "4"}, {5, "4"}, {8, "8"}, {11, "10"}, {15, "14"}, {16, "16"}};
    for (const auto& [control, field] : kPlayerRows) {
        for (std::size_t row = 0; row < kCounts.size(); ++row)
            EXPECT_EQ(Combo(control)->itemText(static_cast<int>(row)), kCounts[row]);
        for (const auto& [count, shown] : cases) {
            SCOPED_TRACE(std::to_string(control) + " " + std::to_string(count));
            settings.si_maxPlayers = 16;
            settings.si_minPlayers = 2;
            settings.*field = count;
            window->ShowSettings();
            EXPECT_EQ(Combo(control)->currentText(), shown);
        }
    }
}

TEST_F(KelvrinDlgBindingsTest, PlayerListsCollectTwicePlacesOfTheChosenItem) {
    settings.si_warmup = 1;  // the warm-up count takes input only while warm-up is on
    Open();
    for (const auto& [control, field] : kPlayerRows) {
        for (std::size_t index = 0; index < kCounts.size(); ++index) {
            SCOPED_TRACE(std::to_string(control) + " " + std::to_string(index));
            settings.*field = 0;
            Type(control, kCounts[index]);
            window->CollectSettings();
            EXPECT_EQ(settings.*field, static_cast<std::int32_t>(2 * (index + 1)));
        }
    }
}

TEST_F(KelvrinDlgBindingsTest, AListWhoseTextMatchesNoItemKeepsTheStoredValue) {
    settings.si_warmup = 1;
    Open();
    const std::pair<int, std::int32_t ServerSettings::*> lists[] = {
        {1008, &ServerSettings::gameTypeIndex},
        {1007, &ServerSettings::gui_configServerRate},
        {1014, &ServerSettings::si_maxPlayers},
        {1013, &ServerSettings::si_minPlayers},
    };
    for (const auto& [control, field] : lists) {
        SCOPED_TRACE(control);
        const std::int32_t stored = settings.*field;
        Type(control, "20 players");
        window->CollectSettings();
        EXPECT_EQ(settings.*field, stored);
        EXPECT_FALSE(settings.settingsChanged);
        window->ShowSettings();
    }
}

const NumberRow kSwitchRows[] = {
    {1020, &ServerSettings::si_mapCycle},     {1018, &ServerSettings::si_weaponStay},
    {1017, &ServerSettings::si_useReady},     {1016, &ServerSettings::si_teamDamage},
    {1002, &ServerSettings::net_serverDedicated}, {1001, &ServerSettings::si_warmup},
    {1019, &ServerSettings::si_pure},         {1004, &ServerSettings::si_shuffle},
    {1005, &ServerSettings::si_spectators},   {1003, &ServerSettings::si_autobalance},
    {1000, &ServerSettings::sv_punkbuster},   {1047, &ServerSettings::si_allowHitscanTint},
    {1040, &ServerSettings::si_allowVoting},  {1046, &ServerSettings::net_LANServer},
    {1006, &ServerSettings::logFile},
};

TEST_F(KelvrinDlgBindingsTest, CheckBoxesShowAndCollectTheirSwitch) {
    Open();
    for (const auto& [control, field] : kSwitchRows) {
        for (const std::int32_t value : {1, 0}) {
            SCOPED_TRACE(std::to_string(control) + " " + std::to_string(value));
            settings.*field = value;
            window->ShowSettings();
            EXPECT_EQ(Check(control)->isChecked(), value == 1);

            Check(control)->setChecked(value == 0);
            window->CollectSettings();
            EXPECT_EQ(settings.*field, value == 0 ? 1 : 0);
        }
    }
}

TEST_F(KelvrinDlgBindingsTest, CheckBoxesShowTheirCaptions) {
    Open();
    const std::pair<int, const char*> captions[] = {
        {1004, "Shuffle Teams"}, {1003, "Autobalance"}, {1016, "Team damage"},
        {1046, "pure LAN Server"}, {1002, "dedicated"}, {1006, "create logfile ( kelvrin.log )"},
        {1017, "wait for \"Ready\""}, {1001, "Warm up"}, {1019, "pure Server ( no mods )"},
        {1000, "enable Punkbuster ( TM )"}, {1018, "Weapon stay"}, {1005, "allow Spectators"},
        {1040, "allow voting"}, {1020, "Map cycle"}};
    for (const auto& [control, caption] : captions) EXPECT_EQ(Check(control)->text(), caption);
}

TEST_F(KelvrinDlgBindingsTest, TheGameBaseListIsCollectedAsTheFolderWithoutBrackets) {
    installation.MakeFolder("mods");
    Open();
    Type(kGameBase, "[mods]");
    window->CollectSettings();
    EXPECT_EQ(settings.gameFolder, "mods");
    EXPECT_TRUE(settings.settingsChanged);
}

}  // namespace
}  // namespace kelvrin::testing
