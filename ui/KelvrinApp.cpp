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
    settings_.startDirectory = commandLine.startDirectory;
    if (commandLine.chooseFolder) {
        const std::optional<std::string> chosen = ChooseStartDirectory();
        // Cancel quits before anything is read or written.
        if (!chosen) return 0;
        settings_.startDirectory = *chosen;
    }
    CKelvrinDlg dialog(settings_, *launcher_, dialogs_, links_);
    TemplateWindow window(dialog);
    dialogs_.SetOwner(&window);
    window.exec();
    return 0;
}

}  // namespace kelvrin
