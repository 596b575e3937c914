#pragma once
#ifdef _WIN32

#include <string>
#include <string_view>

// Text and paths are UTF-8 inside Kelvrin; the Windows calls that reach every file name take
// UTF-16. Every Windows call with a name goes through these two.
namespace kelvrin {

// Invalid UTF-8 turns into U+FFFD, which names no file.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The path from the root, as the wide calls want it (some, and Wine, refuse relative ones); the
// path as given when the system cannot tell.
std::wstring FullPath(const std::string& path);

}  // namespace kelvrin

#endif
