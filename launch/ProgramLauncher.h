#pragma once

#include <memory>
#include <string>
#include <system_error>

namespace kelvrin {

// A program started: its process id, or why it could not be started.
struct Launch {
    long process = 0;
    std::error_code reason;
};

// Starts a program and returns at once; Kelvrin never waits for it nor reads anything back.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Starts startDirectory/executable with startDirectory as its working directory. The
    // parameters form its command line; elsewhere than on Windows they are split at blanks
    // (not tabs) into arguments and no shell is involved, and a Windows program the system
    // cannot run itself is started through "wine" found on the PATH. Gives the process, or the
    // reason it could not be started (missing, not runnable, no wine).
    virtual Launch Start(const std::string& startDirectory, const std::string& executable,
                         const std::string& parameters) = 0;
};

// The system's way of starting a program: the Windows shell, or a detached process elsewhere.
std::unique_ptr<ProgramLauncher> MakeSystemLauncher();

// A launcher that makes the process itself the program (exec), for a supervisor that watches
// it: Start returns only when that failed. None on Windows, where a process cannot become
// another.
std::unique_ptr<ProgramLauncher> MakeForegroundLauncher();

}  // namespace kelvrin
