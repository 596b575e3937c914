#include "app/GameFolder.h"

#include <vector>

#include "app/TextFile.h"
#include "settings/ConfigReader.h"

#ifdef _WIN32
#include <direct.h>
#include <windows.h>

#include "app/WideText.h"

namespace {
// Paths are UTF-8 inside Kelvrin; the wide calls reach folders of any name.
int ChangeDirectoryUtf8(const char* path) { return ::_wchdir(kelvrin::WideFromUtf8(path).c_str()); }
}  // namespace
#define KELVRIN_CHDIR ChangeDirectoryUtf8
#else
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

GameFolderVisit::GameFolderVisit(const ServerSettings& settings, std::string_view name)
    : settings_(settings), entered_(EnterGameFolder(settings, name)) {}

GameFolderVisit::~GameFolderVisit() {
    if (entered_) LeaveGameFolder(settings_);
}

void LoadGameFolderConfig(ServerSettings& settings, std::string_view folder) {
    const GameFolderVisit visit(settings, folder);
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
