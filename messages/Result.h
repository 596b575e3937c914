#pragma once

#include <string>
#include <system_error>

namespace kelvrin {

// How a command of the core ended, as the operator must learn it.
enum class Outcome {
    Done,                    // nothing to tell
    ConfigSaved,             // Save Config wrote both files
    GameStarted,             // the game runs
    ConfigTooLong,           // the texts do not fit kelvrin.cfg
    FolderNotChanged,        // Save Config could not reach the game folder
    FolderNotOpened,         // Start Server, Exit and the readers could not reach it
    ConfigNotWritten,        // Save Config and Exit could not write kelvrin.cfg
    ServerConfigNotWritten,  // Start Server could not write kelvrin.cfg
    BatchNotWritten,
    GameNotStarted,
    MapListTooLong,
    MapCycleNotWritten,
    NoMapSelected,
    NoGameFolders,
};

// What happened: the outcome, the folder, file or program it names, and the system's reason
// when the system refused something.
struct Result {
    Outcome outcome = Outcome::Done;
    std::string subject{};
    std::error_code reason{};
    long process = 0;  // the game's process id, once started

    bool Failed() const;
};

// Reasons of Kelvrin's own, where the system gave none.
enum class Refusal {
    WineMissing = 1,         // a Windows game, and no wine to start it
    ControlCharacterInName,  // a name a batch line cannot carry
    NameNotInCodePage,       // a name the command processor's code page cannot spell
};
std::error_code MakeReason(Refusal refusal);

// The message the windows show for a result, and kelvrin-cli prints before the reason; empty
// when there is nothing to show (the game started, nothing done).
std::string OperatorMessage(const Result& result);

}  // namespace kelvrin
