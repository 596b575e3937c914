#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvrin::cli {

// The store holds one byte per character (Latin-1), as the game reads its files; the command
// line and the terminal speak UTF-8.

// The Latin-1 bytes of a UTF-8 text, or nothing when it is no valid UTF-8 or holds a character
// beyond Latin-1.
std::optional<std::string> Latin1FromUtf8(std::string_view text);

std::string Utf8FromLatin1(std::string_view text);

}  // namespace kelvrin::cli
