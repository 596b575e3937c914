#pragma once

#include <ostream>

#include "cli/Invocation.h"
#include "settings/ServerSettings.h"

namespace kelvrin::cli {

// The life of the game folder's server: start (recorded, or in the foreground), status, stop.
// Each gives the exit code.
int Start(const Invocation& invocation, ServerSettings& settings, std::ostream& out,
          std::ostream& err);
int Status(const ServerSettings& settings, std::ostream& out, std::ostream& err);
int Stop(const Invocation& invocation, const ServerSettings& settings, std::ostream& out,
         std::ostream& err);

}  // namespace kelvrin::cli
