#include "dialogs/MapSelectionDlg.h"

#include <string>
#include <utility>

#include "maps/MapList.h"
#include "settings/SettingDescription.h"

namespace kelvrin {

using namespace mapselection;

CMapSelectionDlg::CMapSelectionDlg(ServerSettings& settings)
    : Dialog(kTemplate), settings_(settings) {}

void CMapSelectionDlg::OnInitDialog() {
    View().SetText(kWindowItem, "Kelvrin - Map Selection");
    View().Enable(kUpButton, false);
    View().Enable(kDownButton, false);
    LoadMapLists(settings_, available_, selected_);
    View().SetItems(kAvailableList, available_);
    View().SetItems(kSelectedList, selected_);
}

void CMapSelectionDlg::Clicked(int id) {
    switch (id) {
        case kCopyButton:
            OnCopyToSelected();
            return;
        case kRemoveButton:
            OnRemoveFromSelected();
            return;
        case kUpButton:
            MoveChosenRow(-1);
            return;
        case kDownButton:
            MoveChosenRow(+1);
            return;
        case kAddButton:
            OnAddTyped();
            return;
        case kOk:
            OnOK();
            return;
        default:
            Dialog::Clicked(id);
    }
}

void CMapSelectionDlg::Picked(int id) {
    if (id == kSelectedList) UpdateMoveButtons();
}

void CMapSelectionDlg::DoubleClicked(int id) {
    if (id == kAvailableList) OnCopyToSelected();
    if (id == kSelectedList) OnRemoveFromSelected();
}

void CMapSelectionDlg::Focused(int id) {
    if (id != kAvailableList) return;
    View().Select(kSelectedList, -1);
    UpdateMoveButtons();
}

// The same map may be added again and again; the choice in the selected list stays.
void CMapSelectionDlg::OnCopyToSelected() {
    const int row = View().Selection(kAvailableList);
    if (row < 0 || row >= static_cast<int>(available_.size())) return;
    selected_.push_back(available_[static_cast<std::size_t>(row)]);
    ShowSelected(View().Selection(kSelectedList));
}

// The last row is the start map and stays; after a removal no row is chosen.
void CMapSelectionDlg::OnRemoveFromSelected() {
    const int row = View().Selection(kSelectedList);
    if (row >= 0 && selected_.size() > 1) {
        selected_.erase(selected_.begin() + row);
        ShowSelected(-1);
    }
    UpdateMoveButtons();
}

void CMapSelectionDlg::MoveChosenRow(int step) {
    const int row = View().Selection(kSelectedList);
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < static_cast<int>(selected_.size())) {
        std::swap(selected_[static_cast<std::size_t>(row)],
                  selected_[static_cast<std::size_t>(target)]);
        ShowSelected(target);
    }
    UpdateMoveButtons();
}

void CMapSelectionDlg::OnAddTyped() {
    // A name the script cannot carry back, an empty one included, is not added.
    const std::string name = View().Text(kTypedName).substr(0, kMaxTextLength);
    if (!ScriptCanCarry(name)) return;
    selected_.push_back(name);
    ShowSelected(View().Selection(kSelectedList));
}

void CMapSelectionDlg::OnOK() {
    const Result written = WriteMapCycle(settings_, selected_);
    switch (written.outcome) {
        case Outcome::FolderNotOpened:
            // A game folder that cannot be reached closes the dialog as if it had been written.
            break;
        case Outcome::NoMapSelected:
        case Outcome::MapListTooLong:
            // The list can still be mended, or the dialog cancelled.
            View().Show(OperatorMessage(written));
            return;
        default:
            if (written.Failed()) View().Show(OperatorMessage(written));
            break;
    }
    View().Close(true);
}

void CMapSelectionDlg::UpdateMoveButtons() {
    const int row = View().Selection(kSelectedList);
    const int last = static_cast<int>(selected_.size()) - 1;
    const bool movable = last >= 1 && row >= 0;
    View().Enable(kUpButton, movable && row != 0);
    View().Enable(kDownButton, movable && row != last);
}

void CMapSelectionDlg::ShowSelected(int chosen) {
    View().SetItems(kSelectedList, selected_);
    View().Select(kSelectedList, chosen);
}

}  // namespace kelvrin
