#pragma once

#include "dialogs/Dialog.h"
#include "maps/MapCycle.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// Ids of the map selection dialog's template 139.
namespace mapselection {
inline constexpr int kAvailableList = 1037;
inline constexpr int kSelectedList = 1036;
inline constexpr int kCopyButton = 1023;
inline constexpr int kRemoveButton = 1024;
inline constexpr int kUpButton = 1035;
inline constexpr int kDownButton = 1038;
inline constexpr int kTypedName = 1009;
inline constexpr int kAddButton = 1041;
}  // namespace mapselection

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
