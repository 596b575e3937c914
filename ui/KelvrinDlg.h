#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/TemplateDialog.h"

class QCheckBox;
class QComboBox;
class QContextMenuEvent;
class QLineEdit;
class QPushButton;

namespace kelvrin {

class OperatorMessages;
class ProgramLauncher;
class UrlOpener;
struct ServerSettings;

inline constexpr const char* kMainWindowCaption =
    "Kelvrin - Servertool for Dravek by the Kelvrin team";
inline constexpr const char* kHomeTarget = "http://www.kelvrin.example.org";
inline constexpr const char* kShopTarget = "http://shop.example.org";
inline constexpr const char* kMailTarget = "mailto:kelvrin@example.org?subject=kelvrin";

// The program's only top-level window: every setting the operator edits outside the two
// sub-dialogs, and the commands that save the configuration and start the server.
class CKelvrinDlg : public TemplateDialog {
    Q_OBJECT
public:
    CKelvrinDlg(ServerSettings& settings, OperatorMessages& messages, ProgramLauncher& launcher,
                UrlOpener& urls, QWidget* parent = nullptr);
    ~CKelvrinDlg() override;

    // Store to controls, after pulling the store into the ranges the lists can show.
    void ShowSettings();
    // Controls to store; settingsChanged tells whether any control differed.
    void CollectSettings();
    void UpdateGameTypeControls();
    void UpdateWarmupControl();

    // Lists the start directory's game folders and selects gameFolder among them.
    void FillGameFolderList(const std::vector<std::string>& folders);
    // The selected Game Base entry without its brackets, taken into gameFolder.
    std::optional<std::string> TakeSelectedGameFolder();

    // The entry that stands for the system menu's About command.
    static QString AboutMenuEntry();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnInitDialog();
    void SetUpWindow();
    void SetUpToolTips();
    void SetUpLinks();
    void ConnectHandlers();

    void OnExit();
    void OnSaveConfig();
    void OnStartServer();
    void OnSpeedChanged(int index);
    void OnGameTypeChanged();
    void OnWarmupClicked();
    void OnMaxPlayersChosen(int index);
    void OnWarmupPlayersChosen(int index);
    void ChoosePlayerCount(int index, std::int32_t& chosen, std::int32_t& other, int otherBox);
    void OnGameBaseChanged();
    void OnMapCycleClicked();
    void OnSelectMaps();
    void OnNetStuff();
    void OnInfo();

    QCheckBox* Check(int id) const;
    QComboBox* Combo(int id) const;
    QLineEdit* Edit(int id) const;
    QPushButton* Button(int id) const;

    ServerSettings& settings_;
    OperatorMessages& messages_;
    ProgramLauncher& launcher_;
    UrlOpener& urls_;
};

}  // namespace kelvrin
