#pragma once

namespace kelvrin::tools {

// Times kelvrin-cli's show and set in a start directory with 2,000 game folders and 20,000
// map files against one with one folder and no maps, and prints the figures and the goal.
void RunCliBenchmark(int runs);

}  // namespace kelvrin::tools
