#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The system's own file operations under the text files: bytes in, bytes out, no line ends.
namespace kelvrin::rawfile {

// Up to maxBytes from the start of a file that opens for reading and updating; nothing when it
// does not open.
std::optional<std::string> ReadRaw(const std::string& path, std::size_t maxBytes);

// Replaces the file with the bytes through a temporary file in the same folder; on any failure
// the old file is left as it was.
bool ReplaceFile(const std::string& path, std::string_view bytes);

// Shared by the implementations: the folder of a path ("." for a bare name), and a name for a
// temporary file beside the path that no other write of this process uses at the same time.
std::string FolderOf(const std::string& path);
std::string TemporaryNameFor(const std::string& path, unsigned attempt);

}  // namespace kelvrin::rawfile
