#pragma once

#include "ui/TemplateDialog.h"

namespace kelvrin {

struct ServerSettings;

// Time-outs, relay, client rate, server mods and master servers. Confirming writes them straight
// into the store without raising settingsChanged; cancelling assigns nothing.
class CAdvancedSettingsDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CAdvancedSettingsDlg(ServerSettings& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    void ShowSettings();

    ServerSettings& settings_;
};

}  // namespace kelvrin
