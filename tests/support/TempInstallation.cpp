#include "tests/support/TempInstallation.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>
#include <unistd.h>

namespace kelvrin::testing {

namespace fs = std::filesystem;

TempInstallation::TempInstallation() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "kelvrin-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    fs::current_path(pattern);
    root_ = fs::current_path().string();
}

TempInstallation::~TempInstallation() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    // Tests may leave read-only folders behind; open them up so the tree can go.
    for (auto it = fs::recursive_directory_iterator(root_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(root_, ignored);
}

fs::path TempInstallation::PathOf(std::string_view relative) const {
    return fs::path(root_) / fs::path(relative);
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
    std::ifstream in(PathOf(relative), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempInstallation::Exists(std::string_view relative) const {
    return fs::exists(PathOf(relative));
}

std::string CurrentDirectoryNow() { return fs::current_path().string(); }

}  // namespace kelvrin::testing
