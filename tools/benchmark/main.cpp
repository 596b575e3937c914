// Measures what the operator waits for, in CPU time (user and system) of the process that does
// the work, as the median of several runs on one machine in one go:
//   - start-up: the main window from its construction to its first idle moment, as the first
//     window of a fresh process (this program run again), against a bare Qt dialog of plain
//     widgets holding the same controls; and with 2,000 and 20,000 game folders against one.
//     The same windows are also timed again in a running process;
//   - the map selection dialog in a running process over 20,000 and 100,000 map files against
//     none, and the part of it spent listing the map folder;
//   - a save (compose kelvrin.cfg and write it), without the time inside its syncs.
// Each round takes every part in turn, and two figures are compared round by round: a goal is on
// the median of the rounds' ratios or differences. Beside each time it counts the instructions of
// one round under callgrind (this program run again under valgrind), a figure that hardly moves
// with the load of the machine. Everything runs offscreen in temporary start directories that are
// removed afterwards. Usage: kelvrin_benchmark [runs]   (7 runs unless given)
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include "dialogs/DialogIds.h"
#include "dialogs/DialogTemplate.h"
#include "dialogs/KelvrinDlg.h"
#include "dialogs/MapSelectionDlg.h"
#include "launch/ProgramLauncher.h"
#include "maps/MapList.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"
#include "settings/ServerSettings.h"
#include "tools/benchmark/CliBenchmark.h"
#include "tools/benchmark/InstructionCount.h"
#include "tools/benchmark/Median.h"
#include "tools/benchmark/SeriesName.h"
#include "tools/common/QuietServices.h"
#include "ui/DialogUnits.h"
#include "ui/TemplateWindow.h"
#include "ui/WindowText.h"

namespace {

double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The syncs of a save are counted apart: on a real disk they wait for the device, and the
// promise that a saved file survives a crash rests on them.
double syncMilliseconds = 0;
int syncCalls = 0;

}  // namespace

namespace {

int CountedSync(long call, int fd) {
    const double start = CpuMilliseconds();
    const int result = static_cast<int>(::syscall(call, fd));
    syncMilliseconds += CpuMilliseconds() - start;
    ++syncCalls;
    return result;
}

}  // namespace

// Every sync of the program passes through here (this program's own definition comes before
// the C library's).
extern "C" int fsync(int fd) { return CountedSync(SYS_fsync, fd); }
extern "C" int fdatasync(int fd) { return CountedSync(SYS_fdatasync, fd); }

namespace {

using namespace kelvrin;
using tools::Median;
using tools::SeriesName;

// A start directory with the game folder dvbase, more game folders beside it and map files in
// dvbase/mp.
class Installation {
public:
    Installation(int folders, int maps) {
        root_ = dir_.path().toStdString();
        bool made = dir_.isValid() && MakeFolder("dvbase") && MakeFolder("dvbase/mp");
        for (int i = 1; made && i < folders; ++i)
            made = MakeFolder(SeriesName("mod", i, folders, ""));
        for (int i = 0; made && i < maps; ++i) {
            const std::string path = root_ + "/dvbase/mp/" + SeriesName("map", i, maps, ".map");
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            made = fd >= 0 && ::close(fd) == 0;
        }
        if (!made) {
            std::fprintf(stderr, "cannot make the installation in %s\n", root_.c_str());
            std::exit(1);
        }
    }

    const std::string& Root() const { return root_; }

private:
    bool MakeFolder(const std::string& name) {
        return ::mkdir((root_ + "/" + name).c_str(), 0755) == 0;
    }

    QTemporaryDir dir_;
    std::string root_;
};

class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// Shows the window and lets it run until it has painted itself and has nothing left to do.
void ShowUntilIdle(QWidget& window) {
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    for (int round = 0; round < 1000 && !watch.painted; ++round) QApplication::processEvents();
    QApplication::processEvents();
    window.removeEventFilter(&watch);
    if (!watch.painted) std::fprintf(stderr, "a window did not paint itself\n");
}

QWidget& WidgetOf(QWidget& widget) { return widget; }

// A dialog of the dialog layer together with its window, made and timed as one.
template <class Dialog>
struct Opened {
    template <class... Arguments>
    explicit Opened(Arguments&... arguments) : dialog(arguments...), window(dialog) {}
    Dialog dialog;
    TemplateWindow window;
};

template <class Dialog>
QWidget& WidgetOf(Opened<Dialog>& opened) {
    return opened.window;
}

// The CPU time of making and showing a window until idle; closing it is not counted.
template <class Make>
double TimeWindow(Make make) {
    tools::CountedStretch counted;
    const double start = CpuMilliseconds();
    auto window = make();
    ShowUntilIdle(WidgetOf(*window));
    const double spent = CpuMilliseconds() - start;
    counted.End();
    window.reset();
    QApplication::processEvents();
    return spent;
}

// The main window's controls in plain Qt widgets: the same kinds, count, texts, items and
// places, and nothing else.
class BareDialog {
public:
    BareDialog() : template_(*FindDialogTemplate(mainwindow::kTemplate)) {}

    // Places the controls by the font, as any dialog must, and loads the icon the plain way.
    std::unique_ptr<QWidget> Make() const {
        const DialogBaseUnits base = BaseUnitsOf(QApplication::font());
        auto dialog = std::make_unique<QDialog>();
        dialog->setWindowTitle(TemplateText(template_.caption));
        dialog->setFixedSize(ToPixels(QRect(0, 0, template_.width, template_.height), base).size());
        for (const ControlTemplate& control : template_.controls) {
            QWidget* widget = nullptr;
            switch (control.kind) {
                case ControlKind::Label:
                case ControlKind::Link:
                    widget = new QLabel(TemplateText(control.text), dialog.get());
                    break;
                case ControlKind::Icon: {
                    auto* label = new QLabel(dialog.get());
                    label->setPixmap(
                        QPixmap(QStringLiteral(":/icons/icon%1.xpm").arg(control.icon)));
                    widget = label;
                    break;
                }
                case ControlKind::Group:
                    widget = new QGroupBox(TemplateText(control.text), dialog.get());
                    break;
                case ControlKind::Edit:
                case ControlKind::DigitsEdit:
                    widget = new QLineEdit(TemplateText(control.text), dialog.get());
                    break;
                case ControlKind::Combo: {
                    auto* combo = new QComboBox(dialog.get());
                    combo->setEditable(true);
                    for (const std::string_view item : MainWindowEntries(control.id))
                        combo->addItem(TemplateText(item));
                    widget = combo;
                    break;
                }
                case ControlKind::Check:
                    widget = new QCheckBox(TemplateText(control.text), dialog.get());
                    break;
                case ControlKind::Button:
                case ControlKind::DefaultButton:
                    widget = new QPushButton(TemplateText(control.text), dialog.get());
                    break;
                case ControlKind::List:
                    widget = new QListWidget(dialog.get());
                    break;
            }
            const DialogRect& rect = control.rect;
            widget->setGeometry(ToPixels(QRect(rect.x, rect.y, rect.width, rect.height), base));
        }
        return dialog;
    }

    std::size_t ControlCount() const { return template_.controls.size(); }

private:
    const DialogTemplate& template_;
};

struct Services {
    ServerSettings settings;
    tools::NoLauncher launcher;
    tools::NoDialogs dialogs;
    tools::NoLinks links;
};

double TimeMainWindow(const QString& startDirectory) {
    QDir::setCurrent(startDirectory);
    Services services;
    return TimeWindow([&] {
        return std::make_unique<Opened<CKelvrinDlg>>(services.settings, services.launcher,
                                                     services.dialogs, services.links);
    });
}

double TimeMapDialog(const QString& startDirectory) {
    QDir::setCurrent(startDirectory);
    Services services;
    services.settings.startDirectory = startDirectory.toStdString();
    return TimeWindow(
        [&] { return std::make_unique<Opened<CMapSelectionDlg>>(services.settings); });
}

// The CPU time of one save without the time inside its syncs, and the syncs it made.
double TimeSave(const QString& startDirectory, int& syncs, double& syncTime) {
    QDir::setCurrent(startDirectory);
    Services services;
    services.settings.startDirectory = startDirectory.toStdString();
    const double syncsBefore = syncMilliseconds;
    const int callsBefore = syncCalls;
    tools::CountedStretch counted;
    const double start = CpuMilliseconds();
    const std::string text = ComposeServerConfig(services.settings).value_or("");
    const bool written =
        WriteServerConfigFile(services.settings, text).result == ConfigWriteResult::Written;
    const double spent = CpuMilliseconds() - start;
    counted.End();
    syncTime = syncMilliseconds - syncsBefore;
    syncs = syncCalls - callsBefore;
    if (!written) std::fprintf(stderr, "the save failed\n");
    return spent - syncTime;
}

// The part of the map dialog spent listing its folder, the core's own work.
double TimeListing(const QString& startDirectory) {
    const std::string folder = startDirectory.toStdString() + "/dvbase/mp";
    tools::CountedStretch counted;
    const double start = CpuMilliseconds();
    const std::vector<std::string> maps = ListMapFiles(folder);
    const double spent = CpuMilliseconds() - start;
    counted.End();
    if (maps.empty()) std::fprintf(stderr, "no map files listed in %s\n", folder.c_str());
    return spent;
}

// The measurements made in the running process, by name: "bare", "main", "maps", "listing" and
// "save".
double MeasureInProcess(const QString& which, const QString& startDirectory) {
    if (which == QLatin1String("bare")) {
        const BareDialog bare;
        return TimeWindow([&] { return bare.Make(); });
    }
    if (which == QLatin1String("main")) return TimeMainWindow(startDirectory);
    if (which == QLatin1String("maps")) return TimeMapDialog(startDirectory);
    if (which == QLatin1String("listing")) return TimeListing(startDirectory);
    int syncs = 0;
    double syncTime = 0;
    return TimeSave(startDirectory, syncs, syncTime);
}

// One round of a measurement in the running process, counted, after one uncounted round that
// loads fonts, styles and caches as the benchmark's first round does.
int RunCountedRound(const QString& which, const QString& startDirectory) {
    MeasureInProcess(which, startDirectory);
    tools::ArmCounting();
    MeasureInProcess(which, startDirectory);
    return 0;
}

// The first window of a process, as when the program starts: run in a fresh process, which
// prints its CPU milliseconds. Both windows look up the font first thing, which the first of
// them pays for; "font-ready" does that before the clock starts, for a stricter comparison.
int RunFirstWindow(const QString& which, const QString& mode, const QString& startDirectory) {
    tools::ArmCounting();
    if (mode == QLatin1String("font-ready")) BaseUnitsOf(QApplication::font());
    double spent = 0;
    if (which == QLatin1String("main")) {
        spent = TimeMainWindow(startDirectory);
    } else {
        const BareDialog bare;
        spent = TimeWindow([&] { return bare.Make(); });
    }
    std::printf("%.4f\n", spent);
    return 0;
}

double TimeInFreshProcess(const QStringList& arguments) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    bool number = false;
    double spent = 0;
    if (child.waitForFinished(120000) && child.exitCode() == 0) {
        spent = child.readAllStandardOutput().trimmed().toDouble(&number);
    }
    if (!number) {
        std::fprintf(stderr, "the fresh process failed: %s\n",
                     child.readAllStandardError().constData());
        std::exit(1);
    }
    return spent;
}

// One figure: how it is timed, and the arguments of this program for one counted round of it.
struct Series {
    const char* name;
    std::function<double()> measure;
    QStringList countedRound;
    std::vector<double> times = {};
    std::optional<double> instructions = {};

    double Median() const { return tools::Median(times); }
};

// A round's figures meet the same load of the machine, so two figures are compared round by
// round: the median of the rounds' ratios, and of the rounds' differences.
double MedianRatio(const Series& figure, const Series& baseline) {
    std::vector<double> ratios;
    for (std::size_t round = 0; round < figure.times.size(); ++round)
        ratios.push_back(figure.times[round] / baseline.times[round]);
    return Median(ratios);
}

double MedianExtra(const Series& figure, const Series& baseline) {
    std::vector<double> extras;
    for (std::size_t round = 0; round < figure.times.size(); ++round)
        extras.push_back(figure.times[round] - baseline.times[round]);
    return Median(extras);
}

Series FirstWindow(const char* name, const char* which, const char* mode,
                   const Installation& installation) {
    QStringList arguments{QStringLiteral("--first-window"), QString::fromLatin1(which),
                          QString::fromLatin1(mode), QString::fromStdString(installation.Root())};
    return {name, [arguments] { return TimeInFreshProcess(arguments); }, arguments};
}

Series InProcess(const char* name, const char* which, const Installation& installation) {
    const QString kind = QString::fromLatin1(which);
    const QString root = QString::fromStdString(installation.Root());
    return {name,
            [kind, root] { return MeasureInProcess(kind, root); },
            {QStringLiteral("--counted-round"), kind, root}};
}

const char* Verdict(bool met) { return met ? "met" : "NOT met"; }

// The verdict, and what is printed beside it in a column of its own.
std::string VerdictAnd(bool met, const std::string& beside) {
    if (beside.empty()) return Verdict(met);
    char text[160];
    std::snprintf(text, sizeof text, "%-7s%s", Verdict(met), beside.c_str());
    return text;
}

// Instructions in millions, or blanks when they were not counted.
std::string Millions(const std::optional<double>& instructions) {
    if (!instructions) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%12.3f M", *instructions / 1e6);
    return text;
}

// The instructions of a figure as a ratio to those of its baseline, when both were counted.
std::optional<double> InstructionRatio(const Series& figure, const Series& baseline) {
    if (!figure.instructions || !baseline.instructions) return std::nullopt;
    return *figure.instructions / *baseline.instructions;
}

// The ratio by instructions beside a figure's time: with the goal where the goal is a ratio, else
// with the baseline it is taken against. Nothing when it was not counted.
std::string ByInstructions(const Series& figure, const Series& baseline,
                           std::optional<double> goal = std::nullopt) {
    const std::optional<double> ratio = InstructionRatio(figure, baseline);
    if (!ratio) return {};
    char text[96];
    if (goal) {
        std::snprintf(text, sizeof text, "   by instructions %6.3f x   goal <= %.2f  %s", *ratio,
                      *goal, Verdict(*ratio <= *goal));
    } else {
        std::snprintf(text, sizeof text, "   by instructions %6.3f x of %s", *ratio, baseline.name);
    }
    return text;
}

// The two ratios of a start-up comparison, by time and, when counted, by instructions.
void PrintStartUpRatios(const char* heading, const Series& bare, const Series& one,
                        const Series& twoThousand) {
    std::printf("%-33s start-up / bare dialog %.3f x, 2,000 folders / 1 folder %.3f x\n", heading,
                MedianRatio(one, bare), MedianRatio(twoThousand, one));
    const std::optional<double> startUp = InstructionRatio(one, bare);
    const std::optional<double> folders = InstructionRatio(twoThousand, one);
    if (!startUp || !folders) return;
    std::printf("%33s start-up / bare dialog %.3f x, 2,000 folders / 1 folder %.3f x\n",
                "by instructions:", *startUp, *folders);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--first-window")) {
        return RunFirstWindow(arguments.value(2), arguments.value(3), arguments.value(4));
    }
    if (arguments.value(1) == QLatin1String("--counted-round")) {
        return RunCountedRound(arguments.value(2), arguments.value(3));
    }
    if (arguments.value(1) == QLatin1String("--counted-cli")) {
        return tools::RunCountedCliCommand(arguments.value(2), arguments.value(3));
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QString startedIn = QDir::currentPath();
    const QString noCounts = tools::WhyNoInstructionCounts();

    std::fprintf(stderr, "making the installations...\n");
    const Installation one(1, 0);
    const Installation twoThousand(2000, 0);
    const Installation twentyThousand(20000, 0);
    const Installation maps20k(1, 20000);
    const Installation maps100k(1, 100000);

    Series series[] = {
        FirstWindow("bare dialog", "bare", "full", one),
        FirstWindow("main window, 1 folder", "main", "full", one),
        FirstWindow("main window, 2,000 folders", "main", "full", twoThousand),
        FirstWindow("main window, 20,000 folders", "main", "full", twentyThousand),
        FirstWindow("bare dialog", "bare", "font-ready", one),
        FirstWindow("main window, 1 folder", "main", "font-ready", one),
        FirstWindow("main window, 2,000 folders", "main", "font-ready", twoThousand),
        InProcess("bare dialog", "bare", one),
        InProcess("main window, 1 folder", "main", one),
        InProcess("main window, 2,000 folders", "main", twoThousand),
        InProcess("main window, 20,000 folders", "main", twentyThousand),
        InProcess("map dialog, no map files", "maps", one),
        InProcess("map dialog, 20,000 map files", "maps", maps20k),
        InProcess("map dialog, 100,000 map files", "maps", maps100k),
        InProcess("listing 20,000 map files", "listing", maps20k),
        InProcess("listing 100,000 map files", "listing", maps100k),
    };
    const QString oneRoot = QString::fromStdString(one.Root());
    std::vector<double> saves, syncTimes;
    int syncsPerSave = 0;
    auto save = [&](bool counted) {
        double syncTime = 0;
        const double spent = TimeSave(oneRoot, syncsPerSave, syncTime);
        if (!counted) return;
        saves.push_back(spent);
        syncTimes.push_back(syncTime);
    };
    // One round first to load fonts, styles and caches, then the measured rounds, taking each
    // part in turn so that all of them see the same machine; ten saves in each round.
    for (Series& part : series) part.measure();
    save(false);
    for (int run = 0; run < runs; ++run) {
        for (Series& part : series) part.times.push_back(part.measure());
        for (int i = 0; i < 10; ++i) save(true);
    }
    // Counted after the timed rounds, which the valgrind runs would otherwise slow down.
    std::optional<double> saveInstructions;
    if (noCounts.isEmpty()) {
        std::fprintf(stderr, "counting instructions under callgrind...\n");
        for (Series& part : series) part.instructions = tools::CountInstructions(part.countedRound);
        saveInstructions = tools::CountInstructions(
            {QStringLiteral("--counted-round"), QStringLiteral("save"), oneRoot});
    }
    QDir::setCurrent(startedIn);

    if (noCounts.isEmpty()) {
        std::printf(
            "CPU time in ms, median of %d runs (lowest .. highest), and the instructions "
            "of one run counted by callgrind:\n",
            runs);
    } else {
        std::printf("Instructions not counted: %s. CPU times alone.\n", qPrintable(noCounts));
        std::printf("CPU time in ms, median of %d runs (lowest .. highest):\n", runs);
    }
    for (std::size_t i = 0; i < std::size(series); ++i) {
        if (i == 0) std::printf(" first window of a fresh process (the program's start-up):\n");
        if (i == 4) std::printf(" the same, with the font looked up before the clock starts:\n");
        if (i == 7) std::printf(" the same windows again in a running process:\n");
        if (i == 11) std::printf(" map selection dialog in a running process:\n");
        if (i == 14) std::printf(" of which listing the map folder (maps/, files/):\n");
        const Series& part = series[i];
        const auto [low, high] = std::minmax_element(part.times.begin(), part.times.end());
        std::printf("  %-31s %8.2f   (%6.2f .. %6.2f)%s\n", part.name, part.Median(), *low, *high,
                    Millions(part.instructions).c_str());
    }
    std::printf(" a save (compose and write kelvrin.cfg), %d saves:\n", 10 * runs);
    const auto [fewest, most] = std::minmax_element(saves.begin(), saves.end());
    std::printf("  %-31s %8.3f   (%6.3f .. %6.3f)%s\n", "besides its syncs", Median(saves), *fewest,
                *most, Millions(saveInstructions).c_str());
    std::printf("  %-31s %8.3f   (%d syncs per save)\n", "inside its syncs", Median(syncTimes),
                syncsPerSave);

    const Series& bare = series[0];
    const Series& oneFolder = series[1];
    const Series& noMaps = series[11];
    const double startUp = MedianRatio(oneFolder, bare);
    const double twoThousandRatio = MedianRatio(series[2], oneFolder);
    const double twentyThousandMs = series[3].Median();
    const double extra20k = MedianExtra(series[12], noMaps);
    const double extra100k = MedianExtra(series[13], noMaps);
    const double saveMs = Median(saves);
    std::printf(
        "Goals (start-up: first window of a fresh process; ratios and extras the median of "
        "the rounds' own):\n");
    std::printf("  start-up / bare dialog, %zu controls:   %6.3f x   goal <= 1.10  %s\n",
                BareDialog().ControlCount(), startUp,
                VerdictAnd(startUp <= 1.10, ByInstructions(oneFolder, bare, 1.10)).c_str());
    std::printf(
        "  start-up, 2,000 folders / 1 folder:    %6.3f x   goal <= 1.15  %s\n", twoThousandRatio,
        VerdictAnd(twoThousandRatio <= 1.15, ByInstructions(series[2], oneFolder, 1.15)).c_str());
    std::printf("  start-up, 20,000 folders:              %6.1f ms  goal < 200    %s\n",
                twentyThousandMs,
                VerdictAnd(twentyThousandMs < 200, ByInstructions(series[3], oneFolder)).c_str());
    std::printf("  map dialog, 20,000 map files, extra:   %6.1f ms  goal <= 10    %s\n", extra20k,
                VerdictAnd(extra20k <= 10, ByInstructions(series[12], noMaps)).c_str());
    std::printf("  map dialog, 100,000 map files, extra:  %6.1f ms  goal <= 40    %s\n", extra100k,
                VerdictAnd(extra100k <= 40, ByInstructions(series[13], noMaps)).c_str());
    std::printf("  a save besides its %d syncs:            %6.3f ms  goal <= 0.1   %s\n",
                syncsPerSave, saveMs, Verdict(saveMs <= 0.1));
    PrintStartUpRatios("Font looked up before the clock:", series[4], series[5], series[6]);
    PrintStartUpRatios("In a running process:", series[7], series[8], series[9]);
    tools::RunCliBenchmark(runs, noCounts.isEmpty());
    return 0;
}
