#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/FileResult.h"

namespace kelvrin {

// Files are stored with CR LF line ends on every system, as the game's own tools expect, and
// read back with CR LF turned into LF.

// The first maxChars characters (std::string::npos: all) of a file that can be opened for
// reading and updating (a file that cannot be written counts as absent), CR LF read as LF.
std::optional<std::string> ReadTextFile(const std::string& path, std::size_t maxChars);

// Whether the file exists and opens for reading and updating.
bool CanOpenForUpdate(const std::string& path);

// Who may read a file that a replace creates. A file that existed keeps its own permission bits.
enum class NewFile {
    FollowUmask,  // as any new file of the process
    OwnerOnly,    // 0600 at most: the file holds passwords
};

// Replaces the file with the text, every LF stored as CR LF. The text goes to a temporary file
// in the same folder first and takes the old file's place only when it is wholly on disk, with
// the old file's permission bits, owner and group; on any failure the old file is left exactly
// as it was. A target that exists but is no regular file or cannot be opened for reading and
// writing is refused, and so is a symbolic link to another user's file or to nothing.
FileResult ReplaceTextFile(const std::string& path, std::string_view text,
                           NewFile newFile = NewFile::FollowUmask);

// The bytes a text is stored as: every LF as CR LF.
std::string StoredText(std::string_view text);

// Makes a write beyond the file-size limit fail like any other write instead of ending the
// process; called once at program start.
void IgnoreFileSizeSignal();

}  // namespace kelvrin
