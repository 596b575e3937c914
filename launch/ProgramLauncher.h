#pragma once

#include <memory>
#include <string>

namespace kelvrin {

// Starts a program and returns at once; Kelvrin never waits for it nor reads anything back.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Starts startDirectory/executable with startDirectory as its working directory. The
    // parameters form its command line; elsewhere than on Windows they are split at blanks
    // (not tabs) into arguments and no shell is involved, and a Windows program the system
    // cannot run itself is started through "wine" found on the PATH. True when the program
    // was started, false when it could not be (missing, not runnable, no wine).
    virtual bool Start(const std::string& startDirectory, const std::string& executable,
                       const std::string& parameters) = 0;
};

// The system's way of starting a program: the Windows shell, or a detached process elsewhere.
std::unique_ptr<ProgramLauncher> MakeSystemLauncher();

}  // namespace kelvrin
