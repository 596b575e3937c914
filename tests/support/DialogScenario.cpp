#include "tests/support/DialogScenario.h"

#include <filesystem>

#include "dialogs/AdvancedSettingsDlg.h"
#include "tests/support/SettingsByName.h"

namespace kelvrin::testing {

DialogScenario::DialogScenario() : settings(installation.Settings()) {
    installation.MakeFolder("dvbase");
    launcher.expected = installation.Root();
}

bool DialogScenario::Act(const Step& step) {
    if (step.verb == "open") {
        window.reset();
        if (step.target.empty()) {
            dialog = std::make_unique<CKelvrinDlg>(settings, launcher, runner, links);
        } else if (step.target == "139") {
            dialog = std::make_unique<CMapSelectionDlg>(settings);
        } else {
            dialog = std::make_unique<CAdvancedSettingsDlg>(settings);
        }
        window = std::make_unique<RecordingView>(*dialog);
    } else if (step.verb == "store" && step.target == "gameFolder") {
        settings.gameFolder = step.value;
    } else if (step.verb == "store") {
        Assign(settings, step.target, step.value);
    } else if (step.verb == "show") {
        dynamic_cast<CKelvrinDlg&>(*dialog).ShowSettings();
    } else if (step.verb == "collect") {
        dynamic_cast<CKelvrinDlg&>(*dialog).CollectSettings();
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
    if (step.verb == "launched") return Joined(launcher.launches, "/");
    if (step.verb == "ran") return Joined(runner.ran, ",");
    if (step.verb == "opened") return Joined(links.opened, "/");
    if (step.verb == "cfg") {
        const std::string config = "\n" + fileOrNone("dvbase/kelvrin.cfg");
        const std::string line = "\nset " + step.target + " \"";
        const std::size_t at = config.find(line);
        if (at == std::string::npos) return "(none)";
        const std::size_t start = at + line.size();
        return config.substr(start, config.find("\"\r\n", start) - start);
    }
    if (const auto* maps = dynamic_cast<const CMapSelectionDlg*>(dialog.get());
        maps != nullptr && step.verb == "rows") {
        const std::string rows = Joined(maps->SelectedRows(), ";");
        const std::string shown = Joined(window->At(mapselection::kSelectedList).items, ";");
        return rows == shown ? rows : "the dialog's " + rows + ", the list's " + shown;
    }
    if (window == nullptr) return std::nullopt;
    return window->Seen(step);
}

}  // namespace kelvrin::testing
