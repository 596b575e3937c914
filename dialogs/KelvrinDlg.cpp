#include "dialogs/KelvrinDlg.h"

#include <string_view>

#include "app/StartUp.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/AdvancedSettingsDlg.h"
#include "dialogs/DialogIds.h"
#include "dialogs/MapSelectionDlg.h"
#include "dialogs/SettingBindings.h"
#include "launch/ServerLaunch.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"

namespace kelvrin {

using namespace mainwindow;

namespace {

constexpr std::string_view kCaption = "Kelvrin - Servertool for Dravek by the Kelvrin team";
// The last speed is the LAN, which carries the most players: the last count.
constexpr int kLanSpeed = static_cast<int>(std::size(kSpeedEntries)) - 1;
constexpr int kMostPlayers = static_cast<int>(std::size(kPlayerCountEntries)) - 1;

struct Link {
    int control;
    std::string_view target;
};
constexpr Link kLinks[] = {
    {kHomeLink, "http://www.kelvrin.example.org"},
    {kShopLink, "http://shop.example.org"},
    {kMailLink, "mailto:kelvrin@example.org?subject=kelvrin"},
};

}  // namespace

CKelvrinDlg::CKelvrinDlg(ServerSettings& settings, ProgramLauncher& launcher, DialogRunner& dialogs,
                         LinkOpener& links)
    : Dialog(kTemplate),
      settings_(settings),
      launcher_(launcher),
      dialogs_(dialogs),
      links_(links) {}

void CKelvrinDlg::OnInitDialog() {
    View().SetText(kWindowItem, kCaption);
    ShowListEntries();
    const std::vector<std::string> folders = StartUp(settings_);
    ShowSettings();
    FillGameFolderList(folders);
}

void CKelvrinDlg::Clicked(int id) {
    for (const Link& link : kLinks) {
        if (id == link.control) links_.Open(std::string(link.target));
    }
    switch (id) {
        case kExit:
            OnExit();
            return;
        case kSaveConfig:
            CollectSettings();
            Tell(SaveConfig(settings_));
            return;
        case kStartServer:
            CollectSettings();
            Tell(StartServer(settings_, launcher_));
            return;
        case kHitScanTint:
            UpdateGameTypeControls();
            return;
        case kWarmup:
            UpdateWarmupControl();
            return;
        case kMapCycle:
            OnMapCycleClicked();
            return;
        case kSelectMaps:
            OnSelectMaps();
            return;
        case kNetStuff:
            OnNetStuff();
            return;
        case kInfo:
        case kAboutCommand:
            OnInfo();
            return;
        default:
            Dialog::Clicked(id);
    }
}

void CKelvrinDlg::Picked(int id) {
    switch (id) {
        case kSpeed:
            OnSpeedChanged();
            return;
        case kGameType:
            UpdateGameTypeControls();
            return;
        case kMaxPlayers:
            ChoosePlayerCount(kMaxPlayers, &ServerSettings::si_maxPlayers, kWarmupPlayers,
                              &ServerSettings::si_minPlayers);
            return;
        case kWarmupPlayers:
            ChoosePlayerCount(kWarmupPlayers, &ServerSettings::si_minPlayers, kMaxPlayers,
                              &ServerSettings::si_maxPlayers);
            return;
        case kGameBase:
            OnGameBaseChanged();
            return;
        default:
            return;
    }
}

void CKelvrinDlg::OnExit() {
    CollectSettings();
    const std::optional<std::string> text = ComposeServerConfig(settings_);
    // Too long: the window stays open, so that the texts can be shortened.
    if (!text) return Tell({Outcome::ConfigTooLong});
    if (settings_.settingsChanged && View().AskYesNo("Save changed configuration ?", "Question")) {
        // The window closes whether or not the file could be written.
        Tell(WriteConfigOnExit(settings_, *text));
    }
    View().Close(true);
}

void CKelvrinDlg::Tell(const Result& result) {
    const std::string message = OperatorMessage(result);
    if (!message.empty()) View().Show(message);
}

void CKelvrinDlg::OnSpeedChanged() {
    // Each speed suggests a player count; a LAN carries the most.
    const int speed = View().Selection(kSpeed);
    View().Select(kMaxPlayers, speed == kLanSpeed ? kMostPlayers : speed);
    const int most = View().Selection(kMaxPlayers);
    if (View().Selection(kWarmupPlayers) > most) View().Select(kWarmupPlayers, most);
}

// A confirmed count goes straight into the store, the other count following it as the store's
// rule has it; the other box shows the stored value.
void CKelvrinDlg::ChoosePlayerCount(int box, std::int32_t ServerSettings::*chosen, int otherBox,
                                    std::int32_t ServerSettings::*other) {
    StorePlayerCount(settings_, chosen, PlayerCountOfIndex(View().Selection(box)));
    View().Select(otherBox, PlayerCountIndex(settings_.*other));
}

void CKelvrinDlg::OnGameBaseChanged() {
    if (const auto folder = TakeSelectedGameFolder()) LoadGameFolderConfig(settings_, *folder);
    ShowSettings();
}

void CKelvrinDlg::OnMapCycleClicked() {
    if (!View().Checked(kMapCycle)) return;
    OnSelectMaps();
    // A cycle needs its script; without one the box cannot stay ticked.
    if (!settings_.mapCycleScriptPresent) View().SetChecked(kMapCycle, false);
}

void CKelvrinDlg::OnSelectMaps() {
    CMapSelectionDlg maps(settings_);
    dialogs_.RunModal(maps);
}

void CKelvrinDlg::OnNetStuff() {
    // The advanced dialog shows the LAN switch, so it must see the box as it is now.
    AssignFromWindow(settings_, settings_.net_LANServer, View().Checked(kPureLanServer) ? 1 : 0);
    CAdvancedSettingsDlg advanced(settings_);
    dialogs_.RunModal(advanced);
}

void CKelvrinDlg::OnInfo() {
    CAboutDlg about;
    dialogs_.RunModal(about);
}

}  // namespace kelvrin
