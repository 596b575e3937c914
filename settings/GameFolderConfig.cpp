#include "settings/GameFolderConfig.h"

#include <optional>
#include <string>

#include "files/Directories.h"
#include "files/TextFile.h"
#include "settings/ConfigReader.h"
#include "settings/ConfigWriter.h"
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
std::string StandingConfig(const GameFolder& gameFolder) {
    return ReadTextFile(JoinPath(gameFolder.path, kConfigFileName), std::string::npos).value_or("");
}

}  // namespace

std::vector<std::string> KeptConfigLines(const ServerSettings& settings) {
    const GameFolder gameFolder = ReachGameFolder(settings.startDirectory, settings.gameFolder);
    if (!gameFolder) return {};
    // As a save of these settings keeps them; composing may change a copy of the store.
    ServerSettings saved = settings;
    return KeptLines(StandingConfig(gameFolder), ComposeServerConfig(saved).value_or(""));
}

ConfigWrite WriteServerConfigFile(const ServerSettings& settings, std::string_view composed,
                                  FileSink& files) {
    const GameFolder gameFolder = ReachGameFolder(settings.startDirectory, settings.gameFolder);
    if (!gameFolder) return {ConfigWriteResult::FolderNotEntered, gameFolder.reason};
    const std::string text =
        WithKeptLines(composed, KeptLines(StandingConfig(gameFolder), composed));
    // It holds the passwords: a new file is for its owner's eyes only.
    const FileResult written =
        files.Replace(JoinPath(gameFolder.path, kConfigFileName), text, NewFile::OwnerOnly);
    if (!written) return {ConfigWriteResult::FileNotOpened, written.reason};
    return {};
}

}  // namespace kelvrin
