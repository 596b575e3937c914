#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps/MapCycle.h"
#include "maps/MapList.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::RecordingMessages;
using testing::TempInstallation;

// Map files whose names the script could not carry back are not offered.
TEST(MapNames, OnlyNamesTheScriptCarriesAreListed) {
    const struct {
        std::string name;
        bool listed;
    } files[] = {
        {"caf\xc3\xa9.map", true},
        {"plain.map", true},
        {std::string(96, 'w') + ".map", true},  // 100 characters
        {std::string(97, 'x') + ".map", false},
        {"semi;colon.map", false},
        {"dou\"ble.map", false},
        {"tab\there.map", false},
        {"line\nend.map", false},
        {"del\x7f.map", false},
    };
    TempInstallation install;
    std::vector<std::string> expected(kDefaultMapNames.begin(), kDefaultMapNames.end());
    for (const auto& file : files) {
        install.WriteFile("dvbase/mp/" + file.name, "");
        if (file.listed) expected.push_back(file.name);
    }
    ServerSettings settings;
    settings.startDirectory = install.Root();
    MapRows available;
    MapRows selected;
    LoadMapLists(settings, available, selected);
    EXPECT_EQ(available, expected);
}

TEST(MapNames, ScriptEntriesWithControlCharactersAreDroppedAndRowsOfAHundredReadWhole) {
    using namespace std::string_literals;
    const std::string hundred(100, 'h');
    const struct {
        std::string quoted;
        MapRows rows;
        std::string startMap;
    } cases[] = {
        {"mp/" + hundred, {hundred}, "mp/" + hundred},
        {"mp/" + hundred + "XY;mp/b", {hundred, "b"}, "mp/" + hundred},
        {"mp/n\0ul;mp/b"s, {"b"}, "mp/b"},
        {"mp/a;mp/c\x01tl;mp/b", {"a", "b"}, "mp/a"},
        {"mp/d\x7f;mp/line\r\nend", {}, "mp/dvdm1"},
    };
    for (const auto& c : cases) {
        ServerSettings settings;
        MapRows selected;
        ReadMapCycle(settings, "set si_mapcycle \"" + c.quoted + "\"\r\n", selected);
        EXPECT_EQ(selected, c.rows) << c.quoted;
        EXPECT_EQ(settings.si_map, c.startMap) << c.quoted;
    }
}

TEST(MapNames, AListTooLongLeavesTheStartMapAndTheScriptAsTheyWere) {
    TempInstallation install;
    install.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/old.map\"\r\n");
    ServerSettings settings;
    settings.startDirectory = install.Root();
    settings.si_map = "mp/old.map";
    RecordingMessages messages;
    const MapRows rows{"new.map", std::string(kMapCycleCapacity, 'z')};
    EXPECT_EQ(WriteMapCycle(settings, rows, messages), MapDialogOutcome::StayOpen);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"your maplist is too long !!!"});
    EXPECT_EQ(settings.si_map, "mp/old.map");
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), "set si_mapcycle \"mp/old.map\"\r\n");
}

}  // namespace
}  // namespace kelvrin
