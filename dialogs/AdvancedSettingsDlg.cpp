#include "dialogs/AdvancedSettingsDlg.h"

#include "dialogs/SettingBindings.h"

namespace kelvrin {

namespace {

// Every edit is read up to this many characters, as its value had to fit a fixed buffer.
constexpr std::size_t kEditReadLimit = 99;

constexpr SettingBinding kBindings[] = {
    {1009, ShownAs::Number, "net_serverZombieTimeout"},
    {1010, ShownAs::Number, "net_serverMaxUsercmdRelay"},
    {1011, ShownAs::Number, "net_serverClientTimeout"},
    {1007, ShownAs::Position, "net_serverMaxClientRate"},
    {1000, ShownAs::Switch, "net_serverAllowServerMod"},
};

// In this order the LAN rule disables them.
constexpr SettingBinding kMasterServers[] = {
    {1012, ShownAs::Text, "sv_master1"}, {1015, ShownAs::Text, "sv_master2"},
    {1026, ShownAs::Text, "sv_master3"}, {1027, ShownAs::Text, "sv_master4"},
    {1042, ShownAs::Text, "sv_master5"},
};

}  // namespace

CAdvancedSettingsDlg::CAdvancedSettingsDlg(ServerSettings& settings)
    : Dialog(140), settings_(settings) {}

void CAdvancedSettingsDlg::OnInitDialog() {
    View().SetText(kWindowItem, "Kelvrin - Advanced Settings");
    for (const SettingBinding& master : kMasterServers) {
        // A LAN server announces itself to no master server; the names are kept all the same.
        View().Enable(master.control, settings_.net_LANServer == 0);
        ShowBinding(View(), settings_, master);
    }
    // A stored position outside the list shows no entry.
    for (const SettingBinding& binding : kBindings) ShowBinding(View(), settings_, binding);
}

void CAdvancedSettingsDlg::Clicked(int id) {
    if (id == kOkButton) {
        OnOK();
    } else {
        Dialog::Clicked(id);
    }
}

void CAdvancedSettingsDlg::OnOK() {
    // No value is checked, and settingsChanged stays: the dialog changes the store by itself.
    for (const SettingBinding& binding : kBindings) {
        // A client rate that names no entry is stored as no entry chosen.
        NumberField(settings_, binding.setting) =
            CollectedNumber(View(), binding, kEditReadLimit).value_or(-1);
    }
    // Disabled edits are read as well: they still hold what the store gave them.
    for (const SettingBinding& master : kMasterServers) {
        TextField(settings_, master.setting) =
            View().Text(master.control).substr(0, kEditReadLimit);
    }
    View().Close(true);
}

}  // namespace kelvrin
