#include <iostream>

#include "app/CommandLine.h"
#include "files/TextFile.h"
#include "ui/DisplayCheck.h"
#include "ui/KelvrinApp.h"

namespace {

constexpr int kNoDisplay = 2;

}  // namespace

int main(int argc, char** argv) {
    kelvrin::IgnoreFileSizeSignal();
    // Read before Qt starts, so that "--help" works without a display and Qt takes no options.
    const kelvrin::CommandLine commandLine =
        kelvrin::ReadCommandLine(kelvrin::ArgumentsOf(argc, argv), std::cout, std::cerr);
    if (commandLine.exitCode) return *commandLine.exitCode;
    // Qt would end with advice that does not help; the commands need no window.
    if (!kelvrin::HasDisplay()) {
        std::cerr << "kelvrin: no display to show the window on (kelvrin-cli works without one)\n";
        return kNoDisplay;
    }
    kelvrin::CKelvrinApp app(argc, argv);
    return app.InitInstance(commandLine);
}
