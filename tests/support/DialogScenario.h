#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "dialogs/KelvrinDlg.h"
#include "dialogs/MapSelectionDlg.h"
#include "tests/support/Recorders.h"
#include "tests/support/RecordingView.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {

class RecordingLinks : public LinkOpener {
public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

// A start directory with the default game folder, in which a dialog opens on a recording view
// and is driven by steps: the window's own (see RecordingView) and "open" (the main window
// anew on the store), "open:139" and "open:140" (the map and the advanced dialog on it),
// "store:NAME=VALUE", "show" and "collect" (the main window's store to its controls and back),
// "file:PATH=BYTES", "folder:PATH", "remove:PATH", "sub=STEPS" (the next sub-dialog's steps,
// joined by ","). Checks: "store:NAME", "gameFolder", "changed", "file:PATH" and
// "cfg:NAME" (the value dvbase/kelvrin.cfg gives it), "(none)" without the file; "launched"
// ("program parameters", "/" between starts), "ran" (the sub-dialogs' template ids), "opened"
// (the links), "rows" (the map dialog's selected rows, joined by ";", as the list shows them).
class DialogScenario : public Scripted {
public:
    DialogScenario();

    bool Act(const Step& step) override;
    std::optional<std::string> Seen(const Step& step) override;

    TempInstallation installation;
    ServerSettings settings;
    RecordingLauncher launcher;
    RecordingRunner runner;
    RecordingLinks links;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<RecordingView> window;
};

// A script for a dialog in a fresh start directory, named for the failure message.
struct Scenario {
    const char* name;
    std::string steps;
};

// Runs each script on a fresh scenario of its own.
template <typename Kind = DialogScenario>
void RunScenarios(std::span<const Scenario> scenarios) {
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        Kind fresh;
        fresh.Run(scenario.steps);
    }
}

}  // namespace kelvrin::testing
