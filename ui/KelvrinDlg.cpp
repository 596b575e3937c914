#include "ui/KelvrinDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/GameFolderList.h"
#include "app/StartUp.h"
#include "dialogs/MainWindowIds.h"
#include "launch/ServerLaunch.h"
#include "settings/ConfigWriter.h"
#include "settings/GameFolderConfig.h"
#include "settings/ServerSettings.h"
#include "ui/AboutDlg.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/ComboSelection.h"
#include "ui/LinkLabel.h"
#include "ui/MapSelectionDlg.h"
#include "ui/ProgramCursor.h"
#include "ui/ProgramIcons.h"
#include "ui/UrlOpener.h"
#include "ui/WrittenTextEdit.h"

namespace kelvrin {

using namespace mainwindow;

namespace {
constexpr int kMainWindowTemplate = 102;
constexpr int kLanSpeedIndex = 5;
constexpr int kMostPlayersIndex = 7;
}  // namespace

CKelvrinDlg::CKelvrinDlg(ServerSettings& settings, OperatorMessages& messages,
                         ProgramLauncher& launcher, UrlOpener& urls, QWidget* parent)
    : TemplateDialog(kMainWindowTemplate, parent),
      settings_(settings),
      messages_(messages),
      launcher_(launcher),
      urls_(urls) {
    OnInitDialog();
}

CKelvrinDlg::~CKelvrinDlg() {
    // The controls outlive this part of the object, and a combo that loses the focus while
    // they are torn down still reports a choice: it must not reach the handlers any more.
    for (const QObject* control : children()) disconnect(control, nullptr, this, nullptr);
}

QString CKelvrinDlg::AboutMenuEntry() { return QStringLiteral("Inf&o über Kelvrin..."); }

void CKelvrinDlg::OnInitDialog() {
    SetUpWindow();
    SetUpToolTips();
    SetUpLinks();
    ConnectHandlers();
    const std::vector<std::string> folders = StartUp(settings_);
    ShowSettings();
    FillGameFolderList(folders);
    Edit(kServerName)->setFocus();
}

void CKelvrinDlg::SetUpWindow() {
    // A fixed-size dialog: a close box, but nothing to minimise or maximise it with.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(WindowIcon());
    setWindowTitle(QString::fromLatin1(kMainWindowCaption));
    UseProgramCursor(this);
    for (const int id : {kServerName, kClientPassword, kAdminPassword})
        AcceptWrittenTextOnly(Edit(id));
}

void CKelvrinDlg::SetUpToolTips() {
    Edit(kServerName)->setToolTip(QStringLiteral("Enter the name of your Server"));
    Button(kSaveConfig)
        ->setToolTip(QStringLiteral("Saves the current settings and creates a batch file"));
    Button(kStartServer)->setToolTip(QStringLiteral("Start a server with the current settings"));
    Check(kDedicated)->setToolTip(QStringLiteral("this will select dravekded.exe"));
    Check(kPureLanServer)
        ->setToolTip(QStringLiteral("play without connection to the internet - LAN only"));
}

void CKelvrinDlg::SetUpLinks() {
    const std::pair<int, const char*> links[] = {
        {kShopLink, kShopTarget}, {kHomeLink, kHomeTarget}, {kMailLink, kMailTarget}};
    for (const auto& [id, target] : links) {
        auto* link = ItemAs<CLinkLabel>(id);
        link->SetTarget(QString::fromLatin1(target));
        link->SetUrlOpener(&urls_);
    }
}

void CKelvrinDlg::ConnectHandlers() {
    connect(Combo(kSpeed), &QComboBox::activated, this, &CKelvrinDlg::OnSpeedChanged);
    connect(Combo(kGameType), &QComboBox::activated, this, &CKelvrinDlg::OnGameTypeChanged);
    connect(Check(kHitScanTint), &QCheckBox::clicked, this, &CKelvrinDlg::OnGameTypeChanged);
    connect(Button(kSaveConfig), &QPushButton::clicked, this, &CKelvrinDlg::OnSaveConfig);
    connect(Button(kStartServer), &QPushButton::clicked, this, &CKelvrinDlg::OnStartServer);
    connect(Check(kWarmup), &QCheckBox::clicked, this, &CKelvrinDlg::OnWarmupClicked);
    connect(Combo(kMaxPlayers), &QComboBox::activated, this, &CKelvrinDlg::OnMaxPlayersChosen);
    connect(Combo(kWarmupPlayers), &QComboBox::activated, this,
            &CKelvrinDlg::OnWarmupPlayersChosen);
    connect(Button(kSelectMaps), &QPushButton::clicked, this, &CKelvrinDlg::OnSelectMaps);
    connect(Button(kInfo), &QPushButton::clicked, this, &CKelvrinDlg::OnInfo);
    connect(Check(kMapCycle), &QCheckBox::clicked, this, &CKelvrinDlg::OnMapCycleClicked);
    connect(Combo(kGameBase), &QComboBox::activated, this, &CKelvrinDlg::OnGameBaseChanged);
    connect(Button(kNetStuff), &QPushButton::clicked, this, &CKelvrinDlg::OnNetStuff);
    connect(Button(kExit), &QPushButton::clicked, this, &CKelvrinDlg::OnExit);
}

void CKelvrinDlg::OnExit() {
    CollectSettings();
    if (SaveChangedConfigOnExit(settings_, messages_)) accept();
}

void CKelvrinDlg::OnSaveConfig() {
    CollectSettings();
    SaveConfig(settings_, messages_);
}

void CKelvrinDlg::OnStartServer() {
    CollectSettings();
    StartServer(settings_, messages_, launcher_);
}

void CKelvrinDlg::OnSpeedChanged(int index) {
    // Each speed suggests a player count; a LAN carries the most.
    SelectIndex(*Combo(kMaxPlayers), index == kLanSpeedIndex ? kMostPlayersIndex : index);
    const int most = SelectedIndex(*Combo(kMaxPlayers));
    if (SelectedIndex(*Combo(kWarmupPlayers)) > most) SelectIndex(*Combo(kWarmupPlayers), most);
}

void CKelvrinDlg::OnGameTypeChanged() { UpdateGameTypeControls(); }

void CKelvrinDlg::OnWarmupClicked() { UpdateWarmupControl(); }

void CKelvrinDlg::OnMaxPlayersChosen(int index) {
    ChoosePlayerCount(index, settings_.si_maxPlayers, settings_.si_minPlayers, kWarmupPlayers);
}

void CKelvrinDlg::OnWarmupPlayersChosen(int index) {
    ChoosePlayerCount(index, settings_.si_minPlayers, settings_.si_maxPlayers, kMaxPlayers);
}

// A confirmed count goes straight into the store; the other count follows it when the warm-up
// would otherwise wait for more players than may join, and its box shows the stored value.
void CKelvrinDlg::ChoosePlayerCount(int index, std::int32_t& chosen, std::int32_t& other,
                                    int otherBox) {
    chosen = PlayerCountOfIndex(index);
    if (settings_.si_minPlayers > settings_.si_maxPlayers) other = chosen;
    SelectIndex(*Combo(otherBox), PlayerCountIndex(other));
}

void CKelvrinDlg::OnGameBaseChanged() {
    if (const auto folder = TakeSelectedGameFolder()) LoadGameFolderConfig(settings_, *folder);
    ShowSettings();
}

void CKelvrinDlg::OnMapCycleClicked() {
    if (!Check(kMapCycle)->isChecked()) return;
    OnSelectMaps();
    // A cycle needs its script; without one the box cannot stay ticked.
    if (!settings_.mapCycleScriptPresent) Check(kMapCycle)->setChecked(false);
}

void CKelvrinDlg::OnSelectMaps() {
    CMapSelectionDlg maps(settings_, messages_, this);
    maps.exec();
}

void CKelvrinDlg::OnNetStuff() {
    // The advanced dialog shows the LAN switch, so it must see the box as it is now.
    AssignFromWindow(settings_, settings_.net_LANServer,
                     Check(kPureLanServer)->isChecked() ? 1 : 0);
    CAdvancedSettingsDlg advanced(settings_, this);
    advanced.exec();
}

void CKelvrinDlg::OnInfo() {
    CAboutDlg about(this);
    about.exec();
}

void CKelvrinDlg::contextMenuEvent(QContextMenuEvent* event) {
    // X11 and Wayland let no program add to a window's system menu; the About entry is offered
    // here instead.
    QMenu menu(this);
    const QAction* about = menu.addAction(AboutMenuEntry());
    if (menu.exec(event->globalPos()) == about) OnInfo();
}

QCheckBox* CKelvrinDlg::Check(int id) const { return ItemAs<QCheckBox>(id); }
QComboBox* CKelvrinDlg::Combo(int id) const { return ItemAs<QComboBox>(id); }
QLineEdit* CKelvrinDlg::Edit(int id) const { return ItemAs<QLineEdit>(id); }
QPushButton* CKelvrinDlg::Button(int id) const { return ItemAs<QPushButton>(id); }

}  // namespace kelvrin
