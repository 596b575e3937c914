#pragma once

#include "dialogs/Dialog.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// Time-outs, relay, client rate, server mods and master servers (template 140). OK writes them
// straight into the store without raising settingsChanged; Cancel assigns nothing.
class CAdvancedSettingsDlg : public Dialog {
public:
    explicit CAdvancedSettingsDlg(ServerSettings& settings);

    void Clicked(int id) override;

protected:
    void OnInitDialog() override;

private:
    void OnOK();

    ServerSettings& settings_;
};

}  // namespace kelvrin
