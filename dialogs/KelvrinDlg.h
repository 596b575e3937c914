#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/Dialog.h"
#include "launch/ProgramLauncher.h"
#include "messages/Result.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// The main window (template 102): every setting the operator edits outside the two sub-dialogs,
// and the commands that save the configuration and start the server.
class CKelvrinDlg : public Dialog {
public:
    CKelvrinDlg(ServerSettings& settings, ProgramLauncher& launcher, DialogRunner& dialogs,
                LinkOpener& links);

    // The entries of the lists of settings, from the settings' description; once, on opening.
    void ShowListEntries();
    // Store to controls, after pulling the store into the ranges the lists can show.
    void ShowSettings();
    // Controls to store; settingsChanged tells whether any control differed.
    void CollectSettings();
    void UpdateGameTypeControls();
    void UpdateWarmupControl();

    // Lists the game folders in the Game Base list, in its order, and selects gameFolder.
    void FillGameFolderList(const std::vector<std::string>& folders);
    // The chosen Game Base entry without its brackets, taken into gameFolder.
    std::optional<std::string> TakeSelectedGameFolder();

    void Clicked(int id) override;
    void Picked(int id) override;

protected:
    void OnInitDialog() override;

private:
    void OnExit();
    // Shows what a command ended with, when there is something to show.
    void Tell(const Result& result);
    void OnSpeedChanged();
    void ChoosePlayerCount(int box, std::int32_t ServerSettings::*chosen, int otherBox,
                           std::int32_t ServerSettings::*other);
    void OnGameBaseChanged();
    void OnMapCycleClicked();
    void OnSelectMaps();
    void OnNetStuff();
    void OnInfo();

    ServerSettings& settings_;
    ProgramLauncher& launcher_;
    DialogRunner& dialogs_;
    LinkOpener& links_;
    // The Game Base list's entries as the list shows them, for the folder an entry names.
    std::vector<std::string> gameBaseEntries_;
};

// The entries the main window's list of this control shows (none for other controls), for a
// window that must hold the same lists without the dialog.
std::span<const std::string_view> MainWindowEntries(int control);

}  // namespace kelvrin
