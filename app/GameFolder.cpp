#include "app/GameFolder.h"

#include <vector>

#include "app/TextFile.h"
#include "settings/ConfigReader.h"

#ifdef _WIN32
#include <direct.h>
#define KELVRIN_CHDIR ::_chdir
#define KELVRIN_GETCWD ::_getcwd
#else
#include <cerrno>
#include <unistd.h>
#define KELVRIN_CHDIR ::chdir
#define KELVRIN_GETCWD ::getcwd
#endif

namespace kelvrin {

std::string CurrentDirectory() {
    // No fixed limit: a deep installation folder is taken whole.
    std::vector<char> buffer(256);
    while (KELVRIN_GETCWD(buffer.data(), static_cast<int>(buffer.size())) == nullptr) {
#ifndef _WIN32
        if (errno != ERANGE) return {};
#endif
        if (buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    path += kPathSeparator;
    path += name;
    return path;
}

bool EnterGameFolder(const ServerSettings& settings, std::string_view name) {
    // An empty name would make the start directory itself the game folder.
    if (name.empty() || name.size() > kMaxFolderNameLength) return false;
    return KELVRIN_CHDIR(JoinPath(settings.startDirectory, name).c_str()) == 0;
}

void LeaveGameFolder(const ServerSettings& settings) {
    // Nothing sensible is left to do when the start directory cannot be entered.
    [[maybe_unused]] const int ignored = KELVRIN_CHDIR(settings.startDirectory.c_str());
}

GameFolderVisit::GameFolderVisit(const ServerSettings& settings, std::string name)
    : settings_(settings), entered_(EnterGameFolder(settings, name)) {}

GameFolderVisit::~GameFolderVisit() {
    if (entered_) LeaveGameFolder(settings_);
}

void LoadGameFolderConfig(ServerSettings& settings, std::string_view folder) {
    const GameFolderVisit visit(settings, std::string(folder));
    if (!visit.Entered()) return;

    const std::optional<std::string> config = ReadTextFile("kelvrin.cfg", kConfigReadLimit);
    if (config && !config->empty()) ReadServerConfig(settings, *config);

    // Without a script the game would have no cycle to run, whatever the config says.
    if (CanOpenForUpdate(std::string(kMapCycleFileName))) {
        settings.mapCycleScriptPresent = true;
    } else {
        settings.si_mapCycle = 0;
    }
}

void ReportFolderNotOpened(OperatorMessages& messages, std::string_view folder) {
    messages.Show("can't open subdirectory \"" + std::string(folder) + "\" !");
}

}  // namespace kelvrin
