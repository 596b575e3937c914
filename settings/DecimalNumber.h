#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

namespace kelvrin {

// The whole number a text begins with: leading white space, an optional sign, then decimal
// digits up to the first other character; 0 when there is no number. A number beyond the
// 32-bit range saturates at its end, instead of wrapping into a different value.
std::int32_t ParseLeadingInteger(std::string_view text);

// Whether the whole text is one decimal number of the type, which it then gives.
template <typename Number>
bool ReadWholeNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace kelvrin
