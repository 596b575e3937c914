#include "cli/Commands.h"

#include <optional>
#include <utility>

#include "app/GameFolderList.h"
#include "cli/Latin1Text.h"
#include "cli/Reporting.h"
#include "cli/ServerCommands.h"
#include "cli/Words.h"
#include "files/Directories.h"
#include "launch/ServerLaunch.h"
#include "maps/MapCycle.h"
#include "maps/MapList.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin::cli {

namespace {

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) out << line << '\n';
}

// The value as show prints it: the window's, texts in UTF-8.
std::string PrintedValue(const ServerSettings& settings, const SettingDescription& setting) {
    return Utf8FromLatin1(ShownValue(settings, setting));
}

int Show(const Invocation& invocation, const ServerSettings& settings, std::ostream& out) {
    const auto print = [&](const SettingDescription& setting) {
        out << setting.name << '=' << PrintedValue(settings, setting) << '\n';
    };
    if (invocation.shown.empty()) {
        for (const SettingDescription& setting : kSettingDescriptions) print(setting);
        // The operator's own lines, which a save keeps; marked so that no one takes them for
        // settings.
        for (const std::string& line : KeptConfigLines(settings)) out << "# " << line << '\n';
    }
    for (const SettingDescription* setting : invocation.shown) print(*setting);
    return kSucceeded;
}

// The value a given text stands for, or nothing when the window could not hold it.
std::optional<TypedValue> ReadGiven(const SettingDescription& setting, const std::string& given) {
    if (setting.kind != ValueKind::Text) return ReadTypedValue(setting, given);
    const std::optional<std::string> latin1 = Latin1FromUtf8(given);
    if (!latin1) return std::nullopt;
    return ReadTypedValue(setting, *latin1);
}

// What a command would write: the first file's bytes, then each further file after a line that
// names it; how the command would end.
int PrintPreview(const PreviewFiles& preview, const Result& result, std::ostream& out,
                 std::ostream& err) {
    for (std::size_t index = 0; index < preview.files.size(); ++index) {
        const PreviewFiles::File& file = preview.files[index];
        if (index > 0) out << "==> " << OneLine(file.name) << " <==\n";
        out << file.bytes;
    }
    return result.Failed() ? Report(result, out, err) : kSucceeded;
}

// Saves as the window's Save Config does, or shows what it would write.
int Save(const Invocation& invocation, ServerSettings& settings, std::ostream& out,
         std::ostream& err) {
    if (!invocation.dryRun) return Report(SaveConfig(settings), out, err);
    PreviewFiles preview;
    const Result result = SaveConfig(settings, preview);
    return PrintPreview(preview, result, out, err);
}

int Cycle(const Invocation& invocation, ServerSettings& settings, std::ostream& out,
          std::ostream& err) {
    if (!invocation.dryRun) return Report(WriteMapCycle(settings, invocation.maps), out, err);
    PreviewFiles preview;
    const Result result = WriteMapCycle(settings, invocation.maps, preview);
    return PrintPreview(preview, result, out, err);
}

// Every value is read before any is stored, so that a refused one leaves everything unwritten.
int Set(const Invocation& invocation, ServerSettings& settings, std::ostream& out,
        std::ostream& err) {
    std::vector<std::pair<const SettingDescription*, TypedValue>> values;
    for (const SettingChange& change : invocation.changes) {
        const SettingDescription& setting = *change.setting;
        // What show printed is always taken back, even a value read from a hand-edited file
        // that could not be given otherwise: it stays as it is.
        if (change.given == PrintedValue(settings, setting)) continue;
        std::optional<TypedValue> value = ReadGiven(setting, change.given);
        if (!value) {
            return Refuse(err, Quoted(std::string(setting.name) + "=" + change.given) +
                                   ": allowed is " + AllowedValues(setting));
        }
        values.emplace_back(&setting, std::move(*value));
    }
    for (const auto& [setting, value] : values) StoreValue(settings, *setting, value);
    return Save(invocation, settings, out, err);
}

std::vector<std::string> AvailableMaps(ServerSettings& settings) {
    MapRows available, selected;
    LoadMapLists(settings, available, selected);
    return available;
}

// What a completion of NAME= offers.
int Values(const SettingDescription& setting, ServerSettings& settings, std::ostream& out) {
    if (setting.text == &ServerSettings::si_map) {
        for (const std::string& map : AvailableMaps(settings)) out << kMapPrefix << map << '\n';
    } else if (setting.kind == ValueKind::Switch) {
        out << "on\noff\n1\n0\n";
    } else {
        for (const std::string_view entry : setting.entries) out << entry << '\n';
    }
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

}  // namespace

int RunCommand(const Invocation& invocation, ServerSettings& settings,
               const std::vector<std::string>& folders, std::ostream& out, std::ostream& err) {
    switch (invocation.command->command) {
        case Command::Folders:
            // In the order of the window's list, whose entries are sorted with their brackets.
            for (const std::string& entry : GameBaseEntries(folders)) {
                out << FolderOfEntry(entry) << '\n';
            }
            return kSucceeded;
        case Command::Set:
            return Set(invocation, settings, out, err);
        case Command::Save:
            return Save(invocation, settings, out, err);
        case Command::Values:
            return Values(*invocation.shown.front(), settings, out);
        case Command::Start:
            return Start(invocation, settings, out, err);
        case Command::Status:
            return Status(settings, out, err);
        case Command::Stop:
            return Stop(invocation, settings, out, err);
        default:
            break;
    }
    // The commands that only read from the game folder say so when it cannot be reached, as
    // the window's commands do.
    if (const GameFolder folder = ReachGameFolder(settings.startDirectory, settings.gameFolder);
        !folder) {
        return Report({Outcome::FolderNotOpened, settings.gameFolder, folder.reason}, out, err);
    }
    switch (invocation.command->command) {
        case Command::Show:
            return Show(invocation, settings, out);
        case Command::Maps:
            PrintLines(AvailableMaps(settings), out);
            return kSucceeded;
        case Command::Cycle:
            if (invocation.showCycle) return ShowCycle(settings, out);
            return Cycle(invocation, settings, out, err);
        default:
            return kSucceeded;
    }
}

}  // namespace kelvrin::cli
