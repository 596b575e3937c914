#pragma once

#include <string>
#include <vector>

#include "launch/ProgramLauncher.h"

namespace kelvrin::testing {

class RecordingLauncher : public ProgramLauncher {
public:
    struct Launch {
        std::string startDirectory;
        std::string executable;
        std::string parameters;
    };

    bool Start(const std::string& startDirectory, const std::string& executable,
               const std::string& parameters) override {
        launches.push_back({startDirectory, executable, parameters});
        return true;
    }

    std::vector<Launch> launches;
};

}  // namespace kelvrin::testing
