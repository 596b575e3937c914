#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/SettingDescription.h"

namespace kelvrin {

// A value read from a config file holds at most as many characters as a text may; longer ones
// are cut.
inline constexpr std::size_t kMaxReadValueLength = kMaxTextLength;

// Position of the first occurrence of name at or after start, byte for byte; text.size() when
// there is none or the name is empty.
std::size_t FindSettingName(std::string_view text, std::size_t start, std::string_view name);

// The characters between the first opening character at or after position and the next closing
// character (or the end of the text), cut to kMaxReadValueLength.
std::string ExtractQuotedValue(std::string_view text, std::size_t position, char opening,
                               char closing);

// Puts every setting found in the text of a kelvrin.cfg into the store.
void ReadServerConfig(ServerSettings& settings, std::string_view text);

}  // namespace kelvrin
