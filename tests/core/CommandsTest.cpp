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
// in folders open to it, and reports through its exit status.
TEST(SaveConfig, RefusesAReadOnlyConfigAndKeepsIt) {
    TempInstallation install;
    install.WriteFile("dvbase/kelvrin.cfg", "kept as it was\r\n");
    fs::permissions(install.Root(), fs::perms(0777));
    fs::permissions(install.PathOf("dvbase"), fs::perms(0777));
    fs::permissions(install.PathOf("dvbase/kelvrin.cfg"), fs::perms(0444));
    ServerSettings settings = install.Settings();
    const int shown = RunUnprivileged([&] {
        RecordingMessages messages;
        SaveConfig(settings, messages);
        return messages.shown == Shown{"can't write \"kelvrin.cfg\"!"} ? 1 : 2;
    });
    EXPECT_EQ(shown, 1) << "the message, and only it";
    EXPECT_EQ(install.ReadFile("dvbase/kelvrin.cfg"), "kept as it was\r\n");
}
#endif

}  // namespace
}  // namespace kelvrin::testing
