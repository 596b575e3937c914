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
    // into arguments and no shell is involved.
    virtual void Start(const std::string& startDirectory, const std::string& executable,
                       const std::string& parameters) = 0;
};

// The system's way of starting a program: the Windows shell, or a detached process elsewhere.
std::unique_ptr<ProgramLauncher> MakeSystemLauncher();

}  // namespace kelvrin
