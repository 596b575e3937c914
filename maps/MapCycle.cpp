#include "maps/MapCycle.h"

#include "files/Directories.h"
#include "files/TextFile.h"
#include "maps/MapList.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

namespace {

constexpr std::string_view kScriptStart = "set si_mapcycle \"";
constexpr std::string_view kMapPrefix = "mp/";

std::string WithoutMapPrefix(std::string_view entry) {
    // The prefix is removed unexamined: the game wrote it, and the script is not checked.
    return entry.size() > kMapPrefix.size() ? std::string(entry.substr(kMapPrefix.size()))
                                            : std::string();
}

void ChooseStartMap(ServerSettings& settings, const MapRows& available, MapRows& selected) {
    if (!settings.si_map.empty()) {
        const std::string_view startMap = settings.si_map;
        selected.push_back(startMap.substr(0, kMapPrefix.size()) == kMapPrefix
                               ? std::string(startMap.substr(kMapPrefix.size()))
                               : std::string(startMap));
    } else if (!available.empty()) {
        selected.push_back(available.front());
        settings.si_map = std::string(kMapPrefix) + available.front();
    }
}

}  // namespace

void LoadMapLists(ServerSettings& settings, MapRows& available, MapRows& selected) {
    available.assign(kDefaultMapNames.begin(), kDefaultMapNames.end());

    std::optional<std::string> script;
    {
        const GameFolderVisit gameFolder(settings.startDirectory, settings.gameFolder);
        if (!gameFolder.Entered()) return;
        script = ReadTextFile(std::string(kMapCycleFileName), kMapCycleCapacity);
    }
    {
        // The map folder counts against the same name length as the game folder.
        const GameFolderVisit mapFolder(settings.startDirectory,
                                        JoinPath(settings.gameFolder, kMapFolderName));
        if (mapFolder.Entered()) {
            const std::vector<std::string> maps = ListMapFiles(".");
            available.insert(available.end(), maps.begin(), maps.end());
        }
    }
    if (script) ReadMapCycle(settings, *script, selected);
    if (selected.empty()) ChooseStartMap(settings, available, selected);
}

void ReadMapCycle(ServerSettings& settings, std::string_view text, MapRows& selected) {
    const std::size_t opening = text.find('"');
    if (opening == std::string_view::npos) return;

    bool firstEntry = true;
    for (std::size_t position = opening + 1;;) {
        const std::size_t end = text.find_first_of(";\"", position);
        // An entry the data ends in, before its closing quote, is incomplete and dropped.
        if (end == std::string_view::npos) return;

        // A longer entry keeps its first characters; the rest of it is skipped, not read
        // as a further entry.
        const std::string_view whole = text.substr(position, end - position);
        const std::string_view entry = whole.substr(0, kMapPrefix.size() + kMaxMapRowLength);
        if (!entry.empty() && !HoldsControlCharacter(whole)) {
            if (firstEntry) settings.si_map = std::string(entry);
            firstEntry = false;
            settings.mapCycleScriptPresent = true;
            selected.push_back(WithoutMapPrefix(entry));
        }
        if (text[end] == '"') return;
        position = end + 1;
    }
}

std::optional<std::string> BuildMapCycle(ServerSettings& settings, const MapRows& selected,
                                         OperatorMessages& messages) {
    if (selected.empty()) return std::nullopt;

    std::string text(kScriptStart);
    for (std::size_t row = 0; row < selected.size(); ++row) {
        const std::string_view separator = row == 0 ? "" : ";";
        if (text.size() + separator.size() + kMapPrefix.size() + selected[row].size() >
            kMapCycleCapacity) {
            messages.Show(std::string(kMapListTooLongMessage));
            return std::nullopt;
        }
        text += separator;
        text += kMapPrefix;
        text += selected[row];
        if (row == 0) settings.si_map = std::string(kMapPrefix) + selected[row];
    }
    // The closing quote and the line end must fit as well.
    if (text.size() + 2 > kMapCycleCapacity) {
        messages.Show(std::string(kMapListTooLongMessage));
        return std::nullopt;
    }
    return text + "\"\n";
}

MapDialogOutcome WriteMapCycle(ServerSettings& settings, const MapRows& selected,
                               OperatorMessages& messages) {
    const GameFolderVisit gameFolder(settings.startDirectory, settings.gameFolder);
    if (!gameFolder.Entered()) return MapDialogOutcome::Close;

    // The text is built before the file is touched, so a list that is too long costs the
    // operator nothing of the cycle saved before.
    const std::string previousStartMap = settings.si_map;
    const std::optional<std::string> script = BuildMapCycle(settings, selected, messages);
    if (!script) {
        // No script was written, so the start map must still be the one it names.
        settings.si_map = previousStartMap;
        return MapDialogOutcome::StayOpen;
    }

    if (!ReplaceTextFile(std::string(kMapCycleFileName), *script)) {
        settings.si_map = previousStartMap;
        messages.Show(std::string(kMapCycleNotWrittenMessage));
        return MapDialogOutcome::Close;
    }
    settings.mapCycleScriptPresent = true;
    return MapDialogOutcome::Close;
}

}  // namespace kelvrin
