#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvrin {

// NUL and the other control characters (below blank, and DEL) have no place in a name that a
// file or a command line carries.
constexpr bool IsControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}
bool HoldsControlCharacter(std::string_view text);

// The character in lower case, as the locale in force has it.
char LowerCase(char c);

// "a, b or c"
std::string Listed(std::span<const std::string_view> words);

bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Case-insensitive alphabetical order; names that differ only in case fall back to byte
// order, so a listing comes out the same on every run.
void SortIgnoringCase(std::vector<std::string>& names);

}  // namespace kelvrin
