#include "cli/RunCli.h"

#include "app/GameFolderList.h"
#include "app/StartUp.h"
#include "cli/Commands.h"
#include "cli/Invocation.h"
#include "cli/SettingValues.h"
#include "files/Directories.h"
#include "files/TextCompare.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

namespace {

// -C changes the current directory for one run only.
class CurrentDirectoryKept {
public:
    CurrentDirectoryKept() : previous_(CurrentDirectory()) {}
    ~CurrentDirectoryKept() {
        if (!previous_.empty()) MakeCurrentDirectory(previous_);
    }
    CurrentDirectoryKept(const CurrentDirectoryKept&) = delete;
    CurrentDirectoryKept& operator=(const CurrentDirectoryKept&) = delete;

private:
    std::string previous_;
};

// The window's start-up. Its listing of the game folders only finds the default folder's spelling;
// when it is spelled as usual, the commands that need no list skip it, so thousands of folders
// cost them nothing.
std::vector<std::string> StartUpFor(const cli::Invocation& invocation, ServerSettings& settings) {
    const std::string start = CurrentDirectory();
    if (invocation.command == cli::Command::Folders ||
        !IsDirectory(JoinPath(start, kDefaultGameFolder))) {
        return StartUp(settings);
    }
    settings.startDirectory = start;
    settings.gameFolder = std::string(kDefaultGameFolder);
    LoadGameFolderConfig(settings, settings.gameFolder);
    return {};
}

// The chosen folder as the file system spells it: when it is not spelled so, the one listed in
// another letter case, as the window's list finds its entries.
std::string FolderSpelling(const ServerSettings& settings, std::vector<std::string> folders,
                           const std::string& folder) {
    if (IsDirectory(JoinPath(settings.startDirectory, folder))) return folder;
    if (folders.empty()) folders = ListGameFolders(settings.startDirectory);
    for (const std::string& listed : folders) {
        if (EqualIgnoringCase(listed, folder)) return listed;
    }
    return folder;
}

int Refuse(std::ostream& err, const std::string& refusal) {
    err << "kelvrin-cli: " << refusal << '\n' << std::flush;
    return cli::kUsageError;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::string refusal;
    const std::optional<cli::Invocation> invocation = cli::ReadInvocation(arguments, refusal);
    if (!invocation) return Refuse(err, refusal);
    if (invocation->help) {
        out << cli::kUsage << std::flush;
        return cli::kSucceeded;
    }
    if (invocation->version) {
        out << "kelvrin-cli " << KELVRIN_VERSION << '\n' << std::flush;
        return cli::kSucceeded;
    }

    const CurrentDirectoryKept kept;
    if (invocation->directory) {
        const std::string& directory = *invocation->directory;
        if (!IsDirectory(directory)) return Refuse(err, "-C: no such directory: " + directory);
        if (!MakeCurrentDirectory(directory)) {
            return Refuse(err, "-C: can't enter directory: " + directory);
        }
    }
    // What the window does as it opens, and when the operator then picks the game folder.
    ServerSettings settings;
    const std::vector<std::string> folders = StartUpFor(*invocation, settings);
    if (invocation->folder) {
        const std::string folder = FolderSpelling(settings, folders, *invocation->folder);
        if (folder != settings.gameFolder) {
            settings.gameFolder = folder;
            LoadGameFolderConfig(settings, folder);
        }
    }
    NormaliseSettings(settings);
    cli::TakeShownValues(settings);
    const int code = cli::RunCommand(*invocation, settings, folders, out, err);
    out << std::flush;
    err << std::flush;
    return code;
}

}  // namespace kelvrin
