#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvrin {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Longest folder name EnterGameFolder accepts, in bytes, a map-folder suffix included.
inline constexpr std::size_t kMaxFolderNameLength = 31;

// The process's current working directory; empty when it cannot be told.
std::string CurrentDirectory();

bool IsDirectory(const std::string& path);

// Makes the directory current, as if the program had been started there. Only the start-up
// calls it, before the start directory is taken.
bool MakeCurrentDirectory(const std::string& path);

std::string JoinPath(std::string_view directory, std::string_view name);

// Makes startDirectory + separator + name the current directory: the only place that changes
// the current directory. Refuses an empty name and one longer than kMaxFolderNameLength.
bool EnterGameFolder(std::string_view startDirectory, std::string_view name);

// Goes back from a folder entered with EnterGameFolder to the start directory. Not by "..":
// from a folder that is a symbolic link, that would lead elsewhere.
void LeaveGameFolder(const std::string& startDirectory);

// Enters a game folder for the length of one operation and always returns to the start
// directory.
class GameFolderVisit {
public:
    GameFolderVisit(const std::string& startDirectory, std::string_view name);
    ~GameFolderVisit();
    GameFolderVisit(const GameFolderVisit&) = delete;
    GameFolderVisit& operator=(const GameFolderVisit&) = delete;

    bool Entered() const { return entered_; }

private:
    const std::string& startDirectory_;
    bool entered_;
};

}  // namespace kelvrin
