#include "launch/LaunchParameters.h"

namespace kelvrin {

std::string GameExecutable(const ServerSettings& settings) {
    return settings.net_serverDedicated != 0 ? "dravekDed.exe" : "dravek.exe";
}

std::string LaunchParameters(const ServerSettings& settings) {
    // No blank before "+exec": the game's command line has always been given this way.
    return "+set fs_game " + settings.gameFolder +
           std::string(settings.si_mapCycle != 0 ? kWithMapCycle : kWithoutMapCycle);
}

}  // namespace kelvrin
