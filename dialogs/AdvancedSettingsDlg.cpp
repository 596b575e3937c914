#include "dialogs/AdvancedSettingsDlg.h"

#include "dialogs/DialogIds.h"
#include "dialogs/SettingBindings.h"

namespace kelvrin {

using namespace advanced;

namespace {

constexpr SettingBinding kBindings[] = {
    Bind(kZombieTimeout, &ServerSettings::net_serverZombieTimeout),
    Bind(kMaxUsercmdRelay, &ServerSettings::net_serverMaxUsercmdRelay),
    Bind(kClientTimeout, &ServerSettings::net_serverClientTimeout),
    Bind(kClientRate, &ServerSettings::net_serverMaxClientRate),
    Bind(kAllowServerMod, &ServerSettings::net_serverAllowServerMod),
};

// In this order the LAN rule disables them.
constexpr SettingBinding kMasterServers[] = {
    Bind(kMaster1, &ServerSettings::sv_master1), Bind(kMaster2, &ServerSettings::sv_master2),
    Bind(kMaster3, &ServerSettings::sv_master3), Bind(kMaster4, &ServerSettings::sv_master4),
    Bind(kMaster5, &ServerSettings::sv_master5),
};

}  // namespace

CAdvancedSettingsDlg::CAdvancedSettingsDlg(ServerSettings& settings)
    : Dialog(kTemplate), settings_(settings) {}

void CAdvancedSettingsDlg::OnInitDialog() {
    View().SetText(kWindowItem, "Kelvrin - Advanced Settings");
    ShowEntries(View(), kBindings);
    for (const SettingBinding& master : kMasterServers) {
        // A LAN server announces itself to no master server; the names are kept all the same.
        View().Enable(master.control, settings_.net_LANServer == 0);
        ShowBinding(View(), settings_, master);
    }
    // A stored position outside the list shows no entry.
    for (const SettingBinding& binding : kBindings) ShowBinding(View(), settings_, binding);
}

void CAdvancedSettingsDlg::Clicked(int id) {
    if (id == kOk) {
        OnOK();
    } else {
        Dialog::Clicked(id);
    }
}

void CAdvancedSettingsDlg::OnOK() {
    // No value is checked, and settingsChanged stays: the dialog changes the store by itself.
    for (const SettingBinding& binding : kBindings) {
        // A client rate that names no entry is stored as no entry chosen.
        settings_.*binding.setting->number = CollectedNumber(View(), binding).value_or(-1);
    }
    // Disabled edits are read as well: they still hold what the store gave them.
    for (const SettingBinding& master : kMasterServers) {
        settings_.*master.setting->text = View().Text(master.control).substr(0, kMaxTextLength);
    }
    View().Close(true);
}

}  // namespace kelvrin
