#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/OperatorMessages.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Longest folder name EnterGameFolder accepts, in bytes, a map-folder suffix included.
inline constexpr std::size_t kMaxFolderNameLength = 31;
inline constexpr std::string_view kDefaultGameFolder = "dvbase";
inline constexpr std::string_view kMapCycleFileName = "kelvrin.scriptcfg";
inline constexpr std::size_t kConfigReadLimit = 5000;

// The process's current working directory; empty when it cannot be told.
std::string CurrentDirectory();

std::string JoinPath(std::string_view directory, std::string_view name);

// Makes startDirectory + separator + name the current directory: the only place that changes
// the current directory. Refuses an empty name and one longer than kMaxFolderNameLength.
bool EnterGameFolder(const ServerSettings& settings, std::string_view name);

// Goes back from a folder entered with EnterGameFolder to the start directory. Not by "..":
// from a folder that is a symbolic link, that would lead elsewhere.
void LeaveGameFolder(const ServerSettings& settings);

// Enters a game folder for the length of one operation and always returns to the start
// directory.
class GameFolderVisit {
public:
    GameFolderVisit(const ServerSettings& settings, std::string_view name);
    ~GameFolderVisit();
    GameFolderVisit(const GameFolderVisit&) = delete;
    GameFolderVisit& operator=(const GameFolderVisit&) = delete;

    bool Entered() const { return entered_; }

private:
    const ServerSettings& settings_;
    bool entered_;
};

// Reads the folder's kelvrin.cfg into the store and notes whether its map-cycle script exists;
// without a script the map cycle is switched off. A folder that cannot be entered is passed over.
void LoadGameFolderConfig(ServerSettings& settings, std::string_view folder);

void ReportFolderNotOpened(OperatorMessages& messages, std::string_view folder);

}  // namespace kelvrin
