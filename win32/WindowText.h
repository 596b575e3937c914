#pragma once

#include <string>
#include <string_view>

namespace kelvrin {

// The window's texts are the store's bytes, one byte a character: Latin-1 maps straight onto the
// first 256 UTF-16 code units, with no code page in between. A character beyond them, which a
// Latin-1 text cannot hold, comes back as "?".
std::wstring WideFromLatin1(std::string_view text);
std::string Latin1FromWide(std::wstring_view text);
bool IsLatin1(std::wstring_view text);

// Names as the file system spells them (list items, messages naming a folder): UTF-8 where they
// are valid UTF-8, else one byte a character.
std::wstring WideFromName(std::string_view name);

}  // namespace kelvrin
