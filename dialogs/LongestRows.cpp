#include "dialogs/LongestRows.h"

#include <algorithm>

namespace kelvrin {

namespace {

constexpr std::size_t kMeasuredRows = 8;

}  // namespace

std::vector<std::size_t> LongestRows(const std::vector<std::string>& rows) {
    // One pass, as most names are no longer than those already found.
    std::vector<std::size_t> longest;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::size_t length = rows[row].size();
        if (longest.size() == kMeasuredRows && length <= rows[longest.back()].size()) continue;
        if (longest.size() == kMeasuredRows) longest.pop_back();
        const auto place = std::find_if(longest.begin(), longest.end(), [&](std::size_t other) {
            return rows[other].size() < length;
        });
        longest.insert(place, row);
    }
    return longest;
}

}  // namespace kelvrin
