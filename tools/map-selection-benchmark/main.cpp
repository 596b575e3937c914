// Times the map selection dialog over a game folder whose "mp" folder holds many map files
// (20000 unless a count is given): listing the files alone, and opening the dialog until its
// first paint. Runs in a temporary start directory that is removed afterwards.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdlib>
#include <string>

#include "maps/MapCycle.h"
#include "settings/ServerSettings.h"
#include "tests/support/RecordingMessages.h"
#include "ui/MapSelectionDlg.h"

namespace {

using namespace kelvrin;

bool MakeMapFiles(const QString& folder, int count) {
    if (!QDir().mkpath(folder)) return false;
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/map%2.map").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly)) return false;
    }
    return true;
}

double Milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1.0e6; }

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;

    QTemporaryDir start;
    if (!start.isValid() || !MakeMapFiles(start.path() + "/dvbase/mp", count)) {
        QTextStream(stderr) << "cannot make the map files\n";
        return 1;
    }
    QDir::setCurrent(start.path());
    ServerSettings settings;
    settings.startDirectory = start.path().toStdString();
    testing::RecordingMessages messages;
    QTextStream out(stdout);

    QElapsedTimer clock;
    clock.start();
    MapRows available;
    MapRows selected;
    LoadMapLists(settings, available, selected);
    out << "listing " << available.size() << " maps: " << Milliseconds(clock) << " ms\n";

    clock.restart();
    CMapSelectionDlg dialog(settings, messages);
    const double built = Milliseconds(clock);
    dialog.show();
    QApplication::processEvents();
    dialog.grab();
    const double shown = Milliseconds(clock);
    out << "dialog with " << dialog.ItemAs<QListWidget>(1037)->count()
        << " available rows: built " << built << " ms, shown and painted " << shown << " ms\n";

    clock.restart();
    auto* list = dialog.ItemAs<QListWidget>(1037);
    list->scrollToBottom();
    list->setCurrentRow(list->count() - 1);
    dialog.grab();
    out << "scrolled to the last row and painted: " << Milliseconds(clock) << " ms\n";
    for (const std::string& text : messages.shown) out << "message: " << text.c_str() << "\n";
    return 0;
}
