#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace kelvrin {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Longest game folder name in bytes, a map-folder suffix included.
inline constexpr std::size_t kMaxFolderNameLength = 31;

// No operation changes the process's current directory: every path is built from the start
// directory, so that nothing depends on another operation having gone back where it came from.

// The process's current working directory; empty when it cannot be told.
std::string CurrentDirectory();

// A path given relative to the current directory as a path from the root; others unchanged.
std::string AbsolutePath(const std::string& path);

bool IsDirectory(const std::string& path);

std::string JoinPath(std::string_view directory, std::string_view name);

// A game folder of the start directory (or its map folder, "<folder>/mp"): its path when the name
// is 1 to kMaxFolderNameLength bytes long and names a folder that may be entered, else why not.
struct GameFolder {
    std::string path;
    std::error_code reason;

    explicit operator bool() const { return !reason; }
};
GameFolder ReachGameFolder(std::string_view startDirectory, std::string_view name);

}  // namespace kelvrin
