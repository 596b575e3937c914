#include "launch/ServerLaunch.h"

#include <optional>

#include "files/Directories.h"
#include "files/TextFile.h"
#include "launch/BatchFile.h"
#include "launch/LaunchParameters.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

namespace {

// How a command words the two ways writing kelvrin.cfg can fail.
struct ConfigFailures {
    Outcome folderNotEntered;
    Outcome fileNotOpened;
};

Result WriteConfig(const ServerSettings& settings, std::string_view text,
                   const ConfigFailures& failures, FileSink& files = DiskFiles()) {
    const ConfigWrite written = WriteServerConfigFile(settings, text, files);
    switch (written.result) {
        case ConfigWriteResult::Written:
            return {};
        case ConfigWriteResult::FolderNotEntered:
            return {failures.folderNotEntered, settings.gameFolder, written.reason};
        case ConfigWriteResult::FileNotOpened:
            return {failures.fileNotOpened, std::string(kConfigFileName), written.reason};
    }
    return {};
}

Result ComposeAndWriteConfig(ServerSettings& settings, const ConfigFailures& failures,
                             FileSink& files = DiskFiles()) {
    const std::optional<std::string> text = ComposeServerConfig(settings);
    if (!text) return {Outcome::ConfigTooLong};
    return WriteConfig(settings, *text, failures, files);
}

}  // namespace

Result SaveConfig(ServerSettings& settings, FileSink& files) {
    const Result config = ComposeAndWriteConfig(
        settings, {Outcome::FolderNotChanged, Outcome::ConfigNotWritten}, files);
    if (config.Failed()) return config;
    const std::string batchName = BatchFileName(settings.gameFolder);
    const BatchBytes batch = BatchFileBytes(settings);
    if (batch.reason) return {Outcome::BatchNotWritten, batchName, batch.reason};
    const FileResult written = files.Replace(JoinPath(settings.startDirectory, batchName),
                                             batch.bytes, NewFile::FollowUmask);
    if (!written) return {Outcome::BatchNotWritten, batchName, written.reason};
    return {Outcome::ConfigSaved, batchName};
}

Result StartServer(ServerSettings& settings, ProgramLauncher& launcher) {
    const Result config = ComposeAndWriteConfig(
        settings, {Outcome::FolderNotOpened, Outcome::ServerConfigNotWritten});
    if (config.Failed()) return config;
    const std::string executable = GameExecutable(settings);
    const std::string parameters = LaunchParameters(settings);
    const Launch launch = launcher.Start(settings.startDirectory, executable, parameters);
    // The operator would otherwise believe the server runs.
    if (launch.reason) return {Outcome::GameNotStarted, executable, launch.reason};
    return {Outcome::GameStarted, executable + " " + parameters, {}, launch.process};
}

Result WriteConfigOnExit(const ServerSettings& settings, std::string_view text) {
    return WriteConfig(settings, text, {Outcome::FolderNotOpened, Outcome::ConfigNotWritten});
}

}  // namespace kelvrin
