#include "tests/support/TempInstallation.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace kelvrin::testing {

namespace fs = std::filesystem;

namespace {

// Kelvrin keeps paths in UTF-8 on every system.
std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path FromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

fs::path MakeUniqueFolder() {
    std::mt19937_64 random(std::random_device{}());
    fs::path folder;
    do {
        folder = fs::temp_directory_path() / ("kelvrin-test-" + std::to_string(random()));
    } while (!fs::create_directory(folder));
    return folder;
}

}  // namespace

TempInstallation::TempInstallation() : previous_(fs::current_path()) {
    fs::current_path(MakeUniqueFolder());
    root_ = Utf8(fs::current_path());
}

TempInstallation::~TempInstallation() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    // Tests may leave read-only folders behind; open them up so the tree can go.
    const fs::path root = FromUtf8(root_);
    for (auto it = fs::recursive_directory_iterator(root, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(root, ignored);
}

fs::path TempInstallation::PathOf(std::string_view relative) const {
    return (FromUtf8(root_) / FromUtf8(relative)).make_preferred();
}

void TempInstallation::MakeFolder(std::string_view relative) const {
    fs::create_directories(PathOf(relative));
}

void TempInstallation::WriteFile(std::string_view relative, std::string_view bytes) const {
    const fs::path path = PathOf(relative);
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string TempInstallation::ReadFile(std::string_view relative) const {
    return ReadBytes(PathOf(relative));
}

bool TempInstallation::Exists(std::string_view relative) const {
    return fs::exists(PathOf(relative));
}

std::string TestData(const std::string& name) { return ReadBytes(KELVRIN_TEST_DATA "/" + name); }

std::string CurrentDirectoryNow() { return Utf8(fs::current_path()); }

}  // namespace kelvrin::testing
