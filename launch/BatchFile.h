#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "settings/ServerSettings.h"

namespace kelvrin {

// "kvr_<folder>.bat".
std::string BatchFileName(std::string_view folder);

// The batch file's one line; it ends with a line feed only without the map cycle.
std::string BatchFileLine(const ServerSettings& settings);

// The line as the bytes the command processor must read to hand the game the folder's real
// name, or why no batch line can carry the folder: a control character would end the line and
// start a command of its own.
struct BatchBytes {
    std::string bytes;
    std::error_code reason;
};
BatchBytes BatchFileBytes(const ServerSettings& settings);

}  // namespace kelvrin
