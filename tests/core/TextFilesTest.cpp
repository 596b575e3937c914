// Text files on disk: CR LF line ends, and a replace that never loses the previous file.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "app/TextFile.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin {
namespace {

namespace fs = std::filesystem;
using testing::TempInstallation;

TEST(ReadTextFile, TurnsCrLfIntoLfAndCountsCharacters) {
    const struct { std::string bytes; std::size_t limit; std::optional<std::string> text; } rows[] = {
        {"a\r\nb\r\n", 100, "a\nb\n"}, {"a\r\nb\r\n", 2, "a\n"}, {"a\rb", 100, "a\rb"},
        {"\r\n\r\n\r\n", 2, "\n\n"},   {"ab\r", 3, "ab\r"},      {"", 10, ""},
    };
    for (const auto& row : rows) {
        TempInstallation install;
        install.WriteFile("file", row.bytes);
        EXPECT_EQ(ReadTextFile("file", row.limit), row.text) << row.bytes;
    }
    TempInstallation install;
    install.MakeFolder("folder");
    EXPECT_EQ(ReadTextFile("folder", 10), std::nullopt);
    EXPECT_EQ(ReadTextFile("missing", 10), std::nullopt);
}

#ifndef _WIN32  // file modes and a file size limit
// Limits the size of files this process may write, for the length of one case.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    void (*handler_)(int);
    rlimit previous_{};
};

// A replace stores LF as CR LF and keeps the old file's permission bits; one that fails, because a
// folder stands in the file's place or the disk takes only part of the text, leaves the old file
// and no temporary file behind.
TEST(ReplaceTextFile, ReplacesWholeOrNotAtAll) {
    const std::string old = "set si_name \"Saved\"\r\n";
    const struct { bool folderInPlace; rlim_t sizeLimit; bool replaced; } rows[] = {
        {false, RLIM_INFINITY, true}, {true, RLIM_INFINITY, false}, {false, 16, false}};
    for (const auto& row : rows) {
        TempInstallation install;
        if (row.folderInPlace) install.MakeFolder("kelvrin.cfg");
        else install.WriteFile("kelvrin.cfg", old);
        if (!row.folderInPlace) fs::permissions(install.PathOf("kelvrin.cfg"), fs::perms(0754));
        bool replaced = false;
        {
            const FileSizeLimit limit(row.sizeLimit);
            replaced = ReplaceTextFile("kelvrin.cfg", "line one\n" + std::string(40, 'x') + "\n");
        }
        EXPECT_EQ(replaced, row.replaced);
        EXPECT_EQ(fs::is_directory(install.PathOf("kelvrin.cfg")), row.folderInPlace);
        if (!row.folderInPlace) {
            EXPECT_EQ(install.ReadFile("kelvrin.cfg"), row.replaced ? "line one\r\n" + std::string(40, 'x') + "\r\n" : old);
            EXPECT_EQ(fs::status(install.PathOf("kelvrin.cfg")).permissions(), fs::perms(0754));
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(install.Root()), fs::directory_iterator()), 1);
    }
}
#endif

}  // namespace
}  // namespace kelvrin
