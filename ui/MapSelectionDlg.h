#pragma once

#include "maps/MapCycle.h"
#include "ui/QtOperatorMessages.h"
#include "ui/TemplateDialog.h"

class QListWidget;
class QLineEdit;
class QPushButton;

namespace kelvrin {

class OperatorMessages;
struct ServerSettings;

// The operator puts the map cycle together from the available maps; OK writes the script.
class CMapSelectionDlg : public TemplateDialog {
    Q_OBJECT
public:
    CMapSelectionDlg(ServerSettings& settings, OperatorMessages& messages,
                     QWidget* parent = nullptr);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepStartMarkerBesideTheList();
    void FillLists();
    void FitRowsToWidestNames(const MapRows& rows);
    void ConnectControls();
    void OnCopyToSelected();
    void OnRemoveFromSelected();
    void OnMoveUp();
    void OnMoveDown();
    void OnAddTyped();
    void OnAvailableFocused();
    void MoveChosenRow(int step);
    void UpdateMoveButtons();
    MapRows SelectedRows() const;

    ServerSettings& settings_;
    OperatorMessages& messages_;
    MessageOwnerScope ownMessages_;
    QListWidget* available_;
    QListWidget* selected_;
    QLineEdit* typedName_;
    QPushButton* up_;
    QPushButton* down_;
};

}  // namespace kelvrin
