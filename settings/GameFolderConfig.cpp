#include "settings/GameFolderConfig.h"

#include <optional>
#include <string>

#include "files/Directories.h"
#include "files/TextFile.h"
#include "settings/ConfigReader.h"

namespace kelvrin {

void LoadGameFolderConfig(ServerSettings& settings, std::string_view folder) {
    const GameFolderVisit visit(settings.startDirectory, folder);
    if (!visit.Entered()) return;

    const std::optional<std::string> config =
        ReadTextFile(std::string(kConfigFileName), kConfigReadLimit);
    if (config && !config->empty()) ReadServerConfig(settings, *config);

    // Without a script the game would have no cycle to run, whatever the config says.
    if (CanOpenForUpdate(std::string(kMapCycleFileName))) {
        settings.mapCycleScriptPresent = true;
    } else {
        settings.si_mapCycle = 0;
    }
}

ConfigWriteResult WriteServerConfigFile(const ServerSettings& settings, std::string_view text) {
    const GameFolderVisit visit(settings.startDirectory, settings.gameFolder);
    if (!visit.Entered()) return ConfigWriteResult::FolderNotEntered;
    // It holds the passwords: a new file is for its owner's eyes only.
    return ReplaceTextFile(std::string(kConfigFileName), text, NewFile::OwnerOnly)
               ? ConfigWriteResult::Written
               : ConfigWriteResult::FileNotOpened;
}

}  // namespace kelvrin
