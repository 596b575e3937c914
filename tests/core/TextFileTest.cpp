#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include "app/TextFile.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

using testing::TempInstallation;
namespace fs = std::filesystem;

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReadTextFile, TurnsCrLfIntoLfAndCountsCharacters) {
    struct Case {
        std::string bytes;
        std::size_t limit;
        std::string expected;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", 100, "a\nb\n"},
        {"a\r\nb\r\n", 2, "a\n"},
        {"a\rb", 100, "a\rb"},  // a lone CR stays
        {"\r\n\r\n\r\n", 2, "\n\n"},
        {"ab\r", 3, "ab\r"},
        {"", 10, ""},
    };
    for (const Case& c : cases) {
        TempInstallation install;
        install.WriteFile("file", c.bytes);
        EXPECT_EQ(ReadTextFile("file", c.limit), c.expected);
    }
}

TEST(ReadTextFile, AbsentOrFolderCountsAsNotOpened) {
    TempInstallation install;
    install.MakeFolder("folder");
    EXPECT_EQ(ReadTextFile("missing", 10), std::nullopt);
    EXPECT_EQ(ReadTextFile("folder", 10), std::nullopt);
    EXPECT_FALSE(CanOpenForUpdate("missing"));
    EXPECT_FALSE(CanOpenForUpdate("folder"));
    install.WriteFile("present", "");
    EXPECT_TRUE(CanOpenForUpdate("present"));
}

#ifndef _WIN32  // file modes
TEST(ReplaceTextFile, StoresCrLfAndKeepsPermissionBits) {
    TempInstallation install;
    install.WriteFile("script.bat", "old");
    fs::permissions(install.PathOf("script.bat"), fs::perms(0754));

    ASSERT_TRUE(ReplaceTextFile("script.bat", "line one\nline two\n"));
    EXPECT_EQ(install.ReadFile("script.bat"), "line one\r\nline two\r\n");
    EXPECT_EQ(fs::status(install.PathOf("script.bat")).permissions(), fs::perms(0754));
    EXPECT_EQ(EntriesIn(install.Root()), 1u);  // no temporary file left behind
}
#endif

TEST(ReplaceTextFile, RefusesAFolderInTheTargetsPlace) {
    TempInstallation install;
    install.MakeFolder("kelvrin.cfg");
    EXPECT_FALSE(ReplaceTextFile("kelvrin.cfg", "text\n"));
    EXPECT_TRUE(fs::is_directory(install.PathOf("kelvrin.cfg")));
    EXPECT_EQ(EntriesIn(install.Root()), 1u);
}

#ifndef _WIN32  // file modes and a file size limit
TEST(ReplaceTextFile, FailsWhereTheFolderCannotTakeNewFiles) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    TempInstallation install;
    install.WriteFile("locked/kelvrin.cfg", "old\r\n");
    fs::permissions(install.PathOf("locked"), fs::perms(0555));
    EXPECT_FALSE(ReplaceTextFile("locked/kelvrin.cfg", "new\n"));
    EXPECT_EQ(install.ReadFile("locked/kelvrin.cfg"), "old\r\n");
}

// Limits the size of files this process may write, for the length of one test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST(ReplaceTextFile, AWriteThatFailsPartWayKeepsTheOldFile) {
    TempInstallation install;
    const std::string old = "set si_name \"Saved\"\r\nspawnserver\r\n";
    install.WriteFile("kelvrin.cfg", old);
    bool replaced = true;
    {
        const FileSizeLimit limit(16);
        replaced = ReplaceTextFile("kelvrin.cfg", std::string(400, 'x') + "\n");
    }
    EXPECT_FALSE(replaced);
    EXPECT_EQ(install.ReadFile("kelvrin.cfg"), old);
    EXPECT_EQ(EntriesIn(install.Root()), 1u);
}
#endif

}  // namespace
}  // namespace kelvrin
