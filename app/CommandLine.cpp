#include "app/CommandLine.h"

#include <string_view>

#include "files/Directories.h"

namespace kelvrin {

namespace {

constexpr int kUsageError = 2;

constexpr std::string_view kHelp =
    " [options] [DIRECTORY]\n"
    "Sets up and starts servers of the game Dravek. Kelvrin works in its start directory, the "
    "game's installation folder: the current directory unless DIRECTORY is given.\n"
    "\n"
    "Options:\n"
    "  -h, --help       Displays this help and ends.\n"
    "  -v, --version    Displays version information.\n"
    "  --choose-folder  Without DIRECTORY, first ask for the game's installation folder.\n"
    "\n"
    "Arguments:\n"
    "  DIRECTORY        The game's installation folder to start in.\n";

CommandLine Ending(int code) {
    CommandLine ending;
    ending.exitCode = code;
    return ending;
}

std::string ProgramName(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return "kelvrin";
    const std::string& path = arguments.front();
    return path.substr(path.find_last_of("/\\") + 1);
}

}  // namespace

std::vector<std::string> ArgumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

CommandLine ReadCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                            std::ostream& err) {
    const std::string program = ProgramName(arguments);
    const auto usageError = [&](const std::string& message) {
        err << program << ": " << message << "\n" << std::flush;
        return Ending(kUsageError);
    };
    bool help = false;
    bool version = false;
    bool chooseFolder = false;
    bool optionsEnd = false;
    std::vector<std::string> directories;
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (optionsEnd || argument.size() < 2 || argument[0] != '-') {
            directories.push_back(argument);
        } else if (argument == "--") {
            optionsEnd = true;
        } else if (argument.rfind("--", 0) == 0) {
            const std::string name = argument.substr(2);
            if (name == "help") {
                help = true;
            } else if (name == "version") {
                version = true;
            } else if (name == "choose-folder") {
                chooseFolder = true;
            } else {
                return usageError("Unknown option '" + name + "'.");
            }
        } else {
            // Short options may be written together, as in "-hv".
            for (const char letter : std::string_view(argument).substr(1)) {
                if (letter == 'h') {
                    help = true;
                } else if (letter == 'v') {
                    version = true;
                } else {
                    return usageError("Unknown option '" + std::string(1, letter) + "'.");
                }
            }
        }
    }
    if (help) {
        out << "Usage: " << program << kHelp << std::flush;
        return Ending(0);
    }
    if (version) {
        out << program << " " << KELVRIN_VERSION << "\n" << std::flush;
        return Ending(0);
    }
    if (directories.size() > 1) return usageError("more than one directory given");

    CommandLine commandLine;
    if (directories.empty()) {
        commandLine.chooseFolder = chooseFolder;
        return commandLine;
    }
    const std::string& directory = directories.front();
    if (!IsDirectory(directory)) return usageError("no such directory: " + directory);
    commandLine.startDirectory = AbsolutePath(directory);
    return commandLine;
}

std::optional<std::string> StartDirectoryOf(
    const CommandLine& commandLine, const std::function<std::optional<std::string>()>& choose) {
    return commandLine.chooseFolder ? choose() : commandLine.startDirectory;
}

}  // namespace kelvrin
