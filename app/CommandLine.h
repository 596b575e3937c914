#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kelvrin {

// What the command line asks of this run.
struct CommandLine {
    std::optional<int> exitCode;  // set: end at once with this code, without a window
    bool chooseFolder = false;    // ask for the game's installation folder first
    std::string startDirectory;   // the folder given, from the root; empty: the current one
};

// Reads the program's arguments (its own name first), before any window exists, so "--help"
// works without a display. "--help" and "--version" print to out and end with 0; an unknown
// option, more than one directory, or a directory that does not exist or cannot be entered
// prints one line to err and ends with 2. A directory given is the start directory, as if
// Kelvrin had been started there; "--choose-folder" without one asks for it.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                            std::ostream& err);

std::vector<std::string> ArgumentsOf(int argc, char** argv);

// The start directory of the run: the one the command line gives, or, when it asks for a
// choice, the folder chosen. Nothing when the choice is cancelled: the run ends before anything
// is read or written.
std::optional<std::string> StartDirectoryOf(
    const CommandLine& commandLine, const std::function<std::optional<std::string>()>& choose);

}  // namespace kelvrin
