#include "settings/GameFolderConfig.h"

#include <optional>
#include <string>

#include "files/Directories.h"
#include "files/TextFile.h"
#include "settings/ConfigReader.h"
#include "settings/KeptLines.h"

namespace kelvrin {

void LoadGameFolderConfig(ServerSettings& settings, std::string_view folder) {
    const GameFolder gameFolder = ReachGameFolder(settings.startDirectory, folder);
    if (!gameFolder) return;

    const std::optional<std::string> config =
        ReadTextFile(JoinPath(gameFolder.path, kConfigFileName), kConfigReadLimit);
    if (config && !config->empty()) ReadServerConfig(settings, *config);

    // Without a script the game would have no cycle to run, whatever the config says.
    if (CanOpenForUpdate(JoinPath(gameFolder.path, kMapCycleFileName))) {
        settings.mapCycleScriptPresent = true;
    } else {
        settings.si_mapCycle = 0;
    }
}

namespace {

// The whole file, however long: lines to keep may stand beyond the part the settings are read from.
std::string StandingConfig(const ServerSettings& settings) {
    const std::string path =
        JoinPath(JoinPath(settings.startDirectory, settings.gameFolder), kConfigFileName);
    return ReadTextFile(path, std::string::npos).value_or("");
}

}  // namespace

std::string ConfigFileText(const ServerSettings& settings, std::string_view composed) {
    return WithKeptLines(composed, KeptLines(StandingConfig(settings), composed));
}

std::vector<std::string> KeptConfigLines(const ServerSettings& settings) {
    return KeptLines(StandingConfig(settings), {});
}

ConfigWrite WriteServerConfigFile(const ServerSettings& settings, std::string_view composed,
                                  FileSink& files) {
    const GameFolder gameFolder = ReachGameFolder(settings.startDirectory, settings.gameFolder);
    if (!gameFolder) return {ConfigWriteResult::FolderNotEntered, gameFolder.reason};
    // It holds the passwords: a new file is for its owner's eyes only.
    const FileResult written =
        files.Replace(JoinPath(gameFolder.path, kConfigFileName),
                      ConfigFileText(settings, composed), NewFile::OwnerOnly);
    if (!written) return {ConfigWriteResult::FileNotOpened, written.reason};
    return {};
}

}  // namespace kelvrin
