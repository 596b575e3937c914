#include <gtest/gtest.h>

#include <string>

#include "maps/MapCycle.h"
#include "maps/MapList.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {

using namespace std::string_literals;
using testing::TempInstallation;

// Map files whose names the script could not carry back are not offered.
TEST(MapNames, OnlyNamesTheScriptCarriesAreListed) {
    TempInstallation install;
    const std::string hundred = std::string(96, 'w') + ".map";
    for (const std::string& name : {"caf\xc3\xa9.map"s, "plain.map"s, hundred, "w" + hundred, "semi;colon.map"s,
                                    "dou\"ble.map"s, "tab\there.map"s, "line\nend.map"s, "del\x7f.map"s})
        install.WriteFile("dvbase/mp/" + name, "");
    ServerSettings settings;
    settings.startDirectory = install.Root();
    MapRows available, selected;
    LoadMapLists(settings, available, selected);
    EXPECT_EQ(MapRows(available.begin() + 13, available.end()), (MapRows{"caf\xc3\xa9.map", "plain.map", hundred}));
}

TEST(MapNames, ScriptEntriesWithControlCharactersAreDroppedAndRowsOfAHundredReadWhole) {
    const std::string hundred(100, 'h');
    const struct { std::string quoted; MapRows rows; std::string startMap; } cases[] = {
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
    testing::RecordingMessages messages;
    const MapRows rows{"new.map", std::string(kMapCycleCapacity, 'z')};
    EXPECT_EQ(WriteMapCycle(settings, rows, messages), MapDialogOutcome::StayOpen);
    EXPECT_EQ(settings.si_map, "mp/old.map");
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), "set si_mapcycle \"mp/old.map\"\r\n");
}

}  // namespace kelvrin
