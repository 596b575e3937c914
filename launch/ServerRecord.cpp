#include "launch/ServerRecord.h"

#include <cstdio>
#include <thread>

#include "files/Directories.h"
#include "files/FileResult.h"
#include "files/TextFile.h"
#include "settings/DecimalNumber.h"

#ifndef _WIN32
#include <csignal>
#include <fstream>
#include <sstream>
#endif

namespace kelvrin {

namespace {

std::string RecordPath(const ServerSettings& settings) {
    return JoinPath(JoinPath(settings.startDirectory, settings.gameFolder), kServerRecordName);
}

// Waits until the process no longer has its identity, or the time is up. Unused on Windows,
// which stops no server.
[[maybe_unused]] bool EndsWithin(const ServerRecord& record, std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (ProcessIdentity(record.process) != record.identity) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

#ifdef _WIN32
std::string ProcessIdentity(long) { return {}; }

std::error_code StopServerProcess(const ServerRecord&, std::chrono::milliseconds) {
    return std::make_error_code(std::errc::function_not_supported);
}
#else
std::string ProcessIdentity(long process) {
    if (process <= 0) return {};
    std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return {};
    // The name in parentheses may hold blanks; the fields after it do not.
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    std::string state;
    std::string field;
    fields >> state;
    for (int number = 4; number <= 22 && fields >> field; ++number) {
    }
    if (state == "Z" || state == "X" || !fields) return {};
    return field;
}

std::error_code StopServerProcess(const ServerRecord& record, std::chrono::milliseconds timeout) {
    for (const int signal : {SIGTERM, SIGKILL}) {
        if (ProcessIdentity(record.process) != record.identity) return {};
        if (::kill(static_cast<pid_t>(record.process), signal) != 0 && errno != ESRCH) {
            return LastSystemError();
        }
        if (EndsWithin(record, signal == SIGTERM ? timeout : std::chrono::seconds(5))) return {};
    }
    return std::make_error_code(std::errc::timed_out);
}
#endif

std::string RecordText(const ServerRecord& record) {
    return "process=" + std::to_string(record.process) + "\nidentity=" + record.identity +
           "\nsince=" + std::to_string(record.since) + "\ncommand=" + record.command + "\n";
}

std::optional<ServerRecord> ParseRecord(std::string_view text) {
    ServerRecord record;
    int found = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t equals = line.find('=');
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(std::min(equals + 1, line.size()));
        if (key == "process" && ReadWholeNumber(value, record.process)) ++found;
        if (key == "since" && ReadWholeNumber(value, record.since)) ++found;
        if (key == "identity" && !value.empty()) {
            record.identity = value;
            ++found;
        }
        if (key == "command") {
            record.command = value;
            ++found;
        }
    }
    if (found != 4 || record.process <= 0) return std::nullopt;
    return record;
}

std::optional<ServerRecord> ReadServerRecord(const ServerSettings& settings) {
    const std::optional<std::string> text = ReadTextFile(RecordPath(settings), 4096);
    if (!text) return std::nullopt;
    return ParseRecord(*text);
}

FileResult WriteServerRecord(const ServerSettings& settings, const ServerRecord& record) {
    return ReplaceTextFile(RecordPath(settings), RecordText(record));
}

void RemoveServerRecord(const ServerSettings& settings) {
    std::remove(RecordPath(settings).c_str());
}

ServerState StateOf(const ServerRecord& record) {
    const std::string identity = ProcessIdentity(record.process);
    if (identity.empty()) return ServerState::Ended;
    return identity == record.identity ? ServerState::Running : ServerState::Replaced;
}

}  // namespace kelvrin
