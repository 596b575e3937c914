// The two ways between the store and the main window's controls, the rules that enable controls
// by what the window shows, and the Game Base list.
#include <initializer_list>
#include <iterator>

#include "app/GameFolderList.h"
#include "dialogs/KelvrinDlg.h"
#include "dialogs/MainWindowIds.h"
#include "dialogs/SettingBindings.h"
#include "settings/ConfigWriter.h"

namespace kelvrin {

using namespace mainwindow;

namespace {

// Every control that shows a setting, and the setting by its name.
constexpr SettingBinding kBindings[] = {
    {kServerName, ShownAs::Text, "si_name"},
    {kClientPassword, ShownAs::Text, "g_password"},
    {kAdminPassword, ShownAs::Text, "net_serverRemoteConsolePassword"},
    {kMapCycle, ShownAs::Switch, "si_mapCycle"},
    {kWeaponStay, ShownAs::Switch, "si_weaponStay"},
    {kWaitForReady, ShownAs::Switch, "si_useReady"},
    {kTeamDamage, ShownAs::Switch, "si_teamDamage"},
    {kDedicated, ShownAs::Switch, "net_serverDedicated"},
    {kWarmup, ShownAs::Switch, "si_warmup"},
    {kPureServer, ShownAs::Switch, "si_pure"},
    {kShuffleTeams, ShownAs::Switch, "si_shuffle"},
    {kSpectators, ShownAs::Switch, "si_spectators"},
    {kAutobalance, ShownAs::Switch, "si_autobalance"},
    {kPunkbuster, ShownAs::Switch, "sv_punkbuster"},
    {kHitScanTint, ShownAs::Switch, "si_allowHitscanTint"},
    {kVoting, ShownAs::Switch, "si_allowVoting"},
    {kPureLanServer, ShownAs::Switch, "net_LANServer"},
    {kLogFile, ShownAs::Switch, "logFile"},
    {kCountdown, ShownAs::Number, "si_countDown"},
    {kTourneyLimit, ShownAs::Number, "si_tourneyLimit"},
    {kCaptureLimit, ShownAs::Number, "si_captureLimit"},
    {kFragLimit, ShownAs::Number, "si_fragLimit"},
    {kTimeLimit, ShownAs::Number, "si_timeLimit"},
    {kSpeed, ShownAs::Position, "gui_configServerRate"},
    {kGameType, ShownAs::Position, "gameTypeIndex"},
    {kWarmupPlayers, ShownAs::PlayerCount, "si_minPlayers"},
    {kMaxPlayers, ShownAs::PlayerCount, "si_maxPlayers"},
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

void CKelvrinDlg::ShowSettings() {
    NormaliseSettings(settings_);
    for (const SettingBinding& binding : kBindings) ShowBinding(View(), settings_, binding);
    UpdateWarmupControl();
    UpdateGameTypeControls();
}

void CKelvrinDlg::CollectSettings() {
    settings_.settingsChanged = false;
    for (const SettingBinding& binding : kBindings) {
        if (binding.shownAs == ShownAs::Text) {
            AssignFromWindow(settings_, TextField(settings_, binding.setting),
                             View().Text(binding.control));
        } else if (const auto value = CollectedNumber(View(), binding)) {
            // A list whose text matches none of its items delivers nothing: the store keeps its
            // value.
            AssignFromWindow(settings_, NumberField(settings_, binding.setting), *value);
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
