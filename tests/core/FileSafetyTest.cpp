#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/GameFolder.h"
#include "app/TextFile.h"
#include "settings/ConfigWriter.h"
#include "tests/support/TempInstallation.h"
#include "tests/support/Unprivileged.h"

namespace kelvrin {
namespace {

using testing::CurrentDirectoryNow;
using testing::RunUnprivileged;
using testing::TempInstallation;
namespace fs = std::filesystem;

constexpr int kSelf = -1;  // the owner the test itself runs as
constexpr uid_t kNobody = 65534;

// Every name in the tree, so that a stray temporary file shows.
std::set<std::string> NamesIn(const TempInstallation& install) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(install.Root())) {
        names.insert(entry.path().lexically_relative(install.Root()).string());
    }
    return names;
}

// The id of a process that has ended, as that of a Kelvrin that died while saving.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// Saves "new" as kelvrin.cfg through the config writer, or as a file of another kind.
bool Save(const TempInstallation& install, bool config) {
    ServerSettings settings;
    settings.startDirectory = install.Root();
    settings.gameFolder = ".";
    return config ? WriteServerConfigFile(settings, "new\n") == ConfigWriteResult::Written
                  : ReplaceTextFile("kelvrin.cfg", "new\n");
}

TEST(FileSafety, WhatStandsAtKelvrinCfgDecidesTheSave) {
    using Install = const TempInstallation&;
    const std::string stale = ".kelvrin.cfg.tmp-" + std::to_string(EndedProcess()) + "-0-0";
    const std::string live = ".kelvrin.cfg.tmp-" + std::to_string(getpid()) + "-7-0";
    struct Row {
        const char* what;
        std::function<void(Install)> setUp;
        bool needsRoot, config, asOrdinaryUser;
        std::optional<std::string> read;  // what reading kelvrin.cfg gives before the save
        bool saved;
        fs::file_type kind;  // of kelvrin.cfg afterwards
        std::string file, bytes;  // the file checked afterwards (bytes, mode, owner and group)
        unsigned mode;
        int owner;
        std::set<std::string> names;
    };
    const auto old = [](Install in) { in.WriteFile("shared/kelvrin.cfg", "old"); };
    const auto link = [](const char* to) { return [to](Install) { fs::create_symlink(to, "kelvrin.cfg"); }; };
    const Row rows[] = {
        {"a new config is private and crash debris goes", [&](Install in) {
             in.WriteFile(stale, "secret"); in.WriteFile(live, "in use"); },
         false, true, false, std::nullopt, true, fs::file_type::regular, "kelvrin.cfg",
         "new\r\n", 0600, kSelf, {live, "kelvrin.cfg"}},
        {"a new file of another kind follows the umask", [](Install) {}, false, false, false,
         std::nullopt, true, fs::file_type::regular, "kelvrin.cfg", "new\r\n", 0644, kSelf,
         {"kelvrin.cfg"}},
        {"an old config keeps its mode", [](Install in) {
             in.WriteFile("kelvrin.cfg", "old"); chmod("kelvrin.cfg", 0640); },
         false, true, false, "old", true, fs::file_type::regular, "kelvrin.cfg", "new\r\n",
         0640, kSelf, {"kelvrin.cfg"}},
        {"root keeps the owner", [](Install in) {
             in.WriteFile("kelvrin.cfg", "old"); EXPECT_EQ(chown("kelvrin.cfg", kNobody, kNobody), 0); },
         true, true, false, "old", true, fs::file_type::regular, "kelvrin.cfg", "new\r\n",
         0644, kNobody, {"kelvrin.cfg"}},
        {"a user who cannot keep the owner still saves", [](Install in) {
             in.WriteFile("kelvrin.cfg", "old"); chmod("kelvrin.cfg", 0666); chmod(".", 0777); },
         true, true, true, "old", true, fs::file_type::regular, "kelvrin.cfg", "new\r\n", 0666,
         kNobody, {"kelvrin.cfg"}},
        {"a FIFO", [](Install) { mkfifo("kelvrin.cfg", 0666); }, false, true, false,
         std::nullopt, false, fs::file_type::fifo, "", "", 0, kSelf, {"kelvrin.cfg"}},
        {"a link to a FIFO", [](Install) { mkfifo("pipe", 0666); fs::create_symlink("pipe", "kelvrin.cfg"); },
         false, true, false, std::nullopt, false, fs::file_type::symlink, "", "", 0, kSelf,
         {"kelvrin.cfg", "pipe"}},
        {"a link to a device", link("/dev/null"), false, true, false, std::nullopt, false,
         fs::file_type::symlink, "", "", 0, kSelf, {"kelvrin.cfg"}},
        {"a dangling link", link("missing"), false, true, false, std::nullopt, false,
         fs::file_type::symlink, "", "", 0, kSelf, {"kelvrin.cfg"}},
        {"a link to the user's own file", [&](Install in) {
             old(in); link("shared/kelvrin.cfg")(in); },
         false, true, false, "old", true, fs::file_type::symlink, "shared/kelvrin.cfg",
         "new\r\n", 0644, kSelf, {"kelvrin.cfg", "shared", "shared/kelvrin.cfg"}},
        {"a link planted by another user", [&](Install in) {
             old(in); link("shared/kelvrin.cfg")(in); EXPECT_EQ(lchown("kelvrin.cfg", kNobody, kNobody), 0); },
         true, true, false, "old", false, fs::file_type::symlink, "shared/kelvrin.cfg", "old",
         0644, kSelf, {"kelvrin.cfg", "shared", "shared/kelvrin.cfg"}},
    };
    const mode_t previousUmask = umask(022);
    alarm(20);  // a FIFO that blocks ends the run instead of hanging it
    for (const Row& row : rows) {
        if (row.needsRoot && geteuid() != 0) continue;
        TempInstallation install;
        row.setUp(install);
        EXPECT_EQ(ReadTextFile("kelvrin.cfg", 100), row.read) << row.what;
        EXPECT_EQ(CanOpenForUpdate("kelvrin.cfg"), row.read.has_value()) << row.what;
        const bool saved = row.asOrdinaryUser
                               ? RunUnprivileged([&] { return Save(install, row.config); }) == 1
                               : Save(install, row.config);
        EXPECT_EQ(saved, row.saved) << row.what;
        EXPECT_EQ(fs::symlink_status("kelvrin.cfg").type(), row.kind) << row.what;
        EXPECT_EQ(NamesIn(install), row.names) << row.what;
        if (row.file.empty()) continue;
        struct stat info {};
        ASSERT_EQ(stat(row.file.c_str(), &info), 0) << row.what;
        EXPECT_EQ(install.ReadFile(row.file), row.bytes) << row.what;
        EXPECT_EQ(info.st_mode & 07777, row.mode) << row.what;
        const uid_t owner = row.owner == kSelf ? geteuid() : static_cast<uid_t>(row.owner);
        EXPECT_EQ(info.st_uid, owner) << row.what;
        EXPECT_EQ(info.st_gid, row.owner == kSelf ? getegid() : owner) << row.what;
    }
    alarm(0);
    umask(previousUmask);
}

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
    ServerSettings settings;
    settings.startDirectory = install.Root();
    LoadGameFolderConfig(settings, "dvbase");
    EXPECT_EQ(settings.si_name, "Linked");
    EXPECT_EQ(CurrentDirectoryNow(), install.Root());
}

}  // namespace
}  // namespace kelvrin
