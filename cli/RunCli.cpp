#include "cli/RunCli.h"

#include "app/GameFolderList.h"
#include "app/StartUp.h"
#include "cli/Commands.h"
#include "cli/Help.h"
#include "cli/Invocation.h"
#include "cli/Reporting.h"
#include "cli/Words.h"
#include "files/Directories.h"
#include "files/TextCompare.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

namespace {

constexpr std::size_t kFoldersNamedInARefusal = 10;

// The window's start-up. Its listing of the game folders only finds the default folder's spelling;
// when it is spelled as usual, the commands that need no list skip it, so thousands of folders
// cost them nothing.
std::vector<std::string> StartUpFor(const cli::Invocation& invocation, ServerSettings& settings) {
    if (invocation.command->command == cli::Command::Folders ||
        !IsDirectory(JoinPath(settings.startDirectory, kDefaultGameFolder))) {
        return StartUp(settings);
    }
    settings.gameFolder = std::string(kDefaultGameFolder);
    LoadGameFolderConfig(settings, settings.gameFolder);
    return {};
}

// The chosen folder as the file system spells it: when it is not spelled so, the one listed in
// another letter case, as the window's list finds its entries; nothing when there is none.
std::optional<std::string> FolderSpelling(const ServerSettings& settings,
                                          std::vector<std::string>& folders,
                                          const std::string& folder) {
    if (IsDirectory(JoinPath(settings.startDirectory, folder))) return folder;
    if (folders.empty()) folders = ListGameFolders(settings.startDirectory);
    for (const std::string& listed : folders) {
        if (EqualIgnoringCase(listed, folder)) return listed;
    }
    return std::nullopt;
}

std::string NoSuchFolder(const std::string& folder, const std::vector<std::string>& folders) {
    const std::vector<std::string_view> names(folders.begin(), folders.end());
    std::string allowed = "the folders that folders lists";
    if (names.empty()) {
        allowed = "none: the start directory holds no game folder";
    } else if (names.size() <= kFoldersNamedInARefusal) {
        allowed = Listed(names);
    }
    return "-g " + cli::Quoted(folder) + ": no such game folder (allowed: " + allowed + ")" +
           cli::NearestHint(folder, names);
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::string refusal;
    const std::optional<cli::Invocation> invocation = cli::ReadInvocation(arguments, refusal);
    if (!invocation) return cli::Refuse(err, refusal);
    if (invocation->help) {
        const cli::CommandInfo* command = invocation->command;
        out << (command == nullptr || command->command == cli::Command::Help
                    ? cli::ProgramHelp()
                    : cli::CommandHelp(*command));
        return cli::kSucceeded;
    }
    if (invocation->version) {
        out << "kelvrin-cli " << KELVRIN_VERSION << '\n';
        return cli::kSucceeded;
    }

    // What the window does as it opens, and when the operator then picks the game folder.
    ServerSettings settings;
    settings.startDirectory = CurrentDirectory();
    if (invocation->directory) {
        const std::string& directory = *invocation->directory;
        if (!IsDirectory(directory)) {
            return cli::Refuse(err, "-C " + cli::Quoted(directory) + ": no such directory");
        }
        settings.startDirectory = AbsolutePath(directory);
    }
    std::vector<std::string> folders = StartUpFor(*invocation, settings);
    if (invocation->folder) {
        const std::optional<std::string> folder =
            FolderSpelling(settings, folders, *invocation->folder);
        if (!folder) return cli::Refuse(err, NoSuchFolder(*invocation->folder, folders));
        if (*folder != settings.gameFolder) {
            settings.gameFolder = *folder;
            LoadGameFolderConfig(settings, *folder);
        }
    }
    NormaliseSettings(settings);
    TakeShownValues(settings);
    return cli::RunCommand(*invocation, settings, folders, out, err);
}

}  // namespace kelvrin
