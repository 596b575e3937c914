// Renders the main window and its dialogs offscreen into PNG files, on a temporary copy of the
// demo installation so nothing in the source tree is read or written by the windows.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <string>

#include "dialogs/AboutDlg.h"
#include "dialogs/AdvancedSettingsDlg.h"
#include "dialogs/KelvrinDlg.h"
#include "dialogs/MapSelectionDlg.h"
#include "settings/ServerSettings.h"
#include "tools/common/QuietServices.h"
#include "ui/TemplateWindow.h"

namespace {

using namespace kelvrin;

bool CopyTree(const QString& from, const QString& to) {
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString source = entries.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        const bool copied =
            QFileInfo(source).isDir() ? QDir().mkpath(target) : QFile::copy(source, target);
        if (!copied) return false;
    }
    return true;
}

bool Render(QWidget& window, const QString& file) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(file);
    window.hide();
    QTextStream(stderr) << (saved ? "wrote " : "could not write ") << file << "\n";
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: kelvrin_screenshots <demo folder> <output folder>\n";
        return 2;
    }
    const QString demo = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    QTemporaryDir installation;
    if (!installation.isValid() || !CopyTree(demo, installation.path()) || !QDir().mkpath(output)) {
        QTextStream(stderr) << "cannot prepare a copy of " << demo << "\n";
        return 1;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(installation.path());

    ServerSettings settings;
    tools::NoLauncher launcher;
    tools::NoDialogs dialogs;
    tools::NoLinks links;
    bool rendered = false;
    {
        CKelvrinDlg mainDialog(settings, launcher, dialogs, links);
        CAboutDlg aboutDialog;
        CMapSelectionDlg mapsDialog(settings);
        CAdvancedSettingsDlg advancedDialog(settings);
        TemplateWindow mainWindow(mainDialog);
        TemplateWindow about(aboutDialog, &mainWindow);
        TemplateWindow maps(mapsDialog, &mainWindow);
        TemplateWindow advanced(advancedDialog, &mainWindow);
        rendered = Render(mainWindow, output + "/main-window.png") &&
                   Render(about, output + "/about.png") &&
                   Render(maps, output + "/map-selection.png") &&
                   Render(advanced, output + "/advanced-settings.png");
    }
    QDir::setCurrent(previous);
    return rendered ? 0 : 1;
}
