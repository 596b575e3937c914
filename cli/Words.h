#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kelvrin::cli {

// A text echoed in a message, in single quotes, its control characters written as \n, \t, \r or
// \xHH (and a quote or backslash escaped), so that the message stays one line.
std::string Quoted(std::string_view text);

// The same escapes without the quotes, for a whole line that may carry a name.
std::string OneLine(std::string_view text);

// "; did you mean NAME?" for the candidate nearest the text, letter case ignored, when one is
// near enough to have been meant; empty otherwise.
std::string NearestHint(std::string_view text, std::span<const std::string_view> candidates);

}  // namespace kelvrin::cli
