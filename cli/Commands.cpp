#include "cli/Commands.h"

#include <optional>
#include <utility>

#include "app/GameFolderList.h"
#include "cli/CliMessages.h"
#include "cli/SettingValues.h"
#include "files/Directories.h"
#include "launch/ServerLaunch.h"
#include "maps/MapCycle.h"

namespace kelvrin::cli {

namespace {

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) out << line << '\n';
}

bool CanEnterGameFolder(const ServerSettings& settings) {
    const GameFolderVisit visit(settings.startDirectory, settings.gameFolder);
    return visit.Entered();
}

// The commands that only read from the game folder say so when it cannot be entered, as the
// window's commands do.
int ReportFolderNotEntered(const ServerSettings& settings, std::ostream& out, std::ostream& err) {
    CliMessages messages;
    ReportFolderNotOpened(messages, settings.gameFolder);
    return messages.Report(false, out, err);
}

int Show(const Invocation& invocation, const ServerSettings& settings, std::ostream& out) {
    const auto print = [&](const CliSetting& setting) {
        out << setting.name << '=' << ShownValue(settings, setting) << '\n';
    };
    if (invocation.arguments.empty()) {
        for (const CliSetting& setting : CliSettings()) print(setting);
    }
    for (const std::string& name : invocation.arguments) print(*FindCliSetting(name));
    return kSucceeded;
}

// Every value is read before any is stored, so that a refused one leaves everything unwritten.
int Set(const Invocation& invocation, ServerSettings& settings, std::ostream& out,
        std::ostream& err) {
    std::vector<std::pair<const CliSetting*, StoredValue>> changes;
    for (const std::string& argument : invocation.arguments) {
        const std::size_t equals = argument.find('=');
        const CliSetting& setting = *FindCliSetting(argument.substr(0, equals));
        const std::string given = argument.substr(equals + 1);
        // What show printed is always taken back, even a value read from a hand-edited file
        // that could not be given otherwise: it stays as it is.
        if (given == ShownValue(settings, setting)) continue;
        std::string allowed;
        std::optional<StoredValue> value = ReadValue(setting, given, allowed);
        if (!value) {
            err << "kelvrin-cli: " << argument << ": allowed is " << allowed << '\n';
            return kUsageError;
        }
        changes.emplace_back(&setting, std::move(*value));
    }
    for (const auto& [setting, value] : changes) StoreValue(settings, *setting, value);
    CliMessages messages;
    return messages.Report(SaveConfig(settings, messages), out, err);
}

int Start(ServerSettings& settings, std::ostream& out, std::ostream& err) {
    CliMessages messages;
    const std::unique_ptr<ProgramLauncher> launcher = MakeSystemLauncher();
    return messages.Report(StartServer(settings, messages, *launcher), out, err);
}

int Maps(ServerSettings& settings, std::ostream& out) {
    MapRows available, selected;
    LoadMapLists(settings, available, selected);
    PrintLines(available, out);
    return kSucceeded;
}

int ShowCycle(ServerSettings& settings, std::ostream& out) {
    MapRows available, selected;
    // Set again only when the script lists a map: without one the list holds the start map.
    settings.mapCycleScriptPresent = false;
    LoadMapLists(settings, available, selected);
    if (settings.mapCycleScriptPresent) PrintLines(selected, out);
    return kSucceeded;
}

int WriteCycle(const Invocation& invocation, ServerSettings& settings, std::ostream& out,
               std::ostream& err) {
    CliMessages messages;
    const MapDialogOutcome outcome = WriteMapCycle(settings, invocation.arguments, messages);
    // Writing shows a message only when it failed.
    return messages.Report(outcome == MapDialogOutcome::Close && !messages.Any(), out, err);
}

}  // namespace

int RunCommand(const Invocation& invocation, ServerSettings& settings,
               const std::vector<std::string>& folders, std::ostream& out, std::ostream& err) {
    switch (invocation.command) {
        case Command::Folders:
            // In the order of the window's list, whose entries are sorted with their brackets.
            for (const std::string& entry : GameBaseEntries(folders)) {
                out << FolderOfEntry(entry) << '\n';
            }
            return kSucceeded;
        case Command::Set:
            return Set(invocation, settings, out, err);
        case Command::Save: {
            CliMessages messages;
            return messages.Report(SaveConfig(settings, messages), out, err);
        }
        case Command::Start:
            return Start(settings, out, err);
        default:
            break;
    }
    if (!CanEnterGameFolder(settings)) return ReportFolderNotEntered(settings, out, err);
    switch (invocation.command) {
        case Command::Show:
            return Show(invocation, settings, out);
        case Command::Maps:
            return Maps(settings, out);
        case Command::Cycle:
            if (invocation.arguments.front() == "--show") return ShowCycle(settings, out);
            return WriteCycle(invocation, settings, out, err);
        default:
            return kSucceeded;
    }
}

}  // namespace kelvrin::cli
