#include "win32/WindowText.h"

#include <windows.h>

#include <algorithm>

#include "files/WideText.h"

namespace kelvrin {

std::wstring WideFromLatin1(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char byte : text)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    return wide;
}

std::string Latin1FromWide(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t unit : text) bytes.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    return bytes;
}

bool IsLatin1(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t unit) { return unit <= 0xFF; });
}

std::wstring WideFromName(std::string_view name) {
    const bool validUtf8 =
        name.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name.data(),
                                            static_cast<int>(name.size()), nullptr, 0) > 0;
    return validUtf8 ? WideFromUtf8(name) : WideFromLatin1(name);
}

}  // namespace kelvrin
