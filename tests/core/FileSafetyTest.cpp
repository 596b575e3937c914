#include <gtest/gtest.h>

#include <filesystem>
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
#include "tests/support/Standing.h"
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
    return saver == Plain
               ? static_cast<bool>(ReplaceTextFile("kelvrin.cfg", "new\n"))
               : WriteServerConfigFile(settings, "new\n").result == ConfigWriteResult::Written;
}

// What may stand in the start directory besides files and folders. A device is made here: a
// save that wrongly went ahead must not replace one of the system's.
Standing Mode(std::string path, mode_t mode) {
    return [=](const TempInstallation&) { chmod(path.c_str(), mode); };
}
Standing Nobody(std::string path) {  // owner and group 65534, of a link itself
    return [=](const TempInstallation&) { ASSERT_EQ(lchown(path.c_str(), kNobody, kNobody), 0); };
}
Standing Fifo(std::string path) {
    return [=](const TempInstallation&) { mkfifo(path.c_str(), 0666); };
}
Standing Link(std::string path, std::string target) {
    return [=](const TempInstallation&) { fs::create_symlink(target, path); };
}
Standing Device(std::string path) {
    return [=](const TempInstallation&) { mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)); };
}
Standing Aged(std::string path) {  // as left by a save long dead
    return [=](const TempInstallation&) {
        fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
    };
}

// What stands there decides how reading goes, whether the save goes ahead and what stands there
// then: the kind of kelvrin.cfg, the mode, owner, group and bytes of the file it is or names, and
// every name in the folder besides kelvrin.cfg.
struct Stand : Named {
    Saver saver;
    std::vector<Standing> standing;
    bool opens;
    bool saved;
    fs::file_type kind;
    unsigned mode;  // 0: no file to look at
    uid_t owner;
    std::set<std::string> others;
};

// A row of the table; a function, so that its fields lie on a line or two.
Stand StandRow(std::string name, Saver saver, std::vector<Standing> standing, bool opens,
               bool saved, fs::file_type kind, unsigned mode, uid_t owner,
               std::set<std::string> others) {
    return {{std::move(name)}, saver, std::move(standing), opens, saved, kind, mode, owner,
            std::move(others)};
}

class FileSafety : public ::testing::TestWithParam<Stand> {};

TEST_P(FileSafety, WhatStandsAtKelvrinCfgDecidesTheSave) {
    const Stand& row = GetParam();
    if (row.saver >= RootOnly && geteuid() != 0) GTEST_SKIP() << "only root may do this";
    const mode_t previousUmask = umask(022);
    alarm(20);  // a FIFO that blocks ends the run instead of hanging it
    TempInstallation install;
    for (const Standing& standing : row.standing) standing(install);
    EXPECT_EQ(ReadTextFile("kelvrin.cfg", 100).has_value(), row.opens);
    EXPECT_EQ(CanOpenForUpdate("kelvrin.cfg"), row.opens);
    const bool saved = row.saver == AsUser
                           ? RunUnprivileged([&] { return Save(install, row.saver); }) == 1
                           : Save(install, row.saver);
    EXPECT_EQ(saved, row.saved);
    EXPECT_EQ(fs::symlink_status("kelvrin.cfg").type(), row.kind);
    std::set<std::string> names = row.others;
    names.insert("kelvrin.cfg");
    EXPECT_EQ(NamesIn(install), names);
    if (row.mode != 0) {
        const std::string file =
            row.kind == fs::file_type::symlink ? "shared/kelvrin.cfg" : "kelvrin.cfg";
        struct stat info {};
        stat(file.c_str(), &info);
        EXPECT_EQ(install.ReadFile(file), row.saved ? "new\r\n" : "spawnserver");
        EXPECT_EQ(info.st_mode & 07777, row.mode);
        EXPECT_EQ(info.st_uid, row.owner);
        EXPECT_EQ(info.st_gid, row.owner == geteuid() ? getegid() : row.owner);
    }
    alarm(0);
    umask(previousUmask);
}

// Kelvrin's own line, which a save replaces.
const Standing kOld = File("kelvrin.cfg", "spawnserver");
const Standing kShared = File("shared/kelvrin.cfg", "spawnserver");
const std::string kDebris = ".kelvrin.cfg.kelvrin-tmp";
const uid_t kMe = geteuid();
using enum fs::file_type;
const Stand kStands[] = {
    StandRow("new config, debris", Config,
             {File(kDebris, "secret"), Aged(kDebris), File(".kelvrin.cfg.tmp-1-7-0", "other")},
             false, true, regular, 0600, kMe, {".kelvrin.cfg.tmp-1-7-0"}),
    StandRow("new plain file, debris", Plain,
             {File(kDebris, "x"), Aged(kDebris), File(".other.kelvrin-tmp", "y"),
              Aged(".other.kelvrin-tmp")},
             false, true, regular, 0644, kMe, {".other.kelvrin-tmp"}),
    StandRow("old config", Config, {kOld, Mode("kelvrin.cfg", 0640)}, true, true, regular, 0640,
             kMe, {}),
    StandRow("root keeps the owner", RootOnly, {kOld, Nobody("kelvrin.cfg")}, true, true, regular,
             0644, kNobody, {}),
    StandRow("a user cannot keep it", AsUser, {kOld, Mode("kelvrin.cfg", 0666), Mode(".", 0777)},
             true, true, regular, 0666, kNobody, {}),
    StandRow("a user cannot write it", AsUser, {kOld, Mode("kelvrin.cfg", 0444), Mode(".", 0777)},
             true, false, regular, 0444, kMe, {}),
    StandRow("a user cannot read it", AsUser, {kOld, Mode("kelvrin.cfg", 0222), Mode(".", 0777)},
             true, false, regular, 0222, kMe, {}),
    StandRow("a FIFO", Config, {Fifo("kelvrin.cfg")}, false, false, fifo, 0, kMe, {}),
    StandRow("a folder", Config, {Folder("kelvrin.cfg")}, false, false, directory, 0, kMe, {}),
    StandRow("a link to a FIFO", Config, {Fifo("pipe"), Link("kelvrin.cfg", "pipe")}, false, false,
             symlink, 0, kMe, {"pipe"}),
    StandRow("a device", RootOnly, {Device("kelvrin.cfg")}, false, false, character, 0, kMe, {}),
    StandRow("a dangling link", Config, {Link("kelvrin.cfg", "shared/kelvrin.cfg")}, false, false,
             symlink, 0, kMe, {}),
    StandRow("a link to one's own file", Config,
             {kShared, Link("kelvrin.cfg", "shared/kelvrin.cfg")}, true, true, symlink, 0644, kMe,
             {"shared", "shared/kelvrin.cfg"}),
    // The save would follow the user's own link and then one another user planted.
    StandRow("a planted link on the way", RootOnly,
             {kShared, Link("planted", "shared/kelvrin.cfg"), Nobody("planted"),
              Link("kelvrin.cfg", "planted")},
             true, false, symlink, 0644, kMe, {"planted", "shared", "shared/kelvrin.cfg"}),
};
INSTANTIATE_TEST_SUITE_P(Stands, FileSafety, ::testing::ValuesIn(kStands), RowName());
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

TEST(FileSafety, AGameFolderThatIsALinkIsReadThroughIt) {
    TempInstallation install;
    install.WriteFile("elsewhere/deep/dvbase/kelvrin.cfg", "set si_name \"Linked\"\r\n");
    fs::create_directory_symlink("elsewhere/deep/dvbase", install.PathOf("dvbase"));
    ServerSettings settings = install.Settings();
    LoadGameFolderConfig(settings, "dvbase");
    EXPECT_EQ(settings.si_name, "Linked");
}
#endif

}  // namespace
}  // namespace kelvrin::testing
