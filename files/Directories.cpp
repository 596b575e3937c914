#include "files/Directories.h"

#include <vector>

#include "files/FileResult.h"

#ifdef _WIN32
#include <sys/stat.h>
#include <windows.h>

#include "files/WideText.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace kelvrin {

std::error_code LastSystemError() {
#ifdef _WIN32
    return {static_cast<int>(::GetLastError()), std::system_category()};
#else
    return {errno, std::generic_category()};
#endif
}

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

std::string AbsolutePath(const std::string& path) { return Utf8FromWide(FullPath(path)); }
#else
std::string CurrentDirectory() {
    std::vector<char> buffer(256);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    return JoinPath(CurrentDirectory(), path);
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

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    path += kPathSeparator;
    path += name;
    return path;
}

GameFolder ReachGameFolder(std::string_view startDirectory, std::string_view name) {
    GameFolder folder{JoinPath(startDirectory, name), {}};
    // An empty name would make the start directory itself the game folder.
    if (name.empty()) {
        folder.reason = std::make_error_code(std::errc::invalid_argument);
    } else if (name.size() > kMaxFolderNameLength) {
        folder.reason = std::make_error_code(std::errc::filename_too_long);
    } else {
#ifdef _WIN32
        const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(folder.path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            folder.reason = LastSystemError();
        } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            folder.reason = std::make_error_code(std::errc::not_a_directory);
        }
#else
        // What entering it would need: a folder that may be searched.
        struct stat status {};
        if (::stat(folder.path.c_str(), &status) != 0) {
            folder.reason = LastSystemError();
        } else if (!S_ISDIR(status.st_mode)) {
            folder.reason = std::make_error_code(std::errc::not_a_directory);
        } else if (::faccessat(AT_FDCWD, folder.path.c_str(), X_OK, AT_EACCESS) != 0) {
            folder.reason = LastSystemError();
        }
#endif
    }
    return folder;
}

}  // namespace kelvrin
