#include "files/TextCompare.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kelvrin {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// The byte each character stands for in a sort key. Names compare by their lowered characters
// as plain (signed) chars, so bytes above 127 come before the ASCII ones; flipping the top bit
// makes that the keys' own unsigned byte order, so that keys compare with memcmp.
std::array<unsigned char, 256> KeyBytes() {
    std::array<unsigned char, 256> bytes{};
    for (std::size_t c = 0; c < bytes.size(); ++c) {
        bytes[c] = static_cast<unsigned char>(
            static_cast<unsigned char>(Lower(static_cast<char>(c))) ^ 0x80u);
    }
    return bytes;
}

// A name's place in the sort: its key's first sixteen bytes as two numbers, which settle most
// comparisons without reading the key buffer (names in a numbered series share their first
// bytes), and where the whole key stands in the common key buffer.
struct SortEntry {
    std::uint64_t head;
    std::uint64_t next;
    std::uint32_t offset;
    std::uint32_t length;
    std::uint32_t index;
};

std::uint64_t BigEndian(const unsigned char* bytes) {
    std::uint64_t number = 0;
    for (int at = 0; at < 8; ++at) number = number << 8 | bytes[at];
    return number;
}

}  // namespace

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

std::string Listed(std::span<const std::string_view> words) {
    std::string listed;
    for (std::size_t index = 0; index < words.size(); ++index) {
        if (index > 0) listed += index + 1 == words.size() ? " or " : ", ";
        listed += words[index];
    }
    return listed;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

void SortIgnoringCase(std::vector<std::string>& names) {
    // Made on each call: the lowering follows the locale in force, as it always has.
    const std::array<unsigned char, 256> keyBytes = KeyBytes();
    std::size_t total = 0;
    for (const std::string& name : names) total += name.size();
    std::vector<unsigned char> keys(total);
    std::vector<SortEntry> entries(names.size());
    std::size_t offset = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        unsigned char* key = keys.data() + offset;
        for (std::size_t at = 0; at < name.size(); ++at) {
            key[at] = keyBytes[static_cast<unsigned char>(name[at])];
        }
        // The first sixteen key bytes, zero after a short key, as two big-endian numbers.
        unsigned char first[16] = {};
        std::memcpy(first, key, std::min<std::size_t>(name.size(), sizeof first));
        const std::uint64_t head = BigEndian(first);
        const std::uint64_t next = BigEndian(first + 8);
        entries[i] = {head, next, static_cast<std::uint32_t>(offset),
                      static_cast<std::uint32_t>(name.size()), static_cast<std::uint32_t>(i)};
        offset += name.size();
    }
    // A shorter key that is the start of a longer one comes first; equal keys go by the names'
    // own bytes, so a listing comes out the same on every run.
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.head != b.head) return a.head < b.head;
        if (a.next != b.next) return a.next < b.next;
        // The first sixteen bytes agree; only the rest of the common part is left to compare.
        constexpr std::uint32_t kHeld = 16;
        const std::uint32_t common = std::min(a.length, b.length);
        const int byKey = common <= kHeld
                              ? 0
                              : std::memcmp(keys.data() + a.offset + kHeld,
                                            keys.data() + b.offset + kHeld, common - kHeld);
        if (byKey != 0) return byKey < 0;
        if (a.length != b.length) return a.length < b.length;
        return names[a.index] < names[b.index];
    });
    // Each name moves to its place along the cycles of the order, without a second list.
    for (std::size_t start = 0; start < entries.size(); ++start) {
        if (entries[start].index == start) continue;
        std::string held = std::move(names[start]);
        std::size_t place = start;
        while (entries[place].index != start) {
            const std::size_t from = entries[place].index;
            names[place] = std::move(names[from]);
            entries[place].index = static_cast<std::uint32_t>(place);
            place = from;
        }
        names[place] = std::move(held);
        entries[place].index = static_cast<std::uint32_t>(place);
    }
}

}  // namespace kelvrin
