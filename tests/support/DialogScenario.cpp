#include "tests/support/DialogScenario.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/AdvancedSettingsDlg.h"
#include "settings/ConfigWriter.h"
#include "tests/support/SettingsByName.h"

namespace kelvrin::testing {

DialogScenario::DialogScenario() : settings(installation.Settings()) {
    installation.MakeFolder("dvbase");
}

bool DialogScenario::Act(const Step& step) {
    if (step.verb == "open") {
        window.reset();
        main_ = nullptr;
        maps_ = nullptr;
        if (step.target.empty()) {
            dialog = std::make_unique<CKelvrinDlg>(settings, launcher, runner, links);
            main_ = static_cast<CKelvrinDlg*>(dialog.get());
        } else if (step.target == "139") {
            dialog = std::make_unique<CMapSelectionDlg>(settings);
            maps_ = static_cast<CMapSelectionDlg*>(dialog.get());
        } else {
            dialog = std::make_unique<CAdvancedSettingsDlg>(settings);
        }
        window = std::make_unique<RecordingView>(*dialog);
    } else if (step.verb == "store" && step.target == "gameFolder") {
        settings.gameFolder = step.value;
    } else if (step.verb == "store") {
        Assign(settings, step.target, step.value);
    } else if (step.verb == "show") {
        main_->ShowSettings();
    } else if (step.verb == "collect") {
        main_->CollectSettings();
    } else if (step.verb == "config") {
        ServerSettings stored;
        stored.si_name = step.value;
        RecordingMessages unused;
        const std::string config = ComposeServerConfig(stored, unused);
        installation.WriteFile(step.target + "/kelvrin.cfg", config);
    } else if (step.verb == "file") {
        installation.WriteFile(step.target, step.value);
    } else if (step.verb == "folder") {
        installation.MakeFolder(step.target);
    } else if (step.verb == "remove") {
        std::filesystem::remove_all(installation.PathOf(step.target));
    } else if (step.verb == "sub") {
        runner.steps.push_back(step.value);
    } else {
        return window != nullptr && window->Act(step);
    }
    return true;
}

std::optional<std::string> DialogScenario::Seen(const Step& step) {
    const auto fileOrNone = [this](const std::string& path) {
        const bool isFile = std::filesystem::is_regular_file(installation.PathOf(path));
        return isFile ? installation.ReadFile(path) : "(none)";
    };
    if (step.verb == "store") return ValueOf(settings, step.target);
    if (step.verb == "gameFolder") return settings.gameFolder;
    if (step.verb == "changed") return settings.settingsChanged ? "1" : "0";
    if (step.verb == "file") return fileOrNone(step.target);
    if (step.verb == "launched") {
        // Starts from the start directory say only what was started.
        std::string launched = Joined(launcher.launches, "/");
        const std::string here = installation.Root() + ": ";
        for (std::size_t at; (at = launched.find(here)) != std::string::npos;) {
            launched.erase(at, here.size());
        }
        return launched;
    }
    if (step.verb == "ran") return Joined(runner.ran, ",");
    if (step.verb == "opened") return Joined(links.opened, "/");
    if (step.verb == "cfg") {
        const std::string config = "\n" + fileOrNone("dvbase/kelvrin.cfg");
        const std::size_t line = config.find("\nset " + step.target + " \"");
        if (line == std::string::npos) return "(none)";
        const std::size_t start = line + step.target.size() + 7;
        return config.substr(start, config.find("\"\r\n", start) - start);
    }
    if (step.verb == "rows" && maps_ != nullptr) {
        const std::string rows = Joined(maps_->SelectedRows(), ";");
        const std::string shown = Joined(window->At(mapselection::kSelectedList).items, ";");
        return rows == shown ? rows : "the dialog's " + rows + ", the list's " + shown;
    }
    if (window == nullptr) return std::nullopt;
    return window->Seen(step);
}

void RunScenarios(std::span<const Scenario> scenarios) {
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        DialogScenario scenarioRun;
        scenarioRun.Run(scenario.steps);
    }
}

}  // namespace kelvrin::testing
