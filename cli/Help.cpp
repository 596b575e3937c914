#include "cli/Help.h"

#include "settings/SettingDescription.h"

namespace kelvrin::cli {

namespace {

constexpr std::string_view kUsageStart = "Usage: kelvrin-cli [-C DIR] [-g FOLDER] ";

std::string ShownDefault(const SettingDescription& setting) {
    const std::string value = DefaultValue(setting);
    return value.empty() ? "empty" : value;
}

// What a setting takes and its default, in one sentence.
std::string SettingText(const SettingDescription& setting) {
    return AllowedValues(setting) + "; default: " + ShownDefault(setting);
}

// The words of a text in lines of at most width characters, each after the indent.
std::string Wrapped(std::string_view text, std::string_view indent, std::size_t width) {
    std::string wrapped;
    std::string line(indent);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(' '), text.size());
        const std::string_view word = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.size() > indent.size() && line.size() + 1 + word.size() > width) {
            wrapped += line + "\n";
            line = indent;
        }
        if (line.size() > indent.size()) line += ' ';
        line += word;
    }
    return wrapped + line + "\n";
}

}  // namespace

std::string ProgramHelp() {
    std::string help = std::string(kUsageStart) +
                       "COMMAND [ARGUMENTS]\n"
                       "Sets up and starts Dravek game servers from scripts, as the window "
                       "does.\n"
                       "\n"
                       "Options (before or after the command):\n"
                       "  -C DIR        the game's installation folder (default: the current "
                       "one)\n"
                       "  -g FOLDER     the game folder (default: dvbase, in any letter case)\n"
                       "  -h, --help    displays this help, or with a command its own, and ends\n"
                       "  --version     displays the version and ends\n"
                       "\n"
                       "Commands:\n";
    for (const CommandInfo& command : CommandInfos()) {
        if (command.hidden) continue;
        std::string usage = "  " + std::string(command.name);
        if (!command.arguments.empty()) usage.append(" ").append(command.arguments);
        // A long usage puts its summary on a line of its own.
        constexpr std::size_t kColumn = 25;
        usage += usage.size() + 2 > kColumn ? "\n" + std::string(kColumn, ' ')
                                            : std::string(kColumn - usage.size(), ' ');
        help += usage + std::string(command.summary) + "\n";
    }
    return help +
           "\n"
           "Exit codes: 0 done; 1 a file not written, a folder not entered, the game not\n"
           "started or the output not written; 2 an argument refused (nothing written);\n"
           "3 status: the server does not run.\n";
}

std::string CommandHelp(const CommandInfo& command) {
    std::string help = std::string(kUsageStart) + std::string(command.name);
    // Appended piece by piece: GCC 12 warns wrongly of an overlap in " " + text at -O2.
    if (!command.arguments.empty()) help.append(" ").append(command.arguments);
    help.append("\n").append(Wrapped(command.description, "", 79));
    if (command.command == Command::Set) help += "\nSettings:\n" + SettingsHelp();
    return help;
}

std::string SettingsHelp() {
    std::string help;
    for (const SettingDescription& setting : kSettingDescriptions) {
        help +=
            "  " + std::string(setting.name) + "\n" + Wrapped(SettingText(setting), "      ", 79);
    }
    return help;
}

std::string SettingsManual() {
    std::string manual;
    for (const SettingDescription& setting : kSettingDescriptions) {
        manual += ".TP\n.B " + std::string(setting.name) + "\n" + SettingText(setting) + "\n";
    }
    return manual;
}

}  // namespace kelvrin::cli
