#include "cli/Words.h"

#include <algorithm>
#include <vector>

#include "files/TextCompare.h"

namespace kelvrin::cli {

namespace {

// Letters to insert, remove or change, or neighbours to swap, to turn one text into the other,
// letter case ignored.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = LowerCase(a[i - 1]) == LowerCase(b[j - 1]);
            d[i][j] =
                std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && LowerCase(a[i - 1]) == LowerCase(b[j - 2]) &&
                LowerCase(a[i - 2]) == LowerCase(b[j - 1])) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

void AppendEscaped(std::string& line, char c, bool inQuotes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n') {
        line += "\\n";
    } else if (c == '\r') {
        line += "\\r";
    } else if (c == '\t') {
        line += "\\t";
    } else if (IsControlCharacter(c)) {
        constexpr char kDigits[] = "0123456789abcdef";
        line += "\\x";
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
    } else {
        if (inQuotes && (c == '\'' || c == '\\')) line += '\\';
        line += c;
    }
}

}  // namespace

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    for (const char c : text) AppendEscaped(quoted, c, true);
    return quoted + '\'';
}

std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) AppendEscaped(line, c, false);
    return line;
}

std::string NearestHint(std::string_view text, std::span<const std::string_view> candidates) {
    std::string_view nearest;
    std::size_t best = std::string_view::npos;
    for (const std::string_view candidate : candidates) {
        const std::size_t distance = EditDistance(text, candidate);
        if (distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    // A slip of a letter or two, never so many that most of the word is another's.
    const std::size_t allowed = std::max<std::size_t>(2, text.size() / 3);
    if (nearest.empty() || best > allowed || 2 * best >= text.size()) return {};
    return "; did you mean " + std::string(nearest) + "?";
}

}  // namespace kelvrin::cli
