#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kelvrin {

// The rows a list measures to scroll sideways to its widest name: the few longest names by byte
// count, longest first. Measuring only these fills a list of thousands of rows at once.
std::vector<std::size_t> LongestRows(const std::vector<std::string>& rows);

}  // namespace kelvrin
