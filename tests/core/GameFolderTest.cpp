#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GameFolder.h"
#include "app/GameFolderList.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::CurrentDirectoryNow;
using testing::TempInstallation;

ServerSettings SettingsFor(const TempInstallation& install) {
    ServerSettings settings;
    settings.startDirectory = CurrentDirectory();
    EXPECT_EQ(settings.startDirectory, install.Root());
    return settings;
}

TEST(EnterGameFolder, EntersOnlyNamesWithinTheLimit) {
    TempInstallation install;
    const std::string longest(31, 'a');
    install.MakeFolder("dvbase/mp");
    install.MakeFolder(longest);
    install.MakeFolder(std::string(32, 'b'));
    const ServerSettings settings = SettingsFor(install);

    struct Case {
        std::string name;
        bool entered;
        std::string where;
    };
    const Case cases[] = {
        {"dvbase", true, "dvbase"},
        {longest, true, longest},
        {"dvbase/mp", true, "dvbase/mp"},
        {std::string(32, 'b'), false, ""},
        {"", false, ""},
        {"missing", false, ""},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(EnterGameFolder(settings, c.name), c.entered) << c.name;
        if (!c.entered) {
            EXPECT_EQ(CurrentDirectoryNow(), install.Root()) << c.name;
            continue;
        }
        EXPECT_EQ(CurrentDirectoryNow(), install.PathOf(c.where).string());
        LeaveGameFolder(settings);
        EXPECT_EQ(CurrentDirectoryNow(), install.Root()) << c.name;
    }
}

TEST(GameFolders, ListsVisibleSubfoldersInCaseInsensitiveOrder) {
    TempInstallation install;
    for (const char* folder : {"zeta", "Alpha", "dvbase", "beta", ".hidden", "DVmod"}) {
        install.MakeFolder(folder);
    }
    install.WriteFile("plainfile", "x");
    EXPECT_EQ(ListGameFolders(install.Root()),
              (std::vector<std::string>{"Alpha", "beta", "dvbase", "DVmod", "zeta"}));
    EXPECT_TRUE(ListGameFolders(install.PathOf("missing").string()).empty());
}

TEST(LoadGameFolderConfig, ReadsTheConfigAndChecksTheScript) {
    struct Case {
        const char* what;
        bool writeScript;
        std::int32_t mapCycle;
        bool scriptPresent;
    };
    const Case cases[] = {
        {"script present keeps the cycle", true, 1, true},
        {"no script switches the cycle off", false, 0, false},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        install.WriteFile("dvbase/kelvrin.cfg",
                          "set si_name \"Loaded\"\r\n//set si_mapCycle \"1\"\r\n");
        if (c.writeScript) install.WriteFile("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"\"\r\n");
        ServerSettings settings = SettingsFor(install);

        LoadGameFolderConfig(settings, "dvbase");
        EXPECT_EQ(settings.si_name, "Loaded") << c.what;
        EXPECT_EQ(settings.si_mapCycle, c.mapCycle) << c.what;
        EXPECT_EQ(settings.mapCycleScriptPresent, c.scriptPresent) << c.what;
        EXPECT_FALSE(settings.settingsChanged) << c.what;
        EXPECT_EQ(CurrentDirectoryNow(), install.Root()) << c.what;
    }
}

TEST(LoadGameFolderConfig, PassesOverWhatCannotBeRead) {
    struct Case {
        const char* what;
        std::string folder;
        bool makeFolder;
        bool mapCycleTouched;
    };
    const Case cases[] = {
        {"folder missing", "missing", false, false},
        {"name too long", std::string(32, 'x'), true, false},
        {"folder without files", "empty", true, true},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        if (c.makeFolder) install.MakeFolder(c.folder);
        ServerSettings settings = SettingsFor(install);
        settings.si_name = "Before";

        LoadGameFolderConfig(settings, c.folder);
        EXPECT_EQ(settings.si_name, "Before") << c.what;
        EXPECT_EQ(settings.si_maxPlayers, 16) << c.what;
        EXPECT_EQ(settings.si_mapCycle, c.mapCycleTouched ? 0 : 1) << c.what;
        EXPECT_EQ(CurrentDirectoryNow(), install.Root()) << c.what;
    }
}

TEST(LoadGameFolderConfig, ReadsOnlyTheFirst5000Characters) {
    TempInstallation install;
    // CR LF pairs count as one character each, as a text-mode read gives them.
    const std::string filler(4989, ' ');
    install.WriteFile("dvbase/kelvrin.cfg",
                      "\r\n" + filler + "si_name \"AB\"\r\nset si_fragLimit \"9\"\r\n");
    ServerSettings settings = SettingsFor(install);
    LoadGameFolderConfig(settings, "dvbase");
    // 1 + 4989 characters come before the name, so its value's "A" is the 5000th character:
    // "B" and the frag limit lie beyond what is read.
    EXPECT_EQ(settings.si_name, "A");
    EXPECT_EQ(settings.si_fragLimit, 0);
}

TEST(CurrentDirectory, TakesDeepPathsWhole) {
    TempInstallation install;
    std::string deep;
    for (int level = 0; level < 12; ++level) deep += (level ? "/" : "") + std::string(30, 'd');
    install.MakeFolder(deep);
    std::filesystem::current_path(install.PathOf(deep));
    EXPECT_GT(CurrentDirectory().size(), 249u);
    EXPECT_EQ(CurrentDirectory(), install.PathOf(deep).string());
}

}  // namespace
}  // namespace kelvrin
