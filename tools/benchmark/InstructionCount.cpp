#include "tools/benchmark/InstructionCount.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

// Without valgrind's headers the benchmark still builds, and says why it counts nothing.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define KELVRIN_CALLGRIND 1
#else
#define KELVRIN_CALLGRIND 0
#endif

namespace kelvrin::tools {

namespace {

bool armed = false;

// A counted run takes some seconds; one that never ends has met a window waiting for an answer.
constexpr int kCountedRunMilliseconds = 15 * 60 * 1000;

// The total of the events counted, from the "totals:" line of callgrind's output file.
std::optional<double> TotalOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.startsWith("totals:")) continue;
        bool number = false;
        const double total = line.mid(7).trimmed().toDouble(&number);
        if (number) return total;
    }
    return std::nullopt;
}

}  // namespace

QString WhyNoInstructionCounts() {
    if (QStandardPaths::findExecutable(QStringLiteral("valgrind")).isEmpty())
        return QStringLiteral("valgrind is not installed (Debian package valgrind)");
    if (!KELVRIN_CALLGRIND)
        return QStringLiteral("the benchmark was built without valgrind's headers; build it again");
    return {};
}

std::optional<double> CountInstructions(const QStringList& arguments) {
    const QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("callgrind.out"));
    QProcess valgrind;
    valgrind.start(
        QStringLiteral("valgrind"),
        QStringList{QStringLiteral("--tool=callgrind"), QStringLiteral("--collect-atstart=no"),
                    QStringLiteral("--instr-atstart=no"),
                    QStringLiteral("--callgrind-out-file=") + output,
                    QCoreApplication::applicationFilePath()} +
            arguments);
    const bool ended = valgrind.waitForFinished(kCountedRunMilliseconds);
    const std::optional<double> total = TotalOf(output);
    if (!ended || valgrind.exitStatus() != QProcess::NormalExit || valgrind.exitCode() != 0 ||
        !total) {
        valgrind.kill();
        std::fprintf(stderr, "a counted run failed: %s\n%s\n",
                     qPrintable(arguments.join(QLatin1Char(' '))),
                     valgrind.readAllStandardError().right(2000).constData());
        return std::nullopt;
    }
    return total;
}

void ArmCounting() { armed = true; }

CountedStretch::CountedStretch() : counting_(armed) {
#if KELVRIN_CALLGRIND
    if (counting_) {
        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_TOGGLE_COLLECT;
    }
#endif
}

void CountedStretch::End() {
    if (!counting_) return;
    counting_ = false;
#if KELVRIN_CALLGRIND
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_STOP_INSTRUMENTATION;
#endif
}

}  // namespace kelvrin::tools
