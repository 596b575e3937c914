#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvrin {

// The command-line program: the arguments with the program's name first; prints to out and
// err and gives the exit code. Reads no input and asks nothing.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kelvrin
