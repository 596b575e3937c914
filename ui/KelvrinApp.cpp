#include "ui/KelvrinApp.h"

#include "ui/ApplicationTitle.h"
#include "ui/FolderChooser.h"
#include "ui/KelvrinDlg.h"

namespace kelvrin {

CKelvrinApp::CKelvrinApp(int& argc, char** argv)
    : qt_(argc, argv), messages_(nullptr), launcher_(MakeSystemLauncher()) {
    // The caption of every message box without one of its own.
    QApplication::setApplicationName(ApplicationTitle());
    QApplication::setApplicationVersion(KELVRIN_VERSION);
}

int CKelvrinApp::InitInstance(bool chooseFolder) {
    // Cancel quits before anything is read or written.
    if (chooseFolder && !ChooseStartDirectory()) return 0;
    CKelvrinDlg window(settings_, messages_, *launcher_, urls_);
    messages_.SetOwner(&window);
    window.exec();
    messages_.SetOwner(nullptr);
    return 0;
}

}  // namespace kelvrin
