// Save Config where a file may not be written. What the commands write and report otherwise is
// checked through kelvrin-cli and the main window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "launch/ServerLaunch.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"
#include "tests/support/Unprivileged.h"

namespace kelvrin::testing {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32  // file modes
// File modes bind an operator, not root: the command runs as an ordinary user in a child process,
// in a folder open to it, and reports through its exit status.
TEST(SaveConfig, RefusesAReadOnlyFileAndKeepsIt) {
    const struct {
        const char* name;
        const char* file;
        const char* message;
    } rows[] = {
        {"config", "dvbase/kelvrin.cfg", "can't write \"kelvrin.cfg\"!"},
        {"batch", "kvr_dvbase.bat", "can't write \"kvr_dvbase.bat\"!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempInstallation install;
        install.MakeFolder("dvbase");
        install.WriteFile(row.file, "kept as it was\r\n");
        fs::permissions(install.Root(), fs::perms(0777));
        fs::permissions(install.PathOf("dvbase"), fs::perms(0777));
        fs::permissions(install.PathOf(row.file), fs::perms(0444));
        ServerSettings settings = install.Settings();
        const Shown expected{row.message};
        EXPECT_EQ(RunUnprivileged([&] {
                      RecordingMessages messages;
                      SaveConfig(settings, messages);
                      return messages.shown == expected ? 0 : 1;
                  }),
                  0);
        EXPECT_EQ(install.ReadFile(row.file), "kept as it was\r\n");
    }
}
#endif

}  // namespace
}  // namespace kelvrin::testing
