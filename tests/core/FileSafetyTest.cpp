#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>

#ifndef _WIN32  // file modes, owners, links, FIFOs, devices and size limits
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include "files/Directories.h"
#include "files/TextFile.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"
#include "tests/support/TempInstallation.h"
#include "tests/support/Unprivileged.h"

namespace kelvrin::testing {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
constexpr uid_t kNobody = 65534;

// Every name in the tree, so that a stray temporary file shows.
std::set<std::string> NamesIn(const TempInstallation& install) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(install.Root()))
        names.insert(entry.path().lexically_relative(install.Root()).string());
    return names;
}

enum Saver { Config, Plain, RootOnly, AsUser };  // the last two save the config too

// Saves "new" as kelvrin.cfg through the config writer, or as a file of another kind.
bool Save(const TempInstallation& install, Saver saver) {
    ServerSettings settings = install.Settings();
    settings.gameFolder = ".";
    return saver == Plain ? ReplaceTextFile("kelvrin.cfg", "new\n")
                          : WriteServerConfigFile(settings, "new\n") == ConfigWriteResult::Written;
}

TEST(FileSafety, WhatStandsAtKelvrinCfgDecidesTheSave) {
    using Install = const TempInstallation&;
    const std::string stale = ".kelvrin.cfg.tmp-99999999-0-0";  // no process has that id
    const std::string live = ".kelvrin.cfg.tmp-" + std::to_string(getpid()) + "-7-0";
    const uid_t me = geteuid();
    // What stands there, how reading it goes, whether the save goes ahead and what then stands
    // there: the kind of kelvrin.cfg, the file whose bytes, mode, owner and group are checked,
    // every name.
    struct Row {
        const char* what;
        Saver saver;
        std::function<void(Install)> setUp;
        std::optional<std::string> read;
        bool saved;
        fs::file_type kind;
        std::string file;
        unsigned mode;
        uid_t owner;
        std::set<std::string> names;
    };
    const auto old = [](Install in) { in.WriteFile("shared/kelvrin.cfg", "old"); };
    const auto link = [](Install) { fs::create_symlink("shared/kelvrin.cfg", "kelvrin.cfg"); };
    const std::set<std::string> linked = {"kelvrin.cfg", "shared", "shared/kelvrin.cfg"};
    using enum fs::file_type;
    const Row rows[] = {
        {"a new config is private and crash debris goes",
         Config,
         [&](Install in) { in.WriteFile(stale, "secret"), in.WriteFile(live, "in use"); },
         std::nullopt,
         true,
         regular,
         "kelvrin.cfg",
         0600,
         me,
         {live, "kelvrin.cfg"}},
        {"a new file of another kind follows the umask",
         Plain,
         [](Install) {},
         std::nullopt,
         true,
         regular,
         "kelvrin.cfg",
         0644,
         me,
         {"kelvrin.cfg"}},
        {"an old config keeps its mode",
         Config,
         [](Install in) { in.WriteFile("kelvrin.cfg", "old"), chmod("kelvrin.cfg", 0640); },
         "old",
         true,
         regular,
         "kelvrin.cfg",
         0640,
         me,
         {"kelvrin.cfg"}},
        {"root keeps the owner",
         RootOnly,
         [](Install in) {
             in.WriteFile("kelvrin.cfg", "old");
             EXPECT_EQ(chown("kelvrin.cfg", kNobody, kNobody), 0);
         },
         "old",
         true,
         regular,
         "kelvrin.cfg",
         0644,
         kNobody,
         {"kelvrin.cfg"}},
        {"a user who cannot keep the owner still saves",
         AsUser,
         [](Install in) {
             in.WriteFile("kelvrin.cfg", "old"), chmod("kelvrin.cfg", 0666), chmod(".", 0777);
         },
         "old",
         true,
         regular,
         "kelvrin.cfg",
         0666,
         kNobody,
         {"kelvrin.cfg"}},
        {"a FIFO",
         Config,
         [](Install) { mkfifo("kelvrin.cfg", 0666); },
         std::nullopt,
         false,
         fifo,
         "",
         0,
         me,
         {"kelvrin.cfg"}},
        {"a folder",
         Config,
         [](Install in) { in.MakeFolder("kelvrin.cfg"); },
         std::nullopt,
         false,
         directory,
         "",
         0,
         me,
         {"kelvrin.cfg"}},
        {"a link to a FIFO",
         Config,
         [](Install) { mkfifo("pipe", 0666), fs::create_symlink("pipe", "kelvrin.cfg"); },
         std::nullopt,
         false,
         symlink,
         "",
         0,
         me,
         {"kelvrin.cfg", "pipe"}},
        // Made here: a save that wrongly went ahead must not replace a device of the system.
        {"a device",
         RootOnly,
         [](Install) { mknod("kelvrin.cfg", S_IFCHR | 0666, makedev(1, 3)); },
         std::nullopt,
         false,
         character,
         "",
         0,
         me,
         {"kelvrin.cfg"}},
        {"a dangling link", Config, link, std::nullopt, false, symlink, "", 0, me, {"kelvrin.cfg"}},
        {"a link to the user's own file", Config, [&](Install in) { old(in), link(in); }, "old",
         true, symlink, "shared/kelvrin.cfg", 0644, me, linked},
        // The save would follow the user's own link and then one another user planted.
        {"a link on through another user's link",
         RootOnly,
         [&](Install in) {
             old(in), fs::create_symlink("shared/kelvrin.cfg", "planted");
             EXPECT_EQ(lchown("planted", kNobody, kNobody), 0);
             fs::create_symlink("planted", "kelvrin.cfg");
         },
         "old",
         false,
         symlink,
         "shared/kelvrin.cfg",
         0644,
         me,
         {"kelvrin.cfg", "planted", "shared", "shared/kelvrin.cfg"}},
    };
    const mode_t previousUmask = umask(022);
    alarm(20);  // a FIFO that blocks ends the run instead of hanging it
    for (const Row& row : rows) {
        if (row.saver >= RootOnly && me != 0) continue;
        TempInstallation install;
        row.setUp(install);
        EXPECT_EQ(std::pair(ReadTextFile("kelvrin.cfg", 100), CanOpenForUpdate("kelvrin.cfg")),
                  std::pair(row.read, row.read.has_value()))
            << row.what;
        const bool saved = row.saver == AsUser
                               ? RunUnprivileged([&] { return Save(install, row.saver); }) == 1
                               : Save(install, row.saver);
        EXPECT_EQ(std::tuple(saved, fs::symlink_status("kelvrin.cfg").type(), NamesIn(install)),
                  std::tuple(row.saved, row.kind, row.names))
            << row.what;
        if (row.file.empty()) continue;
        struct stat info {};
        stat(row.file.c_str(), &info);
        EXPECT_EQ(
            std::tuple(install.ReadFile(row.file), info.st_mode & 07777, info.st_uid, info.st_gid),
            std::tuple(std::string(row.saved ? "new\r\n" : "old"), row.mode, row.owner,
                       row.owner == me ? getegid() : row.owner))
            << row.what;
    }
    alarm(0);
    umask(previousUmask);
}
#endif

#ifndef _WIN32
TEST(FileSafety, AFileSizeLimitMakesASaveFailNotTheProgram) {
    TempInstallation install;
    install.WriteFile("kelvrin.cfg", "old");
    fs::permissions(install.Root(), fs::perms::all),
        fs::permissions(install.PathOf("kelvrin.cfg"), fs::perms(0666));
    const int result = RunUnprivileged([] {
        IgnoreFileSizeSignal();
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        return ReplaceTextFile("kelvrin.cfg", std::string(400, 'x')) ? 1 : 2;
    });
    EXPECT_EQ(std::tuple(result, install.ReadFile("kelvrin.cfg"), NamesIn(install)),
              std::tuple(2, std::string("old"), std::set<std::string>{"kelvrin.cfg"}));
}

TEST(FileSafety, AGameFolderThatIsALinkLeavesUsInTheStartDirectory) {
    TempInstallation install;
    install.WriteFile("elsewhere/deep/dvbase/kelvrin.cfg", "set si_name \"Linked\"\r\n");
    fs::create_directory_symlink("elsewhere/deep/dvbase", install.PathOf("dvbase"));
    ServerSettings settings = install.Settings();
    LoadGameFolderConfig(settings, "dvbase");
    EXPECT_EQ(std::pair(settings.si_name, CurrentDirectoryNow()),
              std::pair(std::string("Linked"), install.Root()));
}
#endif

}  // namespace
}  // namespace kelvrin::testing
