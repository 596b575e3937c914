#include "launch/BatchFile.h"

#include "files/TextCompare.h"
#include "launch/LaunchParameters.h"

namespace kelvrin {

std::string BatchFileName(std::string_view folder) { return "kvr_" + std::string(folder) + ".bat"; }

std::string BatchFileLine(const ServerSettings& settings) {
    std::string line = GameExecutable(settings) + " +set fs_game " + settings.gameFolder + " ";
    if (settings.si_mapCycle != 0) return line + std::string(kWithMapCycle);
    return line + std::string(kWithoutMapCycle) + "\n";
}

std::optional<std::string> BatchFileBytes(const ServerSettings& settings) {
    if (HoldsControlCharacter(settings.gameFolder)) return std::nullopt;
    // Names stay the bytes they are: the shell that runs the file reads them so.
    return BatchFileLine(settings);
}

}  // namespace kelvrin
