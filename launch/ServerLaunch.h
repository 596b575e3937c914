#pragma once

#include <string>
#include <string_view>

#include "files/FileSink.h"
#include "launch/ProgramLauncher.h"
#include "messages/Result.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// The three commands that write kelvrin.cfg from the store. Each composes first; a text too long
// for the file is never written over the saved file (ConfigTooLong).

// "Save Config": writes kelvrin.cfg and the batch file: ConfigSaved, naming the batch file, or
// FolderNotChanged, ConfigNotWritten or BatchNotWritten (kelvrin.cfg written all the same).
Result SaveConfig(ServerSettings& settings, FileSink& files = DiskFiles());

// "Start Server": writes kelvrin.cfg and starts the game from the start directory: GameStarted,
// naming the program and its parameters, or FolderNotOpened, ServerConfigNotWritten or
// GameNotStarted.
Result StartServer(ServerSettings& settings, ProgramLauncher& launcher);

// "Exit" answered Yes: writes the text composed before the question: Done, or FolderNotOpened
// or ConfigNotWritten.
Result WriteConfigOnExit(const ServerSettings& settings, std::string_view text);

}  // namespace kelvrin
