#pragma once

#include <QApplication>

#include <memory>

#include "app/CommandLine.h"
#include "launch/ProgramLauncher.h"
#include "settings/ServerSettings.h"
#include "ui/DesktopLinks.h"
#include "ui/TemplateWindow.h"

namespace kelvrin {

// The application: starts Qt, runs the main window modally and ends when it closes. It owns
// the one settings store and the services the windows speak through.
class CKelvrinApp {
public:
    CKelvrinApp(int& argc, char** argv);
    CKelvrinApp(const CKelvrinApp&) = delete;
    CKelvrinApp& operator=(const CKelvrinApp&) = delete;

    // Runs the main window until it closes, in the start directory the command line gives; the
    // program sets no exit code of its own. With chooseFolder the operator first picks the start
    // directory; Cancel ends at once.
    int InitInstance(const CommandLine& commandLine = {});

private:
    QApplication qt_;
    ServerSettings settings_;
    std::unique_ptr<ProgramLauncher> launcher_;
    QtDialogRunner dialogs_;
    DesktopLinkOpener links_;
};

}  // namespace kelvrin
