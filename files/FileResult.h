#pragma once

#include <system_error>

namespace kelvrin {

// What a file operation came to: true when it succeeded, else the system's reason.
struct FileResult {
    std::error_code reason;

    explicit operator bool() const { return !reason; }
};

// The reason the system gave for the last failed call of this thread.
std::error_code LastSystemError();

}  // namespace kelvrin
