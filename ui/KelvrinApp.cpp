#include "ui/KelvrinApp.h"

#include "dialogs/KelvrinDlg.h"
#include "ui/ApplicationTitle.h"
#include "ui/FolderChooser.h"

namespace kelvrin {

CKelvrinApp::CKelvrinApp(int& argc, char** argv)
    : qt_(argc, argv), launcher_(MakeSystemLauncher()) {
    // The caption of every message box without one of its own.
    QApplication::setApplicationName(ApplicationTitle());
    QApplication::setApplicationVersion(KELVRIN_VERSION);
}

int CKelvrinApp::InitInstance(const CommandLine& commandLine) {
    const std::optional<std::string> start = StartDirectoryOf(commandLine, ChooseStartDirectory);
    if (!start) return 0;
    settings_.startDirectory = *start;
    CKelvrinDlg dialog(settings_, *launcher_, dialogs_, links_);
    TemplateWindow window(dialog);
    dialogs_.SetOwner(&window);
    window.exec();
    return 0;
}

}  // namespace kelvrin
