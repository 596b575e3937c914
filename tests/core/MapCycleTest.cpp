#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps/MapCycle.h"
#include "maps/MapList.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::CurrentDirectoryNow;
using testing::RecordingMessages;
using testing::TempInstallation;

ServerSettings SettingsIn(const TempInstallation& install) {
    ServerSettings settings;
    settings.startDirectory = install.Root();
    return settings;
}

const std::vector<std::string> kDefaults(kDefaultMapNames.begin(), kDefaultMapNames.end());

TEST(ReadMapCycle, ListsTheEntriesOfTheQuotedPart) {
    struct Case {
        std::string text;
        MapRows rows;
        std::string startMap;  // si_map afterwards
        bool present;
    };
    const std::string longEntry = "mp/" + std::string(110, 'L');
    const Case cases[] = {
        {"set si_mapcycle \"mp/dvdm3.map;mp/dvctf1.map\"\n", {"dvdm3.map", "dvctf1.map"},
         "mp/dvdm3.map", true},
        {"set si_mapcycle \"\"\n", {}, "mp/dvdm1", false},
        {"no quote at all", {}, "mp/dvdm1", false},
        {"x \";;mp/dvdm2.map;\"", {"dvdm2.map"}, "mp/dvdm2.map", true},
        {"x \"mp/a.map;mp/b.map;mp/c.map", {"a.map", "b.map"}, "mp/a.map", true},
        {"x \"abc\"", {""}, "abc", true},
        {"x \"mp/one\" ignored \"mp/two\"", {"one"}, "mp/one", true},
        {"x \"" + longEntry + ";mp/next\"", {std::string(97, 'L'), "next"},
         longEntry.substr(0, 100), true},
        {"x \"" + std::string(100, 'k') + "\"", {std::string(97, 'k')}, std::string(100, 'k'), true},
    };
    for (const Case& c : cases) {
        ServerSettings settings;
        MapRows selected;
        ReadMapCycle(settings, c.text, selected);
        EXPECT_EQ(selected, c.rows) << c.text;
        EXPECT_EQ(settings.si_map, c.startMap) << c.text;
        EXPECT_EQ(settings.mapCycleScriptPresent, c.present) << c.text;
    }
}

TEST(BuildMapCycle, HoldsAtMostTenThousandCharacters) {
    // 17 + "mp/" + row + closing quote + line end = 10000 exactly.
    const std::size_t fits = kMapCycleCapacity - 17 - 3 - 2;
    struct Case {
        MapRows rows;
        bool built;
    };
    const Case cases[] = {
        {{std::string(fits, 'm')}, true},
        {{std::string(fits + 1, 'm')}, false},
        {{std::string(fits - 5, 'm'), "a"}, true},   // ";mp/a" adds 5
        {{std::string(fits - 5, 'm'), "ab"}, false},
    };
    ServerSettings untouched;
    RecordingMessages silent;
    EXPECT_EQ(BuildMapCycle(untouched, {}, silent), std::nullopt);  // an empty list, unreported
    EXPECT_TRUE(silent.shown.empty());
    for (const Case& c : cases) {
        ServerSettings settings;
        RecordingMessages messages;
        const auto text = BuildMapCycle(settings, c.rows, messages);
        EXPECT_EQ(text.has_value(), c.built) << c.rows.size();
        if (c.built) {
            EXPECT_EQ(text->size(), kMapCycleCapacity);
        }
        EXPECT_EQ(messages.shown, c.built ? std::vector<std::string>{}
                                          : std::vector<std::string>{"your maplist is too long !!!"});
        // The start map is taken even when the list then turns out too long.
        EXPECT_EQ(settings.si_map, "mp/" + c.rows[0]);
    }
}

TEST(WriteMapCycle, WritesTheScriptIntoTheGameFolder) {
    TempInstallation install;
    install.MakeFolder("dvbase");
    ServerSettings settings = SettingsIn(install);
    RecordingMessages messages;

    EXPECT_EQ(WriteMapCycle(settings, {"dvdm3.map", "dvctf1.map", "x"}, messages),
              MapDialogOutcome::Close);
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"),
              "set si_mapcycle \"mp/dvdm3.map;mp/dvctf1.map;mp/x\"\r\n");
    EXPECT_TRUE(settings.mapCycleScriptPresent);
    EXPECT_EQ(settings.si_map, "mp/dvdm3.map");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(CurrentDirectoryNow(), install.Root());

    // Reading the written script back gives the same rows.
    MapRows available, selected;
    LoadMapLists(settings, available, selected);
    EXPECT_EQ(selected, (MapRows{"dvdm3.map", "dvctf1.map", "x"}));
}

TEST(WriteMapCycle, ATooLongListKeepsThePreviousScript) {
    for (const bool present : {false, true}) {
        TempInstallation install;
        install.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm2.map\"\r\n");
        ServerSettings settings = SettingsIn(install);
        settings.mapCycleScriptPresent = present;
        RecordingMessages messages;

        EXPECT_EQ(WriteMapCycle(settings, {"x", std::string(kMapCycleCapacity, 'y')}, messages),
                  MapDialogOutcome::StayOpen);
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"),
                  "set si_mapcycle \"mp/dvdm2.map\"\r\n");
        EXPECT_EQ(settings.mapCycleScriptPresent, present);
        EXPECT_EQ(messages.shown, (std::vector<std::string>{"your maplist is too long !!!"}));
        EXPECT_EQ(CurrentDirectoryNow(), install.Root());
    }
}

TEST(WriteMapCycle, FailuresCloseTheDialog) {
    struct Case {
        const char* what;
        std::string folder;
        bool scriptIsFolder;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"folder missing", "missing", false, {}},
        {"script cannot be written", "dvbase", true, {"can't write \"kelvrin.scriptcfg\" !"}},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        install.MakeFolder("dvbase");
        if (c.scriptIsFolder) install.MakeFolder("dvbase/kelvrin.scriptcfg");
        ServerSettings settings = SettingsIn(install);
        settings.gameFolder = c.folder;
        RecordingMessages messages;

        EXPECT_EQ(WriteMapCycle(settings, {"dvctf2.map"}, messages), MapDialogOutcome::Close);
        EXPECT_EQ(messages.shown, c.shown) << c.what;
        EXPECT_FALSE(settings.mapCycleScriptPresent) << c.what;
        EXPECT_EQ(settings.si_map, "mp/dvdm1") << c.what;
        EXPECT_EQ(CurrentDirectoryNow(), install.Root()) << c.what;
    }
}

TEST(LoadMapLists, ListsDefaultsThenTheMapFilesInOrder) {
    TempInstallation install;
    for (const char* file : {"zz.map", "Beta.MAP", "alpha.map", "dvdm1.map", "notes.txt"}) {
        install.WriteFile(std::string("dvbase/mp/") + file, "");
    }
    install.MakeFolder("dvbase/mp/folder.map");
    ServerSettings settings = SettingsIn(install);
    MapRows available, selected;

    LoadMapLists(settings, available, selected);
    MapRows expected = kDefaults;
    expected.insert(expected.end(), {"alpha.map", "Beta.MAP", "dvdm1.map", "zz.map"});
    EXPECT_EQ(available, expected);
    EXPECT_EQ(selected, (MapRows{"dvdm1"}));  // the default start map, without "mp/"
    EXPECT_EQ(CurrentDirectoryNow(), install.Root());
}

TEST(LoadMapLists, ChoosesAStartMapWithoutAScript) {
    struct Case {
        std::string startMap;
        MapRows selected;
        std::string startMapAfter;
    };
    const Case cases[] = {
        {"mp/dvdm1", {"dvdm1"}, "mp/dvdm1"},
        {"custom.map", {"custom.map"}, "custom.map"},
        {"", {"dvdm1.map"}, "mp/dvdm1.map"},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        install.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"\"\r\n");
        ServerSettings settings = SettingsIn(install);
        settings.si_map = c.startMap;
        MapRows available, selected;
        LoadMapLists(settings, available, selected);
        EXPECT_EQ(selected, c.selected) << c.startMap;
        EXPECT_EQ(settings.si_map, c.startMapAfter) << c.startMap;
        EXPECT_FALSE(settings.mapCycleScriptPresent);
    }
}

TEST(LoadMapLists, FolderProblemsLimitWhatIsListed) {
    struct Case {
        const char* what;
        std::string folder;
        MapRows selected;
        std::size_t available;
    };
    const std::string longest(29, 'g');  // with "/mp" the name passes 31 bytes
    const Case cases[] = {
        {"game folder missing", "missing", {}, kDefaults.size()},
        {"map folder name too long", longest, {"dvdm4.map"}, kDefaults.size()},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        install.WriteFile(longest + "/mp/extra.map", "");
        install.WriteFile(longest + "/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm4.map\"");
        ServerSettings settings = SettingsIn(install);
        settings.gameFolder = c.folder;
        MapRows available, selected;
        LoadMapLists(settings, available, selected);
        EXPECT_EQ(selected, c.selected) << c.what;
        EXPECT_EQ(available.size(), c.available) << c.what;
        EXPECT_EQ(CurrentDirectoryNow(), install.Root()) << c.what;
    }
}

}  // namespace
}  // namespace kelvrin
