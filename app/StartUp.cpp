#include "app/StartUp.h"

#include "app/GameFolderList.h"
#include "files/Directories.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

std::vector<std::string> StartUp(ServerSettings& settings) {
    if (settings.startDirectory.empty()) settings.startDirectory = CurrentDirectory();
    std::vector<std::string> folders = ListGameFolders(settings.startDirectory);
    settings.gameFolder = ListedDefaultGameFolder(folders);
    LoadGameFolderConfig(settings, settings.gameFolder);
    return folders;
}

}  // namespace kelvrin
