#include "launch/ServerLaunch.h"

#include "files/Directories.h"
#include "files/TextFile.h"
#include "launch/BatchFile.h"
#include "launch/LaunchParameters.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

namespace {

constexpr std::string_view kConfigNotWritten = "can't write \"kelvrin.cfg\"!";

// Built by appending: "\"" + name + "\"" draws a false -Wrestrict from GCC 12 at -O3.
std::string QuotedName(std::string_view name) {
    std::string quoted(1, '"');
    quoted.append(name).push_back('"');
    return quoted;
}

// How a command words the two ways writing kelvrin.cfg can fail.
struct ConfigFailures {
    void (*folderNotEntered)(OperatorMessages& messages, std::string_view folder);
    std::string_view fileNotOpened;
};

void ReportFolderNotChanged(OperatorMessages& messages, std::string_view folder) {
    messages.Show("can't change to subdirectory " + QuotedName(folder));
}

// Writes the composed text and tells the operator what failed; true when it was written.
bool WriteConfig(const ServerSettings& settings, std::string_view text, OperatorMessages& messages,
                 const ConfigFailures& failures) {
    switch (WriteServerConfigFile(settings, text)) {
        case ConfigWriteResult::Written:
            return true;
        case ConfigWriteResult::FolderNotEntered:
            failures.folderNotEntered(messages, settings.gameFolder);
            return false;
        case ConfigWriteResult::FileNotOpened:
            messages.Show(std::string(failures.fileNotOpened));
            return false;
    }
    return false;
}

// Composes and writes kelvrin.cfg; a text too long was reported while composing.
bool ComposeAndWriteConfig(ServerSettings& settings, OperatorMessages& messages,
                           const ConfigFailures& failures) {
    const std::string text = ComposeServerConfig(settings, messages);
    return !text.empty() && WriteConfig(settings, text, messages, failures);
}

}  // namespace

void ReportFolderNotOpened(OperatorMessages& messages, std::string_view folder) {
    messages.Show("can't open subdirectory " + QuotedName(folder) + " !");
}

bool SaveConfig(ServerSettings& settings, OperatorMessages& messages) {
    if (!ComposeAndWriteConfig(settings, messages, {ReportFolderNotChanged, kConfigNotWritten})) {
        return false;
    }
    const std::string batchName = BatchFileName(settings.gameFolder);
    const std::optional<std::string> batch = BatchFileBytes(settings);
    if (!batch || !ReplaceTextFile(JoinPath(settings.startDirectory, batchName), *batch)) {
        messages.Show("can't write " + QuotedName(batchName) + "!");
        return false;
    }
    messages.Show("Config file " + QuotedName(kConfigFileName) + " and batch file " +
                  QuotedName(batchName) + " written");
    return true;
}

bool StartServer(ServerSettings& settings, OperatorMessages& messages, ProgramLauncher& launcher) {
    if (!ComposeAndWriteConfig(settings, messages,
                               {ReportFolderNotOpened, "can't write server-config ..."})) {
        return false;
    }
    const std::string executable = GameExecutable(settings);
    // The operator would otherwise believe the server runs.
    if (!launcher.Start(settings.startDirectory, executable, LaunchParameters(settings))) {
        messages.Show("can't start " + QuotedName(executable));
        return false;
    }
    return true;
}

bool SaveChangedConfigOnExit(ServerSettings& settings, OperatorMessages& messages) {
    const std::string text = ComposeServerConfig(settings, messages);
    // The overflow message has asked for shorter texts: stay open so they can be shortened.
    if (text.empty()) return false;
    if (settings.settingsChanged && messages.AskYesNo("Save changed configuration ?", "Question")) {
        // The window closes whether or not the file could be written.
        WriteConfig(settings, text, messages, {ReportFolderNotOpened, kConfigNotWritten});
    }
    return true;
}

}  // namespace kelvrin
