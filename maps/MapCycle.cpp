#include "maps/MapCycle.h"

#include <optional>
#include <utility>

#include "files/Directories.h"
#include "files/TextFile.h"
#include "maps/MapList.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

namespace {

constexpr std::string_view kScriptStart = "set si_mapcycle \"";

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

// The script text for the selected rows, or nothing for a list too long.
std::optional<std::string> BuildMapCycle(const MapRows& selected) {
    std::string text(kScriptStart);
    for (std::size_t row = 0; row < selected.size(); ++row) {
        const std::string_view separator = row == 0 ? "" : ";";
        if (text.size() + separator.size() + kMapPrefix.size() + selected[row].size() >
            kMapCycleCapacity) {
            return std::nullopt;
        }
        text += separator;
        text += kMapPrefix;
        text += selected[row];
    }
    // The closing quote and the line end must fit as well.
    if (text.size() + 2 > kMapCycleCapacity) return std::nullopt;
    return text + "\"\n";
}

}  // namespace

void LoadMapLists(ServerSettings& settings, MapRows& available, MapRows& selected) {
    available.assign(kDefaultMapNames.begin(), kDefaultMapNames.end());

    const GameFolder gameFolder = ReachGameFolder(settings.startDirectory, settings.gameFolder);
    if (!gameFolder) return;
    const std::optional<std::string> script =
        ReadTextFile(JoinPath(gameFolder.path, kMapCycleFileName), kMapCycleCapacity);
    // The map folder counts against the same name length as the game folder.
    const GameFolder mapFolder =
        ReachGameFolder(settings.startDirectory, JoinPath(settings.gameFolder, kMapFolderName));
    if (mapFolder) {
        // The folder's list is taken over, not copied: it may hold 100,000 names.
        MapRows maps = ListMapFiles(mapFolder.path);
        maps.insert(maps.begin(), available.begin(), available.end());
        available = std::move(maps);
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

Result WriteMapCycle(ServerSettings& settings, const MapRows& selected, FileSink& files) {
    if (selected.empty()) return {Outcome::NoMapSelected};
    const GameFolder gameFolder = ReachGameFolder(settings.startDirectory, settings.gameFolder);
    if (!gameFolder) return {Outcome::FolderNotOpened, settings.gameFolder, gameFolder.reason};

    // The text is built before the file is touched, so a list that is too long costs the
    // operator nothing of the cycle saved before.
    const std::optional<std::string> script = BuildMapCycle(selected);
    if (!script) return {Outcome::MapListTooLong};
    const FileResult written =
        files.Replace(JoinPath(gameFolder.path, kMapCycleFileName), *script, NewFile::FollowUmask);
    if (!written)
        return {Outcome::MapCycleNotWritten, std::string(kMapCycleFileName), written.reason};
    settings.si_map = std::string(kMapPrefix) + selected.front();
    settings.mapCycleScriptPresent = true;
    return {};
}

}  // namespace kelvrin
