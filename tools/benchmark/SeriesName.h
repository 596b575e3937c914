#pragma once

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

namespace kelvrin::tools {

// A name of the numbered series, in one of three letter cases; the numbers are scrambled so
// that the directory does not hold them in order.
inline std::string SeriesName(const char* stem, int i, int count, const char* suffix) {
    const long number = (static_cast<long>(i) * 7919) % count;
    std::string name = stem;
    if (i % 3 == 1) std::transform(name.begin(), name.end(), name.begin(), ::toupper);
    if (i % 3 == 2) name[0] = static_cast<char>(::toupper(name[0]));
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06ld", number);
    return name + digits + suffix;
}

}  // namespace kelvrin::tools
