#include "cli/Invocation.h"

#include <array>
#include <string_view>
#include <utility>

#include "cli/SettingValues.h"
#include "maps/MapCycle.h"
#include "maps/MapList.h"

namespace kelvrin::cli {

const char* const kUsage =
    "Usage: kelvrin-cli [-C DIR] [-g FOLDER] COMMAND [ARGUMENTS]\n"
    "Sets up and starts Dravek game servers from scripts, as the Kelvrin window does.\n"
    "\n"
    "Options:\n"
    "  -C DIR        the game's installation folder (default: the current directory)\n"
    "  -g FOLDER     the game folder (default: dvbase, in any letter case)\n"
    "  --help        displays this help and ends\n"
    "  --version     displays the version and ends\n"
    "\n"
    "Commands:\n"
    "  folders             the game folders, one a line\n"
    "  show [NAME...]      the settings as NAME=VALUE lines\n"
    "  set NAME=VALUE...   changes settings, then writes kelvrin.cfg and the batch file\n"
    "  save                writes kelvrin.cfg and the batch file\n"
    "  start               writes kelvrin.cfg and starts the game\n"
    "  maps                the maps that can be chosen, one a line\n"
    "  cycle MAP...        writes the map cycle; the first map is the start map\n"
    "  cycle --show        the map cycle as it is written\n"
    "\n"
    "Exit codes: 0 done, 1 a file not written, a folder not entered or the game not started,\n"
    "2 an argument refused (nothing written).\n";

namespace {

constexpr std::array<std::pair<std::string_view, Command>, 7> kCommands{{
    {"folders", Command::Folders},
    {"show", Command::Show},
    {"set", Command::Set},
    {"save", Command::Save},
    {"start", Command::Start},
    {"maps", Command::Maps},
    {"cycle", Command::Cycle},
}};

constexpr std::string_view kCommandNames = "folders, show, set, save, start, maps or cycle";

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

// A single folder name: a path would put the files somewhere else than the game looks.
bool IsFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

std::optional<std::string> CheckArguments(const Invocation& invocation) {
    const std::vector<std::string>& arguments = invocation.arguments;
    for (const std::string& argument : arguments) {
        const bool showCycle = invocation.command == Command::Cycle && argument == "--show";
        if (IsOption(argument) && !showCycle) {
            return "unknown option '" + argument +
                   "' (allowed: -C DIR, -g FOLDER, --help, "
                   "--version, and --show after cycle)";
        }
    }
    switch (invocation.command) {
        case Command::Folders:
        case Command::Save:
        case Command::Start:
        case Command::Maps:
            if (!arguments.empty()) return "'" + arguments.front() + "': the command takes none";
            return std::nullopt;
        case Command::Show:
        case Command::Set:
            if (invocation.command == Command::Set && arguments.empty()) {
                return "set: no NAME=VALUE given";
            }
            for (const std::string& argument : arguments) {
                const std::size_t equals = argument.find('=');
                if (invocation.command == Command::Set && equals == std::string::npos) {
                    return "'" + argument + "': allowed is NAME=VALUE";
                }
                if (FindCliSetting(argument.substr(0, equals)) == nullptr) {
                    return "'" + argument.substr(0, equals) +
                           "': no such setting (allowed: the names that show prints)";
                }
            }
            return std::nullopt;
        case Command::Cycle:
            if (arguments.empty()) return "cycle: no map given (allowed: MAP... or --show)";
            if (arguments.front() == "--show") {
                if (arguments.size() == 1) return std::nullopt;
                return "'" + arguments[1] + "': cycle --show takes nothing more";
            }
            for (const std::string& map : arguments) {
                if (map == "--show" || !ScriptCanCarry(map) ||
                    map.size() > kMaxTypedMapNameLength) {
                    return "'" + map +
                           "': allowed is a map name of 1 to 99 characters without ';', "
                           "double quotes or control characters";
                }
            }
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Invocation> ReadInvocation(const std::vector<std::string>& arguments,
                                         std::string& refusal) {
    Invocation invocation;
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        if (arguments[index] == "--help") invocation.help = true;
        if (arguments[index] == "--version") invocation.version = true;
    }
    if (invocation.help || invocation.version) return invocation;

    std::size_t index = 1;
    for (; index < arguments.size() && IsOption(arguments[index]); ++index) {
        const std::string& option = arguments[index];
        if (option != "-C" && option != "-g") {
            refusal = "unknown option '" + option +
                      "' (allowed: -C DIR, -g FOLDER, --help, "
                      "--version)";
            return std::nullopt;
        }
        if (index + 1 >= arguments.size()) {
            refusal = "option " + option + " needs a " + (option == "-C" ? "directory" : "folder");
            return std::nullopt;
        }
        const std::string& value = arguments[++index];
        if (option == "-C") {
            invocation.directory = value;
        } else if (IsFolderName(value)) {
            invocation.folder = value;
        } else {
            refusal = "-g '" + value + "': allowed is the name of a folder in the start directory";
            return std::nullopt;
        }
    }
    if (index >= arguments.size()) {
        refusal = std::string("no command given (allowed: ") + std::string(kCommandNames) + ")";
        return std::nullopt;
    }
    const std::string& command = arguments[index];
    bool known = false;
    for (const auto& [name, value] : kCommands) {
        if (name == command) {
            invocation.command = value;
            known = true;
        }
    }
    if (!known) {
        refusal = "unknown command '" + command + "' (allowed: " + std::string(kCommandNames) + ")";
        return std::nullopt;
    }
    invocation.arguments.assign(arguments.begin() + static_cast<std::ptrdiff_t>(index) + 1,
                                arguments.end());
    if (std::optional<std::string> refused = CheckArguments(invocation)) {
        refusal = std::move(*refused);
        return std::nullopt;
    }
    return invocation;
}

}  // namespace kelvrin::cli
