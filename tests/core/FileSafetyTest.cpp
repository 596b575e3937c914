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
#include "tests/support/Steps.h"
#include "tests/support/TempInstallation.h"
#include "tests/support/Unprivileged.h"

namespace kelvrin::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

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

// What stands in the start directory, made by steps: "file:PATH=BYTES", "folder:PATH",
// "mode:PATH=OCTAL", "nobody:PATH" (owner and group 65534, of a link itself), "fifo:PATH",
// "link:PATH=TARGET", "device:PATH" (made here: a save that wrongly went ahead must not replace a
// device of the system).
class Standing : public Scripted {
public:
    explicit Standing(const TempInstallation& install) : install_(install) {}

    bool Act(const Step& step) override {
        const std::set<std::string> verbs{"file", "folder", "mode",   "nobody",
                                          "fifo", "link",   "device", "old"};
        if (!verbs.contains(step.verb)) return false;
        const char* path = step.target.c_str();
        if (step.verb == "file") install_.WriteFile(step.target, step.value);
        if (step.verb == "folder") install_.MakeFolder(step.target);
        if (step.verb == "mode")
            chmod(path, static_cast<mode_t>(std::stoul(step.value, nullptr, 8)));
        if (step.verb == "nobody" && lchown(path, kNobody, kNobody) != 0) return false;
        if (step.verb == "fifo") mkfifo(path, 0666);
        if (step.verb == "link") fs::create_symlink(step.value, path);
        if (step.verb == "device") mknod(path, S_IFCHR | 0666, makedev(1, 3));
        if (step.verb == "old") fs::last_write_time(path, fs::last_write_time(path) - 1h);
        return true;
    }
    std::optional<std::string> Seen(const Step&) override { return std::nullopt; }

private:
    const TempInstallation& install_;
};

// What stands there decides how reading goes, whether the save goes ahead and what stands there
// then: the kind of kelvrin.cfg, the mode, owner, group and bytes of the file it is or names, and
// every name in the folder besides kelvrin.cfg. Process 1 always runs; no process has the other
// id of the debris.
TEST(FileSafety, WhatStandsAtKelvrinCfgDecidesTheSave) {
    // Kelvrin's own line, which a save replaces.
    const std::string old = "file:kelvrin.cfg=spawnserver|";
    const std::string shared = "file:shared/kelvrin.cfg=spawnserver|";
    const uid_t me = geteuid();
    struct Row {
        const char* what;
        Saver saver;
        std::string standing;
        bool opens;
        bool saved;
        fs::file_type kind;
        unsigned mode;  // 0: no file to look at
        uid_t owner;
        const char* others;
    };
    using enum fs::file_type;
    const Row rows[] = {
        {"new config, debris", Config,
         "file:.kelvrin.cfg.kelvrin-tmp=secret|old:.kelvrin.cfg.kelvrin-tmp|"
         "file:.kelvrin.cfg.tmp-1-7-0=other",
         false, true, regular, 0600, me, ".kelvrin.cfg.tmp-1-7-0"},
        {"new plain file, debris", Plain,
         "file:.kelvrin.cfg.kelvrin-tmp=x|old:.kelvrin.cfg.kelvrin-tmp|file:.other.kelvrin-tmp=y|"
         "old:.other.kelvrin-tmp",
         false, true, regular, 0644, me, ".other.kelvrin-tmp"},
        {"old config", Config, old + "mode:kelvrin.cfg=640", true, true, regular, 0640, me, ""},
        {"root keeps the owner", RootOnly, old + "nobody:kelvrin.cfg", true, true, regular, 0644,
         kNobody, ""},
        {"a user cannot keep it", AsUser, old + "mode:kelvrin.cfg=666|mode:.=777", true, true,
         regular, 0666, kNobody, ""},
        {"a user cannot write it", AsUser, old + "mode:kelvrin.cfg=444|mode:.=777", true, false,
         regular, 0444, me, ""},
        {"a user cannot read it", AsUser, old + "mode:kelvrin.cfg=222|mode:.=777", true, false,
         regular, 0222, me, ""},
        {"a FIFO", Config, "fifo:kelvrin.cfg", false, false, fifo, 0, me, ""},
        {"a folder", Config, "folder:kelvrin.cfg", false, false, directory, 0, me, ""},
        {"a link to a FIFO", Config, "fifo:pipe|link:kelvrin.cfg=pipe", false, false, symlink, 0,
         me, "pipe"},
        {"a device", RootOnly, "device:kelvrin.cfg", false, false, character, 0, me, ""},
        {"a dangling link", Config, "link:kelvrin.cfg=shared/kelvrin.cfg", false, false, symlink, 0,
         me, ""},
        {"a link to one's own file", Config, shared + "link:kelvrin.cfg=shared/kelvrin.cfg", true,
         true, symlink, 0644, me, "shared shared/kelvrin.cfg"},
        // The save would follow the user's own link and then one another user planted.
        {"a planted link on the way", RootOnly,
         shared + "link:planted=shared/kelvrin.cfg|nobody:planted|link:kelvrin.cfg=planted", true,
         false, symlink, 0644, me, "planted shared shared/kelvrin.cfg"},
    };
    const mode_t previousUmask = umask(022);
    alarm(20);  // a FIFO that blocks ends the run instead of hanging it
    for (const Row& row : rows) {
        if (row.saver >= RootOnly && me != 0) continue;
        SCOPED_TRACE(row.what);
        TempInstallation install;
        Standing(install).Run(row.standing);
        EXPECT_EQ(ReadTextFile("kelvrin.cfg", 100).has_value(), row.opens);
        EXPECT_EQ(CanOpenForUpdate("kelvrin.cfg"), row.opens);
        const bool saved = row.saver == AsUser
                               ? RunUnprivileged([&] { return Save(install, row.saver); }) == 1
                               : Save(install, row.saver);
        EXPECT_EQ(saved, row.saved);
        EXPECT_EQ(fs::symlink_status("kelvrin.cfg").type(), row.kind);
        std::set<std::string> names{"kelvrin.cfg"};
        for (const std::string& name : Split(row.others, ' ')) names.insert(name);
        EXPECT_EQ(NamesIn(install), names);
        if (row.mode == 0) continue;
        const std::string file = row.kind == symlink ? "shared/kelvrin.cfg" : "kelvrin.cfg";
        struct stat info {};
        stat(file.c_str(), &info);
        EXPECT_EQ(install.ReadFile(file), row.saved ? "new\r\n" : "spawnserver");
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
