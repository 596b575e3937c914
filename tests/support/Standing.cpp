#include "tests/support/Standing.h"

#include <cctype>

namespace kelvrin::testing {

Standing File(std::string path, std::string bytes) {
    return [=](const TempInstallation& install) { install.WriteFile(path, bytes); };
}

Standing Folder(std::string path) {
    return [=](const TempInstallation& install) { install.MakeFolder(path); };
}

Standing Removed(std::string path) {
    return
        [=](const TempInstallation& install) { std::filesystem::remove_all(install.PathOf(path)); };
}

std::optional<std::string> BytesOf(const TempInstallation& install, const std::string& path) {
    if (!std::filesystem::is_regular_file(install.PathOf(path))) return std::nullopt;
    return install.ReadFile(path);
}

std::string TestName(std::string name) {
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

}  // namespace kelvrin::testing
