#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "messages/OperatorMessages.h"

namespace kelvrin::fuzz {

inline std::string_view TextOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The composed config always fits, so nothing is ever shown; a message would be a finding.
class NoMessages : public OperatorMessages {
public:
    void Show(const std::string&) override { __builtin_trap(); }
    bool AskYesNo(const std::string&, const std::string&) override { __builtin_trap(); }
};

}  // namespace kelvrin::fuzz
