#include "settings/KeptLines.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

#include "files/TextCompare.h"
#include "settings/ConfigWriter.h"
#include "settings/SettingDescription.h"

namespace kelvrin {

namespace {

// What Kelvrin writes besides its settings.
constexpr std::array<std::string_view, 3> kWrittenVariables = {kLogFileNameVariable,
                                                               kUsePassVariable, kMapCycleVariable};
constexpr std::array<std::string_view, 4> kSetCommands = {"set", "seta", "sets", "setu"};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The next word of the line, blanks before it skipped.
std::string_view NextWord(std::string_view& line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end]) && line[end] != '"') ++end;
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    return word;
}

std::string Lowered(std::string_view word) {
    std::string lowered(word);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lowered;
}

// Kelvrin's variables in lower case, looked up once a line: a save reads every line of the file.
bool IsKelvrinsVariable(std::string_view name) {
    static const std::unordered_set<std::string> variables = [] {
        std::unordered_set<std::string> lowered;
        for (const SettingDescription& setting : kSettingDescriptions) {
            lowered.insert(Lowered(setting.name));
        }
        for (const std::string_view written : kWrittenVariables) lowered.insert(Lowered(written));
        return lowered;
    }();
    return variables.contains(Lowered(name));
}

bool IsKelvrinsLine(std::string_view line) {
    std::string word = Lowered(NextWord(line));
    // The map-cycle switch stands in a comment of its own.
    if (word.starts_with("//")) {
        word.erase(0, 2);
        if (word.empty()) word = Lowered(NextWord(line));
        return word == "set" && Lowered(NextWord(line)) == "si_mapcycle";
    }
    if (word == kSpawnCommand) return true;
    const bool set =
        std::find(kSetCommands.begin(), kSetCommands.end(), word) != kSetCommands.end();
    return set && IsKelvrinsVariable(NextWord(line));
}

// The names the reader looks for anywhere in the text.
std::vector<std::string_view> ReadNames() {
    std::vector<std::string_view> names;
    for (const TextSetting& row : kTextSettings) names.push_back(row.name);
    for (const NumberSetting& row : kNumberSettings) names.push_back(row.name);
    for (const NumberSetting& row : kSwitchSettings) names.push_back(row.name);
    return names;
}

// Whether the reader would take a setting from the line that the composed text does not give it
// first.
bool WouldBeRead(std::string_view line, std::string_view composed) {
    static const std::vector<std::string_view> names = ReadNames();
    for (const std::string_view name : names) {
        if (line.find(name) != std::string_view::npos &&
            composed.find(name) == std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::string> KeptLines(std::string_view fileText, std::string_view composed) {
    std::vector<std::string> kept;
    while (!fileText.empty()) {
        const std::size_t end = std::min(fileText.find('\n'), fileText.size());
        const std::string_view line = fileText.substr(0, end);
        fileText.remove_prefix(std::min(end + 1, fileText.size()));
        if (!IsKelvrinsLine(line) && !WouldBeRead(line, composed)) kept.emplace_back(line);
    }
    return kept;
}

std::string WithKeptLines(std::string_view composed, const std::vector<std::string>& kept) {
    if (kept.empty()) return std::string(composed);
    const std::size_t spawn = std::min(composed.rfind(kSpawnCommand), composed.size());
    std::string text(composed.substr(0, spawn));
    for (const std::string& line : kept) text.append(line).push_back('\n');
    return text.append(composed.substr(spawn));
}

}  // namespace kelvrin
