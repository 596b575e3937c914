#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvrin {

// Files are stored with CR LF line ends on every system, as the game's own tools expect, and
// read back with CR LF turned into LF.

// The first maxChars characters of a file that can be opened for reading and updating (a file
// that cannot be written counts as absent), CR LF read as LF.
std::optional<std::string> ReadTextFile(const std::string& path, std::size_t maxChars);

// Whether the file exists and opens for reading and updating.
bool CanOpenForUpdate(const std::string& path);

// Replaces the file with the text, every LF stored as CR LF. The text goes to a temporary file
// in the same folder first and takes the old file's place only when it is wholly on disk, with
// the old file's permission bits; on any failure the old file is left exactly as it was.
// A target that exists but cannot be opened for writing is refused.
bool ReplaceTextFile(const std::string& path, std::string_view text);

}  // namespace kelvrin
