#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <cstdio>

namespace kelvrin {

namespace {

constexpr int kUsageError = 2;

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

CommandLine Ending(int code) {
    CommandLine ending;
    ending.exitCode = code;
    return ending;
}

CommandLine UsageError(const QString& program, const QString& message) {
    Print(stderr, program + ": " + message + "\n");
    return Ending(kUsageError);
}

}  // namespace

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

CommandLine ReadCommandLine(const QStringList& arguments) {
    const QString program = QFileInfo(arguments.value(0, "kelvrin")).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Sets up and starts servers of the game Dravek. Kelvrin works in its start directory, "
        "the game's installation folder: the current directory unless DIRECTORY is given.");
    // Not addHelpOption: its "--help-all" lists Qt's own options, which this program does not
    // take (they are read before Qt starts).
    const QCommandLineOption help({"h", "help"}, "Displays this help and ends.");
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption chooseFolder(
        "choose-folder", "Without DIRECTORY, first ask for the game's installation folder.");
    parser.addOption(chooseFolder);
    parser.addPositionalArgument("DIRECTORY", "The game's installation folder to start in.",
                                 "[DIRECTORY]");

    if (!parser.parse(arguments)) return UsageError(program, parser.errorText());
    if (parser.isSet(help)) {
        // Qt names the program only when a QCoreApplication runs; there is none yet.
        QString text = parser.helpText();
        text.replace("<executable_name>", program);
        Print(stdout, text);
        return Ending(0);
    }
    if (parser.isSet(version)) {
        Print(stdout, program + " " + KELVRIN_VERSION + "\n");
        return Ending(0);
    }
    const QStringList directories = parser.positionalArguments();
    if (directories.size() > 1) return UsageError(program, "more than one directory given");

    CommandLine commandLine;
    if (directories.isEmpty()) {
        commandLine.chooseFolder = parser.isSet(chooseFolder);
        return commandLine;
    }
    const QString& directory = directories.front();
    if (!QFileInfo(directory).isDir())
        return UsageError(program, "no such directory: " + directory);
    if (!QDir::setCurrent(directory))
        return UsageError(program, "can't enter directory: " + directory);
    return commandLine;
}

bool ChooseStartDirectory() {
    const QString directory = QFileDialog::getExistingDirectory(
        nullptr, "Choose the Dravek installation folder", QDir::currentPath());
    return !directory.isEmpty() && QDir::setCurrent(directory);
}

}  // namespace kelvrin
