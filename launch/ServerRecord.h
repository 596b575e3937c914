#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "files/FileResult.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

// What a start records in the game folder of the server it started, so that a later call can
// tell whether it still runs and stop it, and never mistakes another program for it.
inline constexpr std::string_view kServerRecordName = "kelvrin.server";

struct ServerRecord {
    long process = 0;
    // How the system tells this process from a later one under the same id: its start time in
    // clock ticks since boot.
    std::string identity;
    long long since = 0;  // when it was started, in seconds since 1970
    std::string command;  // the program and its parameters
};

// The identity of a process that runs under that id now; empty for none (an ended process
// that is not yet reaped counts as none), and wherever the system cannot tell.
std::string ProcessIdentity(long process);

std::string RecordText(const ServerRecord& record);
std::optional<ServerRecord> ParseRecord(std::string_view text);

std::optional<ServerRecord> ReadServerRecord(const ServerSettings& settings);
FileResult WriteServerRecord(const ServerSettings& settings, const ServerRecord& record);
void RemoveServerRecord(const ServerSettings& settings);

enum class ServerState {
    Running,   // the recorded process runs
    Ended,     // no process runs under its id
    Replaced,  // another program runs under its id now
};
ServerState StateOf(const ServerRecord& record);

// Ends the recorded server: a polite signal, then a hard one when it has not ended within the
// time-out. Only a process whose identity is the recorded one is signalled.
std::error_code StopServerProcess(const ServerRecord& record, std::chrono::milliseconds timeout);

}  // namespace kelvrin
