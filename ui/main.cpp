#include <iostream>

#include "app/CommandLine.h"
#include "files/TextFile.h"
#include "ui/KelvrinApp.h"

int main(int argc, char** argv) {
    kelvrin::IgnoreFileSizeSignal();
    // Read before Qt starts, so that "--help" works without a display and Qt takes no options.
    const kelvrin::CommandLine commandLine =
        kelvrin::ReadCommandLine(kelvrin::ArgumentsOf(argc, argv), std::cout, std::cerr);
    if (commandLine.exitCode) return *commandLine.exitCode;
    kelvrin::CKelvrinApp app(argc, argv);
    return app.InitInstance(commandLine.chooseFolder);
}
