#include "launch/BatchFile.h"

#include <optional>
#include <utility>

#include "files/TextCompare.h"
#include "launch/LaunchParameters.h"
#include "messages/Result.h"

#ifdef _WIN32
#include <windows.h>

#include "files/WideText.h"
#endif

namespace kelvrin {

#ifdef _WIN32
namespace {

// cmd.exe reads a batch file in the console's code page, which is the OEM one unless the
// operator changed it. A character that code page lacks is refused rather than written as its
// nearest look-alike or as "?": the game would be handed another folder's name, or none that
// exists, and a refused batch file is reported while kelvrin.cfg is still written.
std::optional<std::string> InConsoleCodePage(std::string_view utf8) {
    const std::wstring wide = WideFromUtf8(utf8);
    const UINT codePage = GetOEMCP();
    // UTF-8 as the system's code page carries every name; it takes no flags.
    if (codePage == CP_UTF8) return Utf8FromWide(wide);
    const int length = static_cast<int>(wide.size());
    BOOL lacking = FALSE;
    const int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                         nullptr, 0, nullptr, &lacking);
    if (size <= 0 || lacking) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

// cmd.exe takes & and ^ as its own, and % as the start of a variable: escaped, each reaches the
// game as it is instead of cutting the line or starting a command of its own. No file name
// holds the others (| < > ").
ServerSettings WithFolderEscaped(const ServerSettings& settings) {
    ServerSettings escaped = settings;
    escaped.gameFolder.clear();
    for (const char c : settings.gameFolder) {
        if (c == '&' || c == '^') escaped.gameFolder += '^';
        if (c == '%') escaped.gameFolder += '%';
        escaped.gameFolder += c;
    }
    return escaped;
}

}  // namespace
#endif

std::string BatchFileName(std::string_view folder) { return "kvr_" + std::string(folder) + ".bat"; }

std::string BatchFileLine(const ServerSettings& settings) {
    std::string line = GameExecutable(settings) + " +set fs_game " + settings.gameFolder + " ";
    if (settings.si_mapCycle != 0) return line + std::string(kWithMapCycle);
    return line + std::string(kWithoutMapCycle) + "\n";
}

BatchBytes BatchFileBytes(const ServerSettings& settings) {
    if (HoldsControlCharacter(settings.gameFolder)) {
        return {{}, MakeReason(Refusal::ControlCharacterInName)};
    }
#ifdef _WIN32
    std::optional<std::string> bytes =
        InConsoleCodePage(BatchFileLine(WithFolderEscaped(settings)));
    if (!bytes) return {{}, MakeReason(Refusal::NameNotInCodePage)};
    return {std::move(*bytes), {}};
#else
    // Names stay the bytes they are: the shell that runs the file reads them so.
    return {BatchFileLine(settings), {}};
#endif
}

}  // namespace kelvrin
