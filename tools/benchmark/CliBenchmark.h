#pragma once

#include <QString>

namespace kelvrin::tools {

// Times kelvrin-cli's show and set in a start directory with 2,000 game folders and 20,000
// map files against one with one folder and no maps, and prints the figures and the goal; with
// the instructions of one run of each beside them when countInstructions.
void RunCliBenchmark(int runs, bool countInstructions);

// One counted run of a command ("show" or "set") in the start directory given, after one run
// that warms the caches; the process's exit code.
int RunCountedCliCommand(const QString& command, const QString& startDirectory);

}  // namespace kelvrin::tools
