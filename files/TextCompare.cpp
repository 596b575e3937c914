#include "files/TextCompare.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>

namespace kelvrin {

namespace {

// The byte each character stands for in a sort key. Names compare by their lowered characters
// as plain (signed) chars, so bytes above 127 come before the ASCII ones; flipping the top bit
// makes that the keys' own unsigned byte order, so that keys compare as unsigned numbers.
std::array<unsigned char, 256> KeyBytes() {
    std::array<unsigned char, 256> bytes{};
    for (std::size_t c = 0; c < bytes.size(); ++c) {
        bytes[c] = static_cast<unsigned char>(
            static_cast<unsigned char>(LowerCase(static_cast<char>(c))) ^ 0x80u);
    }
    return bytes;
}

// A name's place in the sort: its key's first twelve bytes as two numbers, which settle most
// comparisons (names in a numbered series share their first bytes), and the name's index. Kept
// to sixteen bytes, as each of a large folder's names has one.
struct SortEntry {
    std::uint64_t head;
    std::uint32_t next;
    std::uint32_t index;
};
constexpr std::size_t kKeyBytesHeld = 12;

SortEntry EntryFor(const std::array<unsigned char, 256>& keyBytes, const std::string& name,
                   std::uint32_t index) {
    std::uint64_t key[2] = {};
    for (std::size_t at = 0; at < kKeyBytesHeld; ++at) {
        const unsigned char byte =
            at < name.size() ? keyBytes[static_cast<unsigned char>(name[at])] : 0;
        key[at / 8] = key[at / 8] << 8 | byte;
    }
    return {key[0], static_cast<std::uint32_t>(key[1]), index};
}

}  // namespace

char LowerCase(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
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
                      [](char x, char y) { return LowerCase(x) == LowerCase(y); });
}

void SortIgnoringCase(std::vector<std::string>& names) {
    // Made on each call: the lowering follows the locale in force, as it always has.
    const std::array<unsigned char, 256> keyBytes = KeyBytes();
    std::vector<SortEntry> entries(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        entries[i] = EntryFor(keyBytes, names[i], static_cast<std::uint32_t>(i));
    }
    // A shorter key that is the start of a longer one comes first; equal keys go by the names'
    // own bytes, so a listing comes out the same on every run.
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.head != b.head) return a.head < b.head;
        if (a.next != b.next) return a.next < b.next;
        // The first bytes agree; only the rest of the common part is left to compare.
        const std::string& first = names[a.index];
        const std::string& second = names[b.index];
        const std::size_t common = std::min(first.size(), second.size());
        for (std::size_t at = kKeyBytesHeld; at < common; ++at) {
            const unsigned char x = keyBytes[static_cast<unsigned char>(first[at])];
            const unsigned char y = keyBytes[static_cast<unsigned char>(second[at])];
            if (x != y) return x < y;
        }
        if (first.size() != second.size()) return first.size() < second.size();
        return first < second;
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
