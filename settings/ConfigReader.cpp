#include "settings/ConfigReader.h"

#include <algorithm>

#include "settings/DecimalNumber.h"

namespace kelvrin {

std::size_t FindSettingName(std::string_view text, std::size_t start, std::string_view name) {
    if (name.empty() || start >= text.size()) return text.size();
    const std::size_t found = text.find(name, start);
    return found == std::string_view::npos ? text.size() : found;
}

std::string ExtractQuotedValue(std::string_view text, std::size_t position, char opening,
                               char closing) {
    if (position >= text.size()) return {};
    const std::size_t open = text.find(opening, position);
    if (open == std::string_view::npos) return {};

    const std::size_t begin = open + 1;
    std::size_t end = text.find(closing, begin);
    if (end == std::string_view::npos) end = text.size();
    // A value never spills past the value buffer: longer ones keep their first characters.
    const std::size_t length = std::min(end - begin, kMaxReadValueLength);
    return std::string(text.substr(begin, length));
}

namespace {

std::string ValueOf(std::string_view text, std::string_view name) {
    return ExtractQuotedValue(text, FindSettingName(text, 0, name), '"', '"');
}

std::int32_t GameTypeIndexOf(std::string_view gameType) {
    for (std::size_t index = 1; index < kGameTypeNames.size(); ++index) {
        if (gameType == kGameTypeNames[index]) return static_cast<std::int32_t>(index);
    }
    return 0;
}

}  // namespace

void ReadServerConfig(ServerSettings& settings, std::string_view text) {
    for (const TextSetting& row : kTextSettings) {
        std::string value = ValueOf(text, row.name);
        if (!value.empty()) settings.*row.field = std::move(value);
    }

    // The index always follows the text si_gameType holds now, found in this file or not.
    settings.gameTypeIndex = GameTypeIndexOf(settings.si_gameType);

    // A number or switch missing from the file, or not a number, becomes 0.
    for (const NumberSetting& row : kNumberSettings) {
        settings.*row.field = ParseLeadingInteger(ValueOf(text, row.name));
    }
    for (const NumberSetting& row : kSwitchSettings) {
        settings.*row.field = ParseLeadingInteger(ValueOf(text, row.name));
    }
}

}  // namespace kelvrin
