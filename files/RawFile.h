#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/FileResult.h"

// The system's own file operations under the text files: bytes in, bytes out, no line ends.
namespace kelvrin::rawfile {

// Up to maxBytes from the start of a regular file that opens for reading and updating; nothing
// when it does not open or is not a regular file (a FIFO or a device must never block a read).
std::optional<std::string> ReadRaw(const std::string& path, std::size_t maxBytes);

// Replaces the file with the bytes through a temporary file in the same folder; on any failure
// the old file is left as it was. A file that exists must open for reading and writing: one that
// could not be read back would be replaced by what was made without it.
#ifdef _WIN32
FileResult ReplaceFile(const std::string& path, std::string_view bytes);
#else
// A file that did not exist gets newFileMode less the umask; one that existed keeps its mode,
// owner and group (as far as the process may set them). Only a regular file is replaced; a
// symbolic link is followed when it belongs to the owner of the file it names, and stays.
FileResult ReplaceFile(const std::string& path, std::string_view bytes, unsigned newFileMode);
#endif

// Whether ReplaceFile would go ahead: the same refusals, for a file it would not touch.
FileResult CheckReplaceable(const std::string& path);

// Shared by the implementations: the folder of a path ("." for a bare name), and its last part.
std::string FolderOf(const std::string& path);
std::string BaseNameOf(const std::string& path);

#ifdef _WIN32
// A name for a temporary file beside the path that no other write of this process uses at the
// same time; it holds the process id, so that one left by a process that died can be told.
std::string TemporaryNameFor(const std::string& path, unsigned attempt);
#endif

}  // namespace kelvrin::rawfile
