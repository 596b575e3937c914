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

// The folder as the file system spells it when it is listed in another letter case, as the
// window's list finds its entries.
std::string ListedSpelling(const std::vector<std::string>& folders, const std::string& folder) {
    for (const std::string& listed : folders) {
        if (listed == folder) return listed;
    }
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
    const std::vector<std::string> folders = StartUp(settings);
    if (invocation->folder) {
        const std::string folder = ListedSpelling(folders, *invocation->folder);
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
