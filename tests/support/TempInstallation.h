#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/ServerSettings.h"

namespace kelvrin::testing {

// A fresh, empty start directory that is made the current directory for the test's lifetime;
// the previous current directory is restored and the folder removed afterwards.
class TempInstallation {
public:
    TempInstallation();
    ~TempInstallation();
    TempInstallation(const TempInstallation&) = delete;
    TempInstallation& operator=(const TempInstallation&) = delete;

    // The start directory as the program captures it (the current directory, in UTF-8).
    const std::string& Root() const { return root_; }
    // Relative paths are UTF-8 and may use "/" on every system.
    std::filesystem::path PathOf(std::string_view relative) const;

    // A fresh store whose start directory is this one.
    ServerSettings Settings() const {
        ServerSettings settings;
        settings.startDirectory = root_;
        return settings;
    }

    void MakeFolder(std::string_view relative) const;
    // Writes bytes exactly as given (no line-end conversion), making parent folders.
    void WriteFile(std::string_view relative, std::string_view bytes) const;
    std::string ReadFile(std::string_view relative) const;
    bool Exists(std::string_view relative) const;

private:
    std::filesystem::path previous_;
    std::string root_;
};

// An expected file kept under tests/data; read it before a test enters a folder of its own.
std::string TestData(const std::string& name);

// The process's current directory in UTF-8, for checking that every operation came back to the
// start.
std::string CurrentDirectoryNow();

}  // namespace kelvrin::testing
