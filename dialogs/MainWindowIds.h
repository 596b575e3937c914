#pragma once

namespace kelvrin {

// Control ids of the main window's template 102.
namespace mainwindow {
inline constexpr int kServerName = 1009;
inline constexpr int kGameType = 1008;
inline constexpr int kGameBase = 1048;
inline constexpr int kSpeed = 1007;
inline constexpr int kMaxPlayers = 1014;
inline constexpr int kShuffleTeams = 1004;
inline constexpr int kAutobalance = 1003;
inline constexpr int kTeamDamage = 1016;
inline constexpr int kPureLanServer = 1046;
inline constexpr int kDedicated = 1002;
inline constexpr int kLogFile = 1006;
inline constexpr int kTimeLimit = 1010;
inline constexpr int kFragLimit = 1026;
inline constexpr int kCaptureLimit = 1012;
inline constexpr int kTourneyLimit = 1011;
inline constexpr int kCountdown = 1027;
inline constexpr int kWaitForReady = 1017;
inline constexpr int kWarmup = 1001;
inline constexpr int kWarmupPlayers = 1013;
inline constexpr int kAdminPassword = 1042;
inline constexpr int kClientPassword = 1015;
inline constexpr int kPureServer = 1019;
inline constexpr int kPunkbuster = 1000;
inline constexpr int kNetStuff = 1041;
inline constexpr int kHitScanTint = 1047;
inline constexpr int kWeaponStay = 1018;
inline constexpr int kSpectators = 1005;
inline constexpr int kVoting = 1040;
inline constexpr int kMapCycle = 1020;
inline constexpr int kSelectMaps = 1035;
inline constexpr int kSaveConfig = 1024;
inline constexpr int kStartServer = 1023;
inline constexpr int kExit = 1;
inline constexpr int kInfo = 1038;
inline constexpr int kHomeLink = 1039;
inline constexpr int kMailLink = 1051;
inline constexpr int kShopLink = 1034;
inline constexpr int kIcon = 1030;
// The system-menu entry that opens the About box.
inline constexpr int kAboutCommand = 16;

}  // namespace mainwindow

}  // namespace kelvrin
