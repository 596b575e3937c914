#include "ui/AdvancedSettingsDlg.h"

#include <array>
#include <cstdint>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "settings/DecimalNumber.h"
#include "settings/ServerSettings.h"
#include "ui/ComboSelection.h"
#include "ui/ProgramCursor.h"
#include "ui/WindowText.h"
#include "ui/WrittenTextEdit.h"

namespace kelvrin {

namespace {

constexpr int kTemplateId = 140;
constexpr int kClientRateBox = 1007;
constexpr int kAllowServerModBox = 1000;
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;
// Every edit is read up to this many characters, as its value had to fit a fixed buffer.
constexpr qsizetype kEditReadLimit = 99;

struct NumberEdit {
    int id;
    std::int32_t ServerSettings::*field;
};

struct TextEdit {
    int id;
    std::string ServerSettings::*field;
};

constexpr std::array<NumberEdit, 3> kNumberEdits{{
    {1009, &ServerSettings::net_serverZombieTimeout},
    {1010, &ServerSettings::net_serverMaxUsercmdRelay},
    {1011, &ServerSettings::net_serverClientTimeout},
}};

// In this order the LAN rule disables them.
constexpr std::array<TextEdit, 5> kMasterServerEdits{{
    {1012, &ServerSettings::sv_master1},
    {1015, &ServerSettings::sv_master2},
    {1026, &ServerSettings::sv_master3},
    {1027, &ServerSettings::sv_master4},
    {1042, &ServerSettings::sv_master5},
}};

}  // namespace

CAdvancedSettingsDlg::CAdvancedSettingsDlg(ServerSettings& settings, QWidget* parent)
    : TemplateDialog(kTemplateId, parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Kelvrin - Advanced Settings"));
    UseProgramCursor(this);
    for (const TextEdit& edit : kMasterServerEdits)
        AcceptWrittenTextOnly(ItemAs<QLineEdit>(edit.id));
    ShowSettings();
    connect(ItemAs<QPushButton>(kOkButton), &QPushButton::clicked, this,
            &CAdvancedSettingsDlg::accept);
    connect(ItemAs<QPushButton>(kCancelButton), &QPushButton::clicked, this,
            &CAdvancedSettingsDlg::reject);
}

void CAdvancedSettingsDlg::ShowSettings() {
    const bool lanServer = settings_.net_LANServer != 0;
    for (const TextEdit& edit : kMasterServerEdits) {
        QLineEdit* line = ItemAs<QLineEdit>(edit.id);
        // A LAN server announces itself to no master server; the names are kept all the same.
        line->setEnabled(!lanServer);
        line->setText(WindowText(settings_.*edit.field));
        line->setCursorPosition(0);  // a long name shows its beginning
    }
    for (const NumberEdit& edit : kNumberEdits)
        ItemAs<QLineEdit>(edit.id)->setText(QString::number(settings_.*edit.field));
    // A stored position outside the list shows no entry.
    SelectIndex(*ItemAs<QComboBox>(kClientRateBox), settings_.net_serverMaxClientRate);
    ItemAs<QCheckBox>(kAllowServerModBox)->setChecked(settings_.net_serverAllowServerMod != 0);
}

void CAdvancedSettingsDlg::accept() {
    const auto editText = [this](int id) {
        return SettingText(ItemAs<QLineEdit>(id)->text().left(kEditReadLimit));
    };
    for (const NumberEdit& edit : kNumberEdits)
        settings_.*edit.field = ParseLeadingInteger(editText(edit.id));
    // The box is editable: a typed text that names no entry counts as no entry chosen.
    settings_.net_serverMaxClientRate = SelectedIndex(*ItemAs<QComboBox>(kClientRateBox));
    settings_.net_serverAllowServerMod = ItemAs<QCheckBox>(kAllowServerModBox)->isChecked() ? 1 : 0;
    // Disabled edits are read as well: they still hold what the store gave them.
    for (const TextEdit& edit : kMasterServerEdits) settings_.*edit.field = editText(edit.id);
    TemplateDialog::accept();
}

}  // namespace kelvrin
