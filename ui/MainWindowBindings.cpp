// The two ways between the store and the main window's controls, and the rules that enable
// controls by what the window shows.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>

#include "dialogs/MainWindowIds.h"
#include "settings/ConfigWriter.h"
#include "settings/DecimalNumber.h"
#include "settings/ServerSettings.h"
#include "ui/ComboSelection.h"
#include "ui/KelvrinDlg.h"
#include "ui/WindowText.h"

namespace kelvrin {

using namespace mainwindow;

namespace {

constexpr std::array<int, 15> kSwitchControls{
    kMapCycle,   kWeaponStay,  kWaitForReady, kTeamDamage,    kDedicated,
    kWarmup,     kPureServer,  kShuffleTeams, kSpectators,    kAutobalance,
    kPunkbuster, kHitScanTint, kVoting,       kPureLanServer, kLogFile};
constexpr std::array<int, 5> kLimitControls{kCountdown, kTourneyLimit, kCaptureLimit, kFragLimit,
                                            kTimeLimit};

struct TextBinding {
    int control;
    std::string ServerSettings::*field;
};

// In the order of collecting.
constexpr TextBinding kTextBindings[] = {
    {kClientPassword, &ServerSettings::g_password},
    {kAdminPassword, &ServerSettings::net_serverRemoteConsolePassword},
    {kServerName, &ServerSettings::si_name},
};

// A box whose text matches none of its items delivers nothing, and the stored value stays.
void AssignIndex(ServerSettings& settings, std::int32_t& field, const QComboBox& box) {
    const int index = SelectedIndex(box);
    if (index >= 0) AssignFromWindow(settings, field, std::int32_t{index});
}

void AssignPlayerCount(ServerSettings& settings, std::int32_t& field, const QComboBox& box) {
    const int index = SelectedIndex(box);
    if (index >= 0) AssignFromWindow(settings, field, PlayerCountOfIndex(index));
}

}  // namespace

void CKelvrinDlg::ShowSettings() {
    NormaliseSettings(settings_);
    for (const auto& [control, field] : kTextBindings) {
        Edit(control)->setText(WindowText(settings_.*field));
    }
    for (std::size_t row = 0; row < kSwitchControls.size(); ++row) {
        // Any value other than 0 is on, as the game reads it.
        Check(kSwitchControls[row])->setChecked(settings_.*kSwitchSettings[row].field != 0);
    }
    for (std::size_t row = 0; row < kLimitControls.size(); ++row) {
        Edit(kLimitControls[row])->setText(QString::number(settings_.*kLimitSettings[row].field));
    }
    SelectIndex(*Combo(kSpeed), settings_.gui_configServerRate);
    SelectIndex(*Combo(kGameType), settings_.gameTypeIndex);
    SelectIndex(*Combo(kWarmupPlayers), PlayerCountIndex(settings_.si_minPlayers));
    SelectIndex(*Combo(kMaxPlayers), PlayerCountIndex(settings_.si_maxPlayers));
    UpdateWarmupControl();
    UpdateGameTypeControls();
}

void CKelvrinDlg::CollectSettings() {
    settings_.settingsChanged = false;
    AssignIndex(settings_, settings_.gui_configServerRate, *Combo(kSpeed));
    AssignIndex(settings_, settings_.gameTypeIndex, *Combo(kGameType));
    AssignPlayerCount(settings_, settings_.si_minPlayers, *Combo(kWarmupPlayers));
    AssignPlayerCount(settings_, settings_.si_maxPlayers, *Combo(kMaxPlayers));
    for (const auto& [control, field] : kTextBindings) {
        AssignFromWindow(settings_, settings_.*field, SettingText(Edit(control)->text()));
    }
    TakeSelectedGameFolder();
    for (std::size_t row = 0; row < kLimitControls.size(); ++row) {
        const std::string text = Edit(kLimitControls[row])->text().toStdString();
        AssignFromWindow(settings_, settings_.*kLimitSettings[row].field,
                         ParseLeadingInteger(text));
    }
    for (std::size_t row = 0; row < kSwitchControls.size(); ++row) {
        const std::int32_t ticked = Check(kSwitchControls[row])->isChecked() ? 1 : 0;
        AssignFromWindow(settings_, settings_.*kSwitchSettings[row].field, ticked);
    }
}

void CKelvrinDlg::UpdateGameTypeControls() {
    for (const int id : {kTourneyLimit, kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}) {
        Item(id)->setEnabled(false);
    }
    QCheckBox& hitScanTint = *Check(kHitScanTint);
    const bool tinted = hitScanTint.isChecked();
    if (!tinted) hitScanTint.setText(QStringLiteral("Hit Scan Tint ( 0 )"));

    struct GameTypeRule {
        std::initializer_list<int> enabled;
        const char* tintedCaption;
    };
    static const GameTypeRule rules[] = {
        {{}, "Hit Scan Tint ( 1 )"},
        {{kAutobalance, kShuffleTeams, kTeamDamage}, "Hit Scan Tint ( 2 )"},
        {{kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}, "Hit Scan Tint ( 2 )"},
        {{kCaptureLimit, kAutobalance, kShuffleTeams, kTeamDamage}, "Hit Scan Tint ( 2 )"},
        {{kTourneyLimit}, "Hit Scan Tint ( 1 )"},
    };
    const int gameType = SelectedIndex(*Combo(kGameType));
    if (gameType < 0 || gameType >= static_cast<int>(std::size(rules))) return;
    const GameTypeRule& rule = rules[gameType];
    for (const int id : rule.enabled) Item(id)->setEnabled(true);
    if (tinted) hitScanTint.setText(QString::fromLatin1(rule.tintedCaption));
}

void CKelvrinDlg::UpdateWarmupControl() {
    Combo(kWarmupPlayers)->setEnabled(Check(kWarmup)->isChecked());
}

}  // namespace kelvrin
