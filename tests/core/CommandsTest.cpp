// Save Config and Start Server on real files in a temporary start directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "files/Directories.h"
#include "launch/ServerLaunch.h"
#include "maps/MapCycle.h"
#include "settings/GameFolderConfig.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"
#include "tests/support/Unprivileged.h"

namespace kelvrin::testing {
namespace {

namespace fs = std::filesystem;

// The switches come from a stored file, where any number but 0 counts as on; folder names go in
// unchanged, blanks and all, and a batch file name holds up to 39 characters.
TEST(SaveAndStart, WriteAndLaunchForEachCombination) {
    const std::string f31(31, 'f');
    const struct {
        std::string folder;
        const char *dedicated, *mapCycle, *executable;
        std::string parameters, batch;
    } rows[] = {
        {"dvbase", "0", "0", "dravek.exe", "+set fs_game dvbase+exec kelvrin.cfg",
         "dravek.exe +set fs_game dvbase +exec kelvrin.cfg\r\n"},
        {"dvbase", "0", "2", "dravek.exe",
         "+set fs_game dvbase+exec kelvrin.scriptcfg +exec kelvrin.cfg",
         "dravek.exe +set fs_game dvbase +exec kelvrin.scriptcfg +exec kelvrin.cfg"},
        {"dvbase", "2", "0", "dravekDed.exe", "+set fs_game dvbase+exec kelvrin.cfg",
         "dravekDed.exe +set fs_game dvbase +exec kelvrin.cfg\r\n"},
        {"dvbase", "1", "1", "dravekDed.exe",
         "+set fs_game dvbase+exec kelvrin.scriptcfg +exec kelvrin.cfg",
         "dravekDed.exe +set fs_game dvbase +exec kelvrin.scriptcfg +exec kelvrin.cfg"},
        {"my mod", "0", "0", "dravek.exe", "+set fs_game my mod+exec kelvrin.cfg",
         "dravek.exe +set fs_game my mod +exec kelvrin.cfg\r\n"},
        {f31, "0", "0", "dravek.exe", "+set fs_game " + f31 + "+exec kelvrin.cfg",
         "dravek.exe +set fs_game " + f31 + " +exec kelvrin.cfg\r\n"},
    };
    TempInstallation install;
    install.WriteFile("kvr_other.bat", "other\r\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.batch);
        install.WriteFile(row.folder + "/kelvrin.scriptcfg", "set si_mapcycle \"mp/dvdm1\"\r\n");
        install.WriteFile(row.folder + "/kelvrin.cfg",
                          std::string("set net_serverDedicated \"") + row.dedicated +
                              "\"\r\nset logFile \"2\"\r\n//set si_mapCycle \"" + row.mapCycle +
                              "\"\r\n");
        ServerSettings settings = install.Settings();
        settings.gameFolder = row.folder, LoadGameFolderConfig(settings, row.folder);
        RecordingMessages messages;
        RecordingLauncher launcher;
        SaveConfig(settings, messages);
        const std::string batchName = "kvr_" + row.folder + ".bat";
        EXPECT_EQ(std::pair(install.ReadFile(batchName), messages.shown),
                  std::pair(row.batch, Shown{"Config file \"kelvrin.cfg\" and batch file \"" +
                                             batchName + "\" written"}));
        const std::string saved = install.ReadFile(row.folder + "/kelvrin.cfg");
        EXPECT_NE(saved.find("set logFile \"1\"\r\nset net_serverAllowServerMod \"0\"\r\nset "
                             "logFileName \"kelvrin.log\"\r\n"
                             "//set si_mapCycle \"" +
                             std::string(row.mapCycle == std::string("0") ? "0" : "1") + "\"\r\n"),
                  std::string::npos)
            << saved;
        fs::remove(install.PathOf(row.folder + "/kelvrin.cfg"));

        StartServer(settings, messages, launcher);
        ASSERT_EQ(launcher.launches.size(), 1u);
        EXPECT_EQ(launcher.launches[0].startDirectory + "|" + launcher.launches[0].executable +
                      "|" + launcher.launches[0].parameters,
                  install.Root() + "|" + row.executable + "|" + row.parameters);
        EXPECT_EQ(std::tuple(messages.shown.size(), install.ReadFile(row.folder + "/kelvrin.cfg"),
                             CurrentDirectoryNow()),
                  std::tuple(1u, saved, install.Root()))
            << "starting reports nothing and writes the config again";
    }
    EXPECT_EQ(install.ReadFile("kvr_other.bat"), "other\r\n");
}

#ifndef _WIN32  // file modes
// File modes bind an operator, not root: the command runs as an ordinary user in a child process,
// in a folder open to it, and reports through its exit status.
TEST(SaveAndStart, AReadOnlyFileIsRefusedAndKept) {
    const struct {
        const char* file;
        Shown (*command)(ServerSettings&);
        const char* message;
    } rows[] = {
        {"dvbase/kelvrin.cfg",
         [](ServerSettings& s) {
             RecordingMessages m;
             SaveConfig(s, m);
             return m.shown;
         },
         "can't write \"kelvrin.cfg\"!"},
        {"dvbase/kelvrin.cfg",
         [](ServerSettings& s) {
             RecordingMessages m;
             RecordingLauncher l;
             StartServer(s, m, l);
             return l.launches.empty() ? m.shown : Shown{"started"};
         },
         "can't write server-config ..."},
        {"dvbase/kelvrin.scriptcfg",
         [](ServerSettings& s) {
             RecordingMessages m;
             WriteMapCycle(s, {"dvdm2.map"}, m);
             return m.shown;
         },
         "can't write \"kelvrin.scriptcfg\" !"},
    };
    for (const auto& row : rows) {
        TempInstallation install;
        install.WriteFile(row.file, "kept as it was\r\n");
        fs::permissions(install.Root(), fs::perms(0755)),
            fs::permissions(install.PathOf("dvbase"), fs::perms(0777));
        fs::permissions(install.PathOf(row.file), fs::perms(0444));
        ServerSettings settings = install.Settings();
        const auto command = row.command;
        const std::string message = row.message;
        EXPECT_EQ(RunUnprivileged([&] { return command(settings) == Shown{message} ? 0 : 1; }), 0)
            << row.message;
        EXPECT_EQ(std::pair(install.ReadFile(row.file), install.Exists("kvr_dvbase.bat")),
                  std::pair(std::string("kept as it was\r\n"), false))
            << row.message;
    }
}

#endif

}  // namespace
}  // namespace kelvrin::testing
