#include "cli/CommandList.h"

namespace kelvrin::cli {

namespace {

constexpr std::string_view kSaveOptions[] = {"--dry-run"};
constexpr std::string_view kCycleOptions[] = {"--show", "--dry-run"};
constexpr std::string_view kStartOptions[] = {"--foreground", "--restart"};
constexpr std::string_view kStopOptions[] = {"--timeout=SECONDS"};

constexpr CommandInfo kCommands[] = {
    {Command::Folders, "folders", "", "the game folders, one a line",
     "Lists the game folders of the start directory, one a line, in the order of the window's "
     "list."},
    {Command::Show, "show", "[NAME...]", "the settings as NAME=VALUE lines",
     "Prints the settings of the game folder's kelvrin.cfg as NAME=VALUE lines, texts in UTF-8: "
     "every setting, or the ones named; set takes each line back unchanged. After every setting "
     "come the file's lines that Kelvrin does not write itself, each after \"# \": a save keeps "
     "them, before spawnserver."},
    {Command::Set, "set", "NAME=VALUE... [--dry-run]", "changes settings, then saves as save does",
     "Changes the settings named, then writes kelvrin.cfg and the batch file as Save Config does. "
     "Every value is checked before anything is written; a value that show printed is always taken "
     "back. With --dry-run, prints what save would write and writes nothing.",
     kSaveOptions},
    {Command::Save, "save", "[--dry-run]", "writes kelvrin.cfg and the batch file",
     "Writes kelvrin.cfg into the game folder and the batch file kvr_FOLDER.bat beside the game, "
     "as Save Config does. With --dry-run, prints the bytes it would write to kelvrin.cfg, then a "
     "line \"==> kvr_FOLDER.bat <==\" and the batch file's bytes, and writes nothing; it ends as "
     "save would.",
     kSaveOptions},
    {Command::Start, "start", "[--foreground | --restart]",
     "writes kelvrin.cfg and starts the game",
     "Writes kelvrin.cfg and starts the game (dravekDed.exe for a dedicated server, else "
     "dravek.exe; a Windows program through wine) from the start directory, as Start Server does, "
     "prints the program, its parameters and its process id, and records them in the game "
     "folder's kelvrin.server for status and stop. It does not wait for the game. While the "
     "server it recorded runs, start refuses; with --restart it stops that server first. With "
     "--foreground it becomes the game instead, for a supervisor such as systemd: the same process "
     "id, the game's output and the game's exit status.",
     kStartOptions},
    {Command::Status, "status", "", "whether the game folder's server runs",
     "Says whether the server that start recorded in the game folder runs: its program, "
     "parameters, process id and since when (UTC). Exit code 0 when it runs, 3 when it does not. "
     "A recorded process that ended, or whose id another program holds now, is not the server."},
    {Command::Stop, "stop", "[--timeout=SECONDS]", "ends the game folder's server",
     "Ends the server that start recorded in the game folder: the signal TERM, then KILL when it "
     "has not ended within the time-out (10 seconds unless given). Only the recorded process is "
     "signalled, never another program that holds its id now. Exit code 0 once no server runs.",
     kStopOptions},
    {Command::Maps, "maps", "", "the maps that can be chosen, one a line",
     "Lists the maps the map cycle can hold, one a line: the game's own, then the map files of the "
     "game folder's mp folder."},
    {Command::Cycle, "cycle", "MAP... [--dry-run] | --show",
     "writes the map cycle, the start map first, or shows it",
     "Writes the map cycle kelvrin.scriptcfg, as OK in the map dialog does; the first map is the "
     "start map (set si_map= puts it into kelvrin.cfg). A map name holds 1 to 100 characters, no "
     "';', double quote or control character. With --show, prints the cycle as it is written, one "
     "map a line; with --dry-run, the bytes it would write, and writes nothing.",
     kCycleOptions},
    {Command::Help, "help", "[COMMAND]", "this help, or a command's own",
     "Prints the help, or the command's own."},
    {Command::Values,
     "values",
     "NAME",
     "the values a setting's completion offers",
     "Prints the values that the completion offers for a setting, one a line: the entries of a "
     "list, the switch words, the maps as si_map holds them; nothing for free texts and numbers.",
     {},
     true},
};

}  // namespace

std::span<const CommandInfo> CommandInfos() { return kCommands; }

std::vector<std::string_view> CommandNames() {
    std::vector<std::string_view> names;
    for (const CommandInfo& info : kCommands) {
        if (!info.hidden) names.push_back(info.name);
    }
    return names;
}

const CommandInfo* FindCommand(std::string_view name) {
    for (const CommandInfo& info : kCommands) {
        if (info.name == name) return &info;
    }
    return nullptr;
}

}  // namespace kelvrin::cli
