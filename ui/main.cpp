#include "app/TextFile.h"
#include "ui/CommandLine.h"
#include "ui/KelvrinApp.h"

int main(int argc, char** argv) {
    kelvrin::IgnoreFileSizeSignal();
    const kelvrin::CommandLine commandLine =
        kelvrin::ReadCommandLine(kelvrin::ArgumentsOf(argc, argv));
    if (commandLine.exitCode) return *commandLine.exitCode;
    kelvrin::CKelvrinApp app(argc, argv);
    return app.InitInstance(commandLine.chooseFolder);
}
