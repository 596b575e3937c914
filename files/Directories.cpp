#include "files/Directories.h"

#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <sys/stat.h>
#include <windows.h>

#include "files/WideText.h"

namespace {
// Paths are UTF-8 inside Kelvrin; the wide calls reach folders of any name.
int ChangeDirectoryUtf8(const char* path) { return ::_wchdir(kelvrin::WideFromUtf8(path).c_str()); }
}  // namespace
#define KELVRIN_CHDIR ChangeDirectoryUtf8
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#define KELVRIN_CHDIR ::chdir
#endif

namespace kelvrin {

// No fixed limit: a deep installation folder is taken whole.
#ifdef _WIN32
std::string CurrentDirectory() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        // Gives the length written, or the size needed when the buffer is too small.
        const DWORD length =
            ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return {};
        if (length < buffer.size()) return Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(length);
    }
}
#else
std::string CurrentDirectory() {
    std::vector<char> buffer(256);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}
#endif

bool IsDirectory(const std::string& path) {
#ifdef _WIN32
    struct _stat64 status {};
    return ::_wstat64(WideFromUtf8(path).c_str(), &status) == 0 && (status.st_mode & _S_IFDIR) != 0;
#else
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

bool MakeCurrentDirectory(const std::string& path) { return KELVRIN_CHDIR(path.c_str()) == 0; }

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    path += kPathSeparator;
    path += name;
    return path;
}

bool EnterGameFolder(std::string_view startDirectory, std::string_view name) {
    // An empty name would make the start directory itself the game folder.
    if (name.empty() || name.size() > kMaxFolderNameLength) return false;
    return KELVRIN_CHDIR(JoinPath(startDirectory, name).c_str()) == 0;
}

void LeaveGameFolder(const std::string& startDirectory) {
    // Nothing sensible is left to do when the start directory cannot be entered.
    [[maybe_unused]] const int ignored = KELVRIN_CHDIR(startDirectory.c_str());
}

GameFolderVisit::GameFolderVisit(const std::string& startDirectory, std::string_view name)
    : startDirectory_(startDirectory), entered_(EnterGameFolder(startDirectory, name)) {}

GameFolderVisit::~GameFolderVisit() {
    if (entered_) LeaveGameFolder(startDirectory_);
}

}  // namespace kelvrin
