#pragma once

#include "dialogs/Dialog.h"
#include "dialogs/DialogIds.h"
#include "maps/MapCycle.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// The operator puts the map cycle together from the available maps; OK writes the script. The
// dialog keeps both lists' rows (their bytes, as the script carries them); the window shows them.
class CMapSelectionDlg : public Dialog {
public:
    explicit CMapSelectionDlg(ServerSettings& settings);

    void Clicked(int id) override;
    void Picked(int id) override;
    void DoubleClicked(int id) override;
    void Focused(int id) override;

    const MapRows& AvailableRows() const { return available_; }
    const MapRows& SelectedRows() const { return selected_; }

protected:
    void OnInitDialog() override;

private:
    void OnCopyToSelected();
    void OnRemoveFromSelected();
    void MoveChosenRow(int step);
    void OnAddTyped();
    void OnOK();
    void UpdateMoveButtons();
    // Shows the selected rows again, choosing the row given (-1: none).
    void ShowSelected(int chosen);

    ServerSettings& settings_;
    MapRows available_;
    MapRows selected_;
};

}  // namespace kelvrin
