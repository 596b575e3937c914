// The two ways between the store and the main window's controls, the rules that enable controls
// by what the window shows, and the Game Base list.
#include <initializer_list>
#include <iterator>

#include "app/GameFolderList.h"
#include "dialogs/DialogIds.h"
#include "dialogs/KelvrinDlg.h"
#include "dialogs/SettingBindings.h"
#include "settings/ConfigWriter.h"

namespace kelvrin {

using namespace mainwindow;

namespace {

// Every control that shows a setting, and its setting.
constexpr SettingBinding kBindings[] = {
    Bind(kServerName, &ServerSettings::si_name),
    Bind(kClientPassword, &ServerSettings::g_password),
    Bind(kAdminPassword, &ServerSettings::net_serverRemoteConsolePassword),
    Bind(kMapCycle, &ServerSettings::si_mapCycle),
    Bind(kWeaponStay, &ServerSettings::si_weaponStay),
    Bind(kWaitForReady, &ServerSettings::si_useReady),
    Bind(kTeamDamage, &ServerSettings::si_teamDamage),
    Bind(kDedicated, &ServerSettings::net_serverDedicated),
    Bind(kWarmup, &ServerSettings::si_warmup),
    Bind(kPureServer, &ServerSettings::si_pure),
    Bind(kShuffleTeams, &ServerSettings::si_shuffle),
    Bind(kSpectators, &ServerSettings::si_spectators),
    Bind(kAutobalance, &ServerSettings::si_autobalance),
    Bind(kPunkbuster, &ServerSettings::sv_punkbuster),
    Bind(kHitScanTint, &ServerSettings::si_allowHitscanTint),
    Bind(kVoting, &ServerSettings::si_allowVoting),
    Bind(kPureLanServer, &ServerSettings::net_LANServer),
    Bind(kLogFile, &ServerSettings::logFile),
    Bind(kCountdown, &ServerSettings::si_countDown),
    Bind(kTourneyLimit, &ServerSettings::si_tourneyLimit),
    Bind(kCaptureLimit, &ServerSettings::si_captureLimit),
    Bind(kFragLimit, &ServerSettings::si_fragLimit),
    Bind(kTimeLimit, &ServerSettings::si_timeLimit),
    Bind(kSpeed, &ServerSettings::gui_configServerRate),
    Bind(kGameType, &ServerSettings::gameTypeIndex),
    Bind(kWarmupPlayers, &ServerSettings::si_minPlayers),
    Bind(kMaxPlayers, &ServerSettings::si_maxPlayers),
};

// What each game type enables besides the controls every type has, and the Hit Scan Tint caption
// while the box is ticked; in the order of the game type list.
struct GameTypeRule {
    std::initializer_list<int> enabled;
    std::string_view tintedCaption;
};
const GameTypeRule kGameTypeRules[] = {
    {{}, "Hit Scan Tint ( 1 )"},
    {{kAutobalance, kShuffleTeams, kTeamDamage}, "Hit Scan Tint ( 2 )"},
    {{kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}, "Hit Scan Tint ( 2 )"},
    {{kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}, "Hit Scan Tint ( 2 )"},
    {{kTourneyLimit}, "Hit Scan Tint ( 1 )"},
};

}  // namespace

void CKelvrinDlg::ShowListEntries() { ShowEntries(View(), kBindings); }

std::span<const std::string_view> MainWindowEntries(int control) {
    return EntriesOf(kBindings, control);
}

void CKelvrinDlg::ShowSettings() {
    NormaliseSettings(settings_);
    for (const SettingBinding& binding : kBindings) ShowBinding(View(), settings_, binding);
    UpdateWarmupControl();
    UpdateGameTypeControls();
}

void CKelvrinDlg::CollectSettings() {
    settings_.settingsChanged = false;
    for (const SettingBinding& binding : kBindings) {
        const SettingDescription& setting = *binding.setting;
        if (setting.kind == ValueKind::Text) {
            AssignFromWindow(settings_, settings_.*setting.text, View().Text(binding.control));
        } else if (const auto value = CollectedNumber(View(), binding)) {
            // A list whose text matches none of its items delivers nothing: the store keeps its
            // value.
            AssignFromWindow(settings_, settings_.*setting.number, *value);
        }
    }
    TakeSelectedGameFolder();
}

void CKelvrinDlg::UpdateGameTypeControls() {
    for (const int id : {kTourneyLimit, kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}) {
        View().Enable(id, false);
    }
    const bool tinted = View().Checked(kHitScanTint);
    if (!tinted) View().SetText(kHitScanTint, "Hit Scan Tint ( 0 )");
    const int gameType = View().Selection(kGameType);
    if (gameType < 0 || gameType >= static_cast<int>(std::size(kGameTypeRules))) return;
    const GameTypeRule& rule = kGameTypeRules[gameType];
    for (const int id : rule.enabled) View().Enable(id, true);
    if (tinted) View().SetText(kHitScanTint, rule.tintedCaption);
}

void CKelvrinDlg::UpdateWarmupControl() { View().Enable(kWarmupPlayers, View().Checked(kWarmup)); }

void CKelvrinDlg::FillGameFolderList(const std::vector<std::string>& folders) {
    gameBaseEntries_ = GameBaseEntries(folders);
    View().SetItems(kGameBase, gameBaseEntries_);
    const GameFolderSelection selection =
        ChooseGameFolderEntry(gameBaseEntries_, settings_.gameFolder);
    View().Select(kGameBase, selection.select ? static_cast<int>(*selection.select) : -1);
    if (selection.reportNotFound) Tell({Outcome::NoGameFolders});
}

std::optional<std::string> CKelvrinDlg::TakeSelectedGameFolder() {
    const int index = View().Selection(kGameBase);
    if (index < 0 || index >= static_cast<int>(gameBaseEntries_.size())) return std::nullopt;
    const std::string& entry = gameBaseEntries_[static_cast<std::size_t>(index)];
    if (entry.empty()) return std::nullopt;
    std::string folder = FolderOfEntry(entry);
    AssignFromWindow(settings_, settings_.gameFolder, folder);
    return folder;
}

}  // namespace kelvrin
