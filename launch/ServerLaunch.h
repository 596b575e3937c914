#pragma once

#include <string>
#include <string_view>

#include "launch/ProgramLauncher.h"
#include "messages/OperatorMessages.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// "can't open subdirectory "<folder>" !"
void ReportFolderNotOpened(OperatorMessages& messages, std::string_view folder);

// The three commands that write kelvrin.cfg from the store. Each composes first; a text too
// long for the file was reported while composing and is never written over the saved file.

// "Save Config": writes kelvrin.cfg and the batch file and tells the operator how it went.
// True when both files were written.
bool SaveConfig(ServerSettings& settings, OperatorMessages& messages);

// "Start Server": writes kelvrin.cfg and starts the game from the start directory; tells the
// operator when the game cannot be started. True when the file was written and the game started.
bool StartServer(ServerSettings& settings, OperatorMessages& messages, ProgramLauncher& launcher);

// "Exit": when a control differed from the store (settingsChanged), asks whether to save and on
// Yes writes kelvrin.cfg alone. False when the window must stay open: the text was too long, and
// the operator was asked for shorter texts.
bool SaveChangedConfigOnExit(ServerSettings& settings, OperatorMessages& messages);

}  // namespace kelvrin
