#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/KelvrinDlg.h"
#include "dialogs/MainWindowIds.h"
#include "settings/ConfigWriter.h"
#include "tests/support/Recorders.h"
#include "tests/support/RecordingView.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {

class RecordingLinks : public LinkOpener {
public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

// A start directory with the default game folder, and the main window opened in it.
class MainDialogTest : public ::testing::Test {
protected:
    MainDialogTest() { installation.MakeFolder("dvbase"); }

    // Opens the window anew on this store, with nothing recorded yet.
    void Open(const ServerSettings& stored = {}) {
        window.reset();
        dialog.reset();
        settings = stored;
        launcher.launches.clear();
        dialog = std::make_unique<CKelvrinDlg>(settings, launcher, runner, links);
        window = std::make_unique<RecordingView>(*dialog);
    }

    // Writes the folder's kelvrin.cfg as the program itself writes it for these settings.
    void WriteConfig(const std::string& folder, ServerSettings stored) const {
        RecordingMessages unused;
        installation.WriteFile(folder + "/kelvrin.cfg", ComposeServerConfig(stored, unused));
    }

    std::string Config() const { return installation.ReadFile("dvbase/kelvrin.cfg"); }
    bool ConfigHolds(const std::string& line) const {
        return Config().find(line) != std::string::npos;
    }

    TempInstallation installation;
    ServerSettings settings;
    RecordingLauncher launcher;
    RecordingRunner runner;
    RecordingLinks links;
    std::unique_ptr<CKelvrinDlg> dialog;
    std::unique_ptr<RecordingView> window;
};

}  // namespace kelvrin::testing
