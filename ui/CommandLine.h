#pragma once

#include <QStringList>

#include <optional>

namespace kelvrin {

// What the command line asks of this run.
struct CommandLine {
    std::optional<int> exitCode;  // set: end at once with this code, without a window
    bool chooseFolder = false;    // ask for the game's installation folder first
};

// Reads the program's arguments (its own name first); needs no QApplication, so "--help" works
// without a display. "--help" and "--version" print to standard output and end with 0; an
// unknown option, or a directory that does not exist or cannot be entered, prints one line to
// standard error and ends with 2. A directory given becomes the current directory, as if
// Kelvrin had been started there; "--choose-folder" without one asks for it.
CommandLine ReadCommandLine(const QStringList& arguments);

QStringList ArgumentsOf(int argc, char** argv);

// Asks for the game's installation folder with the desktop's folder dialog and makes it the
// current directory. False when the operator cancelled (or it cannot be entered): quit then.
bool ChooseStartDirectory();

}  // namespace kelvrin
