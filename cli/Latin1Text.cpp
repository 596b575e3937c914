#include "cli/Latin1Text.h"

namespace kelvrin::cli {

std::optional<std::string> Latin1FromUtf8(std::string_view text) {
    std::string latin1;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            latin1 += static_cast<char>(byte);
            continue;
        }
        // Only the two-byte sequences C2 80 to C3 BF stand for characters of Latin-1.
        if ((byte != 0xC2 && byte != 0xC3) || pos + 1 >= text.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(text[++pos]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        latin1 += static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F));
    }
    return latin1;
}

std::string Utf8FromLatin1(std::string_view text) {
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

}  // namespace kelvrin::cli
