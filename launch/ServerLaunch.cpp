#include "launch/ServerLaunch.h"

#include "app/GameFolder.h"
#include "app/TextFile.h"
#include "settings/ConfigWriter.h"

namespace kelvrin {

namespace {

constexpr std::string_view kWithMapCycle = "+exec kelvrin.scriptcfg +exec kelvrin.cfg";
constexpr std::string_view kWithoutMapCycle = "+exec kelvrin.cfg";

// Built by appending: "\"" + name + "\"" draws a false -Wrestrict from GCC 12 at -O3.
std::string QuotedName(std::string_view name) {
    std::string quoted(1, '"');
    quoted.append(name).push_back('"');
    return quoted;
}

}  // namespace

std::string GameExecutable(const ServerSettings& settings) {
    return settings.net_serverDedicated != 0 ? "dravekDed.exe" : "dravek.exe";
}

std::string LaunchParameters(const ServerSettings& settings) {
    // No blank before "+exec": the game's command line has always been given this way.
    return "+set fs_game " + settings.gameFolder +
           std::string(settings.si_mapCycle != 0 ? kWithMapCycle : kWithoutMapCycle);
}

std::string BatchFileName(std::string_view folder) { return "kvr_" + std::string(folder) + ".bat"; }

std::string BatchFileLine(const ServerSettings& settings) {
    std::string line = GameExecutable(settings) + " +set fs_game " + settings.gameFolder + " ";
    if (settings.si_mapCycle != 0) return line + std::string(kWithMapCycle);
    return line + std::string(kWithoutMapCycle) + "\n";
}

void SaveConfig(ServerSettings& settings, OperatorMessages& messages) {
    const std::string text = ComposeServerConfig(settings, messages);
    // An overflowing text was reported while composing; writing it would lose the saved file.
    if (text.empty()) return;

    switch (WriteServerConfigFile(settings, text)) {
        case ConfigWriteResult::FolderNotEntered:
            messages.Show("can't change to subdirectory " + QuotedName(settings.gameFolder));
            return;
        case ConfigWriteResult::FileNotOpened:
            messages.Show(std::string(kConfigNotWrittenMessage));
            return;
        case ConfigWriteResult::Written:
            break;
    }

    const std::string batchName = BatchFileName(settings.gameFolder);
    if (!ReplaceTextFile(JoinPath(settings.startDirectory, batchName), BatchFileLine(settings))) {
        messages.Show("can't write " + QuotedName(batchName) + "!");
        return;
    }
    messages.Show("Config file " + QuotedName(kConfigFileName) + " and batch file " +
                  QuotedName(batchName) + " written");
}

void StartServer(ServerSettings& settings, OperatorMessages& messages, ProgramLauncher& launcher) {
    const std::string text = ComposeServerConfig(settings, messages);
    if (text.empty()) return;

    switch (WriteServerConfigFile(settings, text)) {
        case ConfigWriteResult::FolderNotEntered:
            ReportFolderNotOpened(messages, settings.gameFolder);
            return;
        case ConfigWriteResult::FileNotOpened:
            messages.Show("can't write server-config ...");
            return;
        case ConfigWriteResult::Written:
            break;
    }
    const std::string executable = GameExecutable(settings);
    // The operator would otherwise believe the server runs.
    if (!launcher.Start(settings.startDirectory, executable, LaunchParameters(settings))) {
        messages.Show("can't start " + QuotedName(executable));
    }
}

}  // namespace kelvrin
