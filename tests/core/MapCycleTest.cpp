// The map lists and the map-cycle script kelvrin.scriptcfg.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps/MapCycle.h"
#include "maps/MapList.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

const MapRows kDefaults{"dvdm1.map",  "dvdm2.map",  "dvdm3.map", "dvdm4.map",    "dvdm5.map",
                        "dvdm6.map",  "dvdm7.map",  "dvdm8.map", "dvdm11v1.map", "dvctf1.map",
                        "dvctf2.map", "dvctf3.map", "dvctf4.map"};

TEST(ReadMapCycle, ListsTheEntriesOfTheQuotedPart) {
    const std::string longEntry = "mp/" + std::string(110, 'L');  // rows of 100 read back whole
    const struct {
        std::string text;
        MapRows rows;
        std::string startMap;
    } rows[] = {
        {"set si_mapcycle \"mp/dvdm3.map;mp/dvctf1.map\"\n",
         {"dvdm3.map", "dvctf1.map"},
         "mp/dvdm3.map"},
        {"set si_mapcycle \"\"\n", {}, "mp/dvdm1"},
        {"no quote at all", {}, "mp/dvdm1"},
        {"x \";;mp/dvdm2.map;\"", {"dvdm2.map"}, "mp/dvdm2.map"},
        {"x \"mp/a.map;mp/b.map;mp/c.map", {"a.map", "b.map"}, "mp/a.map"},
        {"x \"abc\"", {""}, "abc"},
        {"x \"mp/one\" ignored \"mp/two\"", {"one"}, "mp/one"},
        {"x \"" + longEntry + ";mp/next\"",
         {std::string(100, 'L'), "next"},
         longEntry.substr(0, 103)},
        {std::string("x \"mp/n") + '\0' + "ul;mp/b\"", {"b"}, "mp/b"},
        {"x \"mp/a;mp/c\x01tl;mp/b\"", {"a", "b"}, "mp/a"},
        {"x \"mp/d\x7f;mp/line\r\nend\"", {}, "mp/dvdm1"},
    };
    for (const auto& row : rows) {
        ServerSettings settings;
        MapRows selected;
        ReadMapCycle(settings, row.text, selected);
        EXPECT_EQ(std::tuple(selected, settings.si_map, settings.mapCycleScriptPresent),
                  std::tuple(row.rows, row.startMap, !row.rows.empty()))
            << row.text;
    }
}

// OK in the dialog: the script is written when the folder and the file allow; the dialog stays
// open only for a list too long, which keeps the previous script.
TEST(WriteMapCycle, WritesTheScriptOrKeepsThePreviousOne) {
    const std::string old = "set si_mapcycle \"mp/dvdm2.map\"\r\n";
    const struct {
        std::string folder;
        bool scriptIsFolder;
        MapRows rows;
        MapDialogOutcome outcome;
        std::string script;
        Shown shown;
        std::string startMap;
    } rows[] = {
        {"dvbase",
         false,
         {"dvdm3.map", "dvctf1.map", "x"},
         MapDialogOutcome::Close,
         "set si_mapcycle \"mp/dvdm3.map;mp/dvctf1.map;mp/x\"\r\n",
         {},
         "mp/dvdm3.map"},
        // 17 + "mp/" + a row + closing quote + line end may fill the 10000 characters exactly.
        {"dvbase",
         false,
         {std::string(9973, 'm'), "a"},
         MapDialogOutcome::Close,
         "set si_mapcycle \"mp/" + std::string(9973, 'm') + ";mp/a\"\r\n",
         {},
         "mp/" + std::string(9973, 'm')},
        {"dvbase",
         false,
         {std::string(9973, 'm'), "ab"},
         MapDialogOutcome::StayOpen,
         old,
         {"your maplist is too long !!!"},
         "mp/dvdm1"},
        {"missing", false, {"dvctf2.map"}, MapDialogOutcome::Close, old, {}, "mp/dvdm1"},
        {"dvbase",
         true,
         {"dvctf2.map"},
         MapDialogOutcome::Close,
         "",
         {"can't write \"kelvrin.scriptcfg\" !"},
         "mp/dvdm1"},
    };
    for (const auto& row : rows) {
        TempInstallation install;
        if (row.scriptIsFolder)
            install.MakeFolder("dvbase/kelvrin.scriptcfg");
        else
            install.WriteFile("dvbase/kelvrin.scriptcfg", old);
        ServerSettings settings = install.Settings();
        settings.gameFolder = row.folder;
        RecordingMessages messages;

        EXPECT_EQ(WriteMapCycle(settings, row.rows, messages), row.outcome) << row.script;
        EXPECT_EQ(
            std::tuple(install.ReadFile("dvbase/kelvrin.scriptcfg"), messages.shown,
                       settings.si_map, settings.mapCycleScriptPresent, CurrentDirectoryNow()),
            std::tuple(row.script, row.shown, row.startMap,
                       row.shown.empty() && row.folder == "dvbase", install.Root()))
            << row.script;
    }
}

// Opening the dialog: the defaults, then the map files in order; the cycle of the script, or else
// a start map of its own.
TEST(LoadMapLists, ListsTheMapsAndTheCycle) {
    const std::string longest(29, 'g');  // with "/mp" the name passes 31 bytes
    const std::string hundred = std::string(96, 'w') + ".map";
    const MapRows found{"alpha.map", "Beta.MAP", "caf\xc3\xa9.map", "dvdm1.map", hundred, "zz.map"};
    const struct {
        std::string folder, script, startMap;
        MapRows extraMaps, selected;
        std::string startMapAfter;
    } rows[] = {
        {"dvbase", "", "mp/dvdm1", found, {"dvdm1"}, "mp/dvdm1"},
        {"dvbase",
         "set si_mapcycle \"mp/zz.map;mp/x\"",
         "mp/dvdm1",
         found,
         {"zz.map", "x"},
         "mp/zz.map"},
        {"dvbase", "set si_mapcycle \"\"", "custom.map", found, {"custom.map"}, "custom.map"},
        {"dvbase", "set si_mapcycle \"\"", "", found, {"dvdm1.map"}, "mp/dvdm1.map"},
        {"missing", "", "mp/dvdm1", {}, {}, "mp/dvdm1"},
        {longest, "set si_mapcycle \"mp/dvdm4.map\"", "", {}, {"dvdm4.map"}, "mp/dvdm4.map"},
    };
    for (const auto& row : rows) {
        TempInstallation install;
        // Names the script could not carry back are not offered.
        for (const std::string file :
             {"zz.map", "Beta.MAP", "alpha.map", "dvdm1.map", "notes.txt", "caf\xc3\xa9.map",
              "semi;colon.map", "dou\"ble.map", "tab\there.map", "del\x7f.map"}) {
#ifdef _WIN32
            if (file.find_first_of("\"\t") != std::string::npos)
                continue;  // names Windows cannot hold
#endif
            install.WriteFile("dvbase/mp/" + file, "");
            install.WriteFile(longest + "/mp/" + file, "");
        }
        install.WriteFile("dvbase/mp/" + hundred, ""),
            install.WriteFile("dvbase/mp/w" + hundred, "");
        install.MakeFolder("dvbase/mp/folder.map");
        if (!row.script.empty()) install.WriteFile(row.folder + "/kelvrin.scriptcfg", row.script);
        ServerSettings settings = install.Settings();
        settings.gameFolder = row.folder, settings.si_map = row.startMap;
        MapRows available, selected;

        LoadMapLists(settings, available, selected);
        MapRows expected = kDefaults;
        expected.insert(expected.end(), row.extraMaps.begin(), row.extraMaps.end());
        EXPECT_EQ(std::tuple(available, selected, settings.si_map, CurrentDirectoryNow()),
                  std::tuple(expected, row.selected, row.startMapAfter, install.Root()))
            << (row.folder + " " + row.script);
    }
}

}  // namespace
}  // namespace kelvrin::testing
