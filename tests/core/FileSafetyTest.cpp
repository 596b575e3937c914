#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
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

using Install = const TempInstallation&;
using Prepare = void (*)(Install);

// What stands there decides how reading goes, whether the save goes ahead and what stands there
// then: the kind of kelvrin.cfg, the mode, owner, group and bytes of the file it is or names, and
// every name in the folder besides kelvrin.cfg.
TEST(FileSafety, WhatStandsAtKelvrinCfgDecidesTheSave) {
    // Process 1 always runs; no process has the other id.
    const Prepare debris = [](Install in) {
        in.WriteFile(".kelvrin.cfg.tmp-99999999-0-0", "secret");
        in.WriteFile(".kelvrin.cfg.tmp-1-7-0", "in use");
    };
    const Prepare nothing = [](Install) {};
    const Prepare private640 = [](Install in) {
        in.WriteFile("kelvrin.cfg", "old");
        chmod("kelvrin.cfg", 0640);
    };
    const Prepare nobodys = [](Install in) {
        in.WriteFile("kelvrin.cfg", "old");
        EXPECT_EQ(chown("kelvrin.cfg", kNobody, kNobody), 0);
    };
    const Prepare openToAll = [](Install in) {
        in.WriteFile("kelvrin.cfg", "old");
        chmod("kelvrin.cfg", 0666);
        chmod(".", 0777);
    };
    const Prepare aFifo = [](Install) { mkfifo("kelvrin.cfg", 0666); };
    const Prepare aFolder = [](Install in) { in.MakeFolder("kelvrin.cfg"); };
    const Prepare linkToFifo = [](Install) {
        mkfifo("pipe", 0666);
        fs::create_symlink("pipe", "kelvrin.cfg");
    };
    // Made here: a save that wrongly went ahead must not replace a device of the system.
    const Prepare aDevice = [](Install) { mknod("kelvrin.cfg", S_IFCHR | 0666, makedev(1, 3)); };
    const Prepare dangling = [](Install) {
        fs::create_symlink("shared/kelvrin.cfg", "kelvrin.cfg");
    };
    const Prepare ownLink = [](Install in) {
        in.WriteFile("shared/kelvrin.cfg", "old");
        fs::create_symlink("shared/kelvrin.cfg", "kelvrin.cfg");
    };
    // The save would follow the user's own link and then one another user planted.
    const Prepare planted = [](Install in) {
        in.WriteFile("shared/kelvrin.cfg", "old");
        fs::create_symlink("shared/kelvrin.cfg", "planted");
        EXPECT_EQ(lchown("planted", kNobody, kNobody), 0);
        fs::create_symlink("planted", "kelvrin.cfg");
    };
    const uid_t me = geteuid();
    struct Row {
        const char* what;
        Saver saver;
        Prepare prepare;
        bool opens;
        bool saved;
        fs::file_type kind;
        unsigned mode;  // 0: no file to look at
        uid_t owner;
        const char* others;
    };
    using enum fs::file_type;
    const char* const shared = "shared shared/kelvrin.cfg";
    const Row rows[] = {
        {"new config, debris", Config, debris, false, true, regular, 0600, me,
         ".kelvrin.cfg.tmp-1-7-0"},
        {"new plain file", Plain, nothing, false, true, regular, 0644, me, ""},
        {"old config", Config, private640, true, true, regular, 0640, me, ""},
        {"root keeps the owner", RootOnly, nobodys, true, true, regular, 0644, kNobody, ""},
        {"a user cannot keep it", AsUser, openToAll, true, true, regular, 0666, kNobody, ""},
        {"a FIFO", Config, aFifo, false, false, fifo, 0, me, ""},
        {"a folder", Config, aFolder, false, false, directory, 0, me, ""},
        {"a link to a FIFO", Config, linkToFifo, false, false, symlink, 0, me, "pipe"},
        {"a device", RootOnly, aDevice, false, false, character, 0, me, ""},
        {"a dangling link", Config, dangling, false, false, symlink, 0, me, ""},
        {"a link to one's own file", Config, ownLink, true, true, symlink, 0644, me, shared},
        {"a planted link on the way", RootOnly, planted, true, false, symlink, 0644, me,
         "planted shared shared/kelvrin.cfg"},
    };
    const mode_t previousUmask = umask(022);
    alarm(20);  // a FIFO that blocks ends the run instead of hanging it
    for (const Row& row : rows) {
        if (row.saver >= RootOnly && me != 0) continue;
        SCOPED_TRACE(row.what);
        TempInstallation install;
        row.prepare(install);
        EXPECT_EQ(ReadTextFile("kelvrin.cfg", 100).has_value(), row.opens);
        EXPECT_EQ(CanOpenForUpdate("kelvrin.cfg"), row.opens);
        const bool saved = row.saver == AsUser
                               ? RunUnprivileged([&] { return Save(install, row.saver); }) == 1
                               : Save(install, row.saver);
        EXPECT_EQ(saved, row.saved);
        EXPECT_EQ(fs::symlink_status("kelvrin.cfg").type(), row.kind);
        std::set<std::string> names{"kelvrin.cfg"};
        std::istringstream others(row.others);
        for (std::string name; others >> name;) names.insert(name);
        EXPECT_EQ(NamesIn(install), names);
        if (row.mode == 0) continue;
        const std::string file = row.kind == symlink ? "shared/kelvrin.cfg" : "kelvrin.cfg";
        struct stat info {};
        stat(file.c_str(), &info);
        EXPECT_EQ(install.ReadFile(file), row.saved ? "new\r\n" : "old");
        EXPECT_EQ(info.st_mode & 07777, row.mode);
        EXPECT_EQ(info.st_uid, row.owner);
        EXPECT_EQ(info.st_gid, row.owner == me ? getegid() : row.owner);
    }
    alarm(0);
    umask(previousUmask);
}
#endif

#ifndef _WIN32
TEST(FileSafety, AFileSizeLimitMakesASaveFailNotTheProgram) {
    TempInstallation install;
    install.WriteFile("kelvrin.cfg", "old");
    fs::permissions(install.Root(), fs::perms::all);
    fs::permissions(install.PathOf("kelvrin.cfg"), fs::perms(0666));
    const int result = RunUnprivileged([] {
        IgnoreFileSizeSignal();
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        return ReplaceTextFile("kelvrin.cfg", std::string(400, 'x')) ? 1 : 2;
    });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(install.ReadFile("kelvrin.cfg"), "old");
    EXPECT_EQ(NamesIn(install), std::set<std::string>{"kelvrin.cfg"});
}

TEST(FileSafety, AGameFolderThatIsALinkLeavesUsInTheStartDirectory) {
    TempInstallation install;
    install.WriteFile("elsewhere/deep/dvbase/kelvrin.cfg", "set si_name \"Linked\"\r\n");
    fs::create_directory_symlink("elsewhere/deep/dvbase", install.PathOf("dvbase"));
    ServerSettings settings = install.Settings();
    LoadGameFolderConfig(settings, "dvbase");
    EXPECT_EQ(settings.si_name, "Linked");
    EXPECT_EQ(CurrentDirectoryNow(), install.Root());
}
#endif

}  // namespace
}  // namespace kelvrin::testing
