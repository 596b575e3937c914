#include "cli/Invocation.h"

#include <string_view>

#include "cli/Words.h"
#include "maps/MapList.h"
#include "settings/DecimalNumber.h"

namespace kelvrin::cli {

namespace {

// The program's own options, as a refusal lists them: with what each takes.
constexpr std::string_view kProgramOptions[] = {"-C DIR", "-g FOLDER", "-h", "--help", "--version"};

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

bool ReadSeconds(std::string_view text, int& seconds) {
    return ReadWholeNumber(text, seconds) && seconds >= 0 && seconds <= 3600;
}

// A single folder name: a path would put the files somewhere else than the game looks.
bool IsFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

std::vector<std::string_view> SettingNames() {
    std::vector<std::string_view> names;
    for (const SettingDescription& setting : kSettingDescriptions) names.push_back(setting.name);
    return names;
}

// The options a command takes besides the program's.
std::vector<std::string_view> AllowedOptions(const CommandInfo* command) {
    std::vector<std::string_view> allowed(std::begin(kProgramOptions), std::end(kProgramOptions));
    if (command != nullptr)
        allowed.insert(allowed.end(), command->options.begin(), command->options.end());
    return allowed;
}

std::string UnknownOption(const std::string& option, const CommandInfo* command) {
    std::string listed;
    std::vector<std::string_view> names;  // what may be typed, for the hint
    for (const std::string_view allowed : AllowedOptions(command)) {
        listed += (listed.empty() ? "" : ", ") + std::string(allowed);
        names.push_back(allowed.substr(0, allowed.find(' ')));
    }
    return "unknown option " + Quoted(option) + " (allowed: " + listed + ")" +
           NearestHint(option, names);
}

std::string NoSuchSetting(const std::string& name) {
    const std::vector<std::string_view> names = SettingNames();
    return Quoted(name) + ": no such setting (allowed: the names that show prints)" +
           NearestHint(name, names);
}

// Fills the command's own fields from its operands and options; the refusal, or nothing.
std::optional<std::string> ReadOperands(Invocation& invocation,
                                        const std::vector<std::string>& operands,
                                        const std::vector<std::string>& options) {
    const CommandInfo& command = *invocation.command;
    for (const std::string& option : options) {
        // An option that takes a value is given as --name=VALUE.
        const std::string_view name = std::string_view(option).substr(0, option.find('='));
        bool own = false;
        for (const std::string_view allowed : command.options) {
            own = own || allowed.substr(0, allowed.find('=')) == name;
        }
        if (!own) return UnknownOption(option, &command);
        if (option == "--show") invocation.showCycle = true;
        if (option == "--dry-run") invocation.dryRun = true;
        if (option == "--foreground") invocation.foreground = true;
        if (option == "--restart") invocation.restart = true;
        if (name == "--timeout") {
            const std::string_view value = std::string_view(option).substr(name.size());
            if (!value.starts_with('=') ||
                !ReadSeconds(value.substr(1), invocation.timeoutSeconds)) {
                return Quoted(option) + ": allowed is --timeout=SECONDS, 0 to 3600";
            }
        }
    }
    if (invocation.foreground && invocation.restart) {
        return "start: --foreground and --restart exclude each other";
    }
    switch (command.command) {
        case Command::Folders:
        case Command::Save:
        case Command::Start:
        case Command::Status:
        case Command::Stop:
        case Command::Maps:
            if (!operands.empty()) {
                return Quoted(operands.front()) + ": " + std::string(command.name) +
                       " takes no arguments";
            }
            return std::nullopt;
        case Command::Help:
            if (operands.size() > 1) return Quoted(operands[1]) + ": help takes one command";
            if (!operands.empty()) {
                const CommandInfo* asked = FindCommand(operands.front());
                if (asked == nullptr) {
                    const std::vector<std::string_view> names = CommandNames();
                    return "unknown command " + Quoted(operands.front()) +
                           NearestHint(operands.front(), names);
                }
                invocation.command = asked;
            }
            invocation.help = true;
            return std::nullopt;
        case Command::Values:
            if (operands.size() != 1) return "values: one NAME";
            [[fallthrough]];
        case Command::Show:
            for (const std::string& name : operands) {
                const SettingDescription* setting = FindSettingDescription(name);
                if (setting == nullptr) {
                    const std::size_t equals = name.find('=');
                    if (equals != std::string::npos &&
                        FindSettingDescription(name.substr(0, equals)) != nullptr) {
                        return Quoted(name) + ": show takes names; set takes NAME=VALUE";
                    }
                    return NoSuchSetting(name);
                }
                invocation.shown.push_back(setting);
            }
            return std::nullopt;
        case Command::Set:
            if (operands.empty()) return "set: no NAME=VALUE given";
            for (const std::string& argument : operands) {
                const std::size_t equals = argument.find('=');
                if (equals == std::string::npos) {
                    return Quoted(argument) + ": allowed is NAME=VALUE";
                }
                const std::string name = argument.substr(0, equals);
                const SettingDescription* setting = FindSettingDescription(name);
                if (setting == nullptr) return NoSuchSetting(name);
                invocation.changes.push_back({setting, argument.substr(equals + 1)});
            }
            return std::nullopt;
        case Command::Cycle:
            if (invocation.showCycle) {
                if (invocation.dryRun) return "cycle: --show and --dry-run exclude each other";
                if (operands.empty()) return std::nullopt;
                return Quoted(operands.front()) + ": cycle --show takes nothing more";
            }
            if (operands.empty()) return "cycle: no map given (allowed: MAP... or --show)";
            for (const std::string& map : operands) {
                if (!ScriptCanCarry(map)) {
                    return Quoted(map) + ": allowed is a map name of 1 to " +
                           std::to_string(kMaxMapRowLength) +
                           " characters without ';', double quotes or control characters";
                }
            }
            invocation.maps = operands;
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Invocation> ReadInvocation(const std::vector<std::string>& arguments,
                                         std::string& refusal) {
    Invocation invocation;
    std::vector<std::string> operands;
    std::vector<std::string> options;
    bool optionsEnd = false;
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (optionsEnd || !IsOption(argument)) {
            operands.push_back(argument);
        } else if (argument == "--") {
            optionsEnd = true;
        } else if (argument == "-h" || argument == "--help") {
            invocation.help = true;
        } else if (argument == "--version") {
            invocation.version = true;
        } else if (argument == "-C" || argument == "-g") {
            if (index + 1 >= arguments.size()) {
                refusal = "option " + argument + " needs a " +
                          (argument == "-C" ? "directory" : "folder");
                return std::nullopt;
            }
            const std::string& value = arguments[++index];
            if (argument == "-C") {
                invocation.directory = value;
            } else if (IsFolderName(value)) {
                invocation.folder = value;
            } else {
                refusal = "-g " + Quoted(value) +
                          ": allowed is the name of a folder in the start directory";
                return std::nullopt;
            }
        } else {
            options.push_back(argument);
        }
    }
    if (!operands.empty()) {
        invocation.command = FindCommand(operands.front());
        if (invocation.command == nullptr && !invocation.version) {
            const std::vector<std::string_view> names = CommandNames();
            refusal = "unknown command " + Quoted(operands.front()) +
                      " (allowed: " + Listed(names) + ")" + NearestHint(operands.front(), names);
            return std::nullopt;
        }
        operands.erase(operands.begin());
    }
    if (invocation.version && !invocation.help) return invocation;
    if (invocation.command == nullptr) {
        if (invocation.help) return invocation;
        if (!options.empty()) {
            refusal = UnknownOption(options.front(), nullptr);
        } else {
            const std::vector<std::string_view> names = CommandNames();
            refusal = "no command given (allowed: " + Listed(names) + "); try 'kelvrin-cli --help'";
        }
        return std::nullopt;
    }
    if (invocation.help) {
        // The command's help, whatever else was given.
        return invocation;
    }
    if (std::optional<std::string> refused = ReadOperands(invocation, operands, options)) {
        refusal = std::move(*refused);
        return std::nullopt;
    }
    return invocation;
}

}  // namespace kelvrin::cli
