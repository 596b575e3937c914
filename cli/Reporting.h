#pragma once

#include <ostream>
#include <string>

#include "messages/Result.h"

namespace kelvrin::cli {

// Prints what a command of the core ended with and gives the exit code: a success's message on
// standard output; a failure on standard error as "kelvrin-cli: " and the window's message, then
// the system's reason, one line.
int Report(const Result& result, std::ostream& out, std::ostream& err);

// An argument refused before anything was written: "kelvrin-cli: " and the refusal; exit code 2.
int Refuse(std::ostream& err, const std::string& refusal);

}  // namespace kelvrin::cli
