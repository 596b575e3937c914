#include "cli/ServerCommands.h"

#include <ctime>
#include <memory>
#include <optional>

#include "cli/Reporting.h"
#include "cli/Words.h"
#include "launch/ServerLaunch.h"
#include "launch/ServerRecord.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace kelvrin::cli {

namespace {

long OwnProcess() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(::getpid());
#endif
}

// "2026-12-07 21:40:05 UTC"
std::string Moment(long long seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &time);
#else
    gmtime_r(&time, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return text;
}

std::string Described(const ServerRecord& record) {
    return OneLine(record.command) + " (process " + std::to_string(record.process) + ")";
}

// The recorded server of the game folder, when it runs.
std::optional<ServerRecord> RunningServer(const ServerSettings& settings) {
    std::optional<ServerRecord> record = ReadServerRecord(settings);
    if (record && StateOf(*record) != ServerState::Running) record.reset();
    return record;
}

// What kelvrin-cli.exe cannot do: a Windows process cannot become another, and it follows no
// process it started.
#ifdef _WIN32
constexpr bool kFollowsServers = false;
#else
constexpr bool kFollowsServers = true;
#endif

int NotOnWindows(std::string_view what, std::ostream& err) {
    err << "kelvrin-cli: " << what
        << " is not available on Windows: kelvrin-cli.exe starts the game and follows it no "
           "further\n";
    return kFailed;
}

// Records the process as the game folder's server and then becomes the game.
class RecordedForeground : public ProgramLauncher {
public:
    explicit RecordedForeground(const ServerSettings& settings) : settings_(settings) {}

    Launch Start(const std::string& startDirectory, const std::string& executable,
                 const std::string& parameters) override {
        const long self = OwnProcess();
        WriteServerRecord(settings_, {self, ProcessIdentity(self), std::time(nullptr),
                                      executable + " " + parameters});
        const Launch failed =
            MakeForegroundLauncher()->Start(startDirectory, executable, parameters);
        RemoveServerRecord(settings_);
        return failed;
    }

private:
    const ServerSettings& settings_;
};

}  // namespace

int Start(const Invocation& invocation, ServerSettings& settings, std::ostream& out,
          std::ostream& err) {
    if (const std::optional<ServerRecord> running = RunningServer(settings)) {
        if (!invocation.restart) {
            err << "kelvrin-cli: the server of game folder " << Quoted(settings.gameFolder)
                << " runs already: " << Described(*running) << "; stop it, or start --restart\n";
            return kFailed;
        }
        if (const int stopped = Stop(invocation, settings, out, err); stopped != kSucceeded) {
            return stopped;
        }
    }
    if (invocation.foreground) {
        if (!kFollowsServers) return NotOnWindows("start --foreground", err);
        RecordedForeground launcher(settings);
        // Returns only when the game could not be started.
        return Report(StartServer(settings, launcher), out, err);
    }
    const Result started = StartServer(settings, *MakeSystemLauncher());
    const int code = Report(started, out, err);
    // Where the system cannot tell the game from a later process, nothing is recorded.
    const std::string identity = ProcessIdentity(started.process);
    if (started.outcome == Outcome::GameStarted && !identity.empty()) {
        const ServerRecord record{started.process, identity, std::time(nullptr), started.subject};
        // The game runs either way; without the record only status and stop cannot know it.
        if (const FileResult written = WriteServerRecord(settings, record); !written) {
            err << "kelvrin-cli: can't write \"" << kServerRecordName
                << "\": " << written.reason.message() << "\n";
        }
    }
    return code;
}

int Status(const ServerSettings& settings, std::ostream& out, std::ostream& err) {
    if (!kFollowsServers) return NotOnWindows("status", err);
    const std::optional<ServerRecord> record = ReadServerRecord(settings);
    if (!record) {
        out << "not running: no server is recorded in game folder " << Quoted(settings.gameFolder)
            << "\n";
        return kNotRunning;
    }
    switch (StateOf(*record)) {
        case ServerState::Running:
            out << "running: " << Described(*record) << " since " << Moment(record->since) << "\n";
            return kSucceeded;
        case ServerState::Ended:
            out << "not running: " << Described(*record) << " has ended\n";
            return kNotRunning;
        case ServerState::Replaced:
            out << "not running: " << Described(*record)
                << " has ended; another program holds its id now\n";
            return kNotRunning;
    }
    return kNotRunning;
}

int Stop(const Invocation& invocation, const ServerSettings& settings, std::ostream& out,
         std::ostream& err) {
    if (!kFollowsServers) return NotOnWindows("stop", err);
    const std::optional<ServerRecord> record = ReadServerRecord(settings);
    if (!record || StateOf(*record) != ServerState::Running) {
        // A record of a server that ended stays no longer; nothing is signalled.
        if (record) RemoveServerRecord(settings);
        out << "not running\n";
        return kSucceeded;
    }
    const std::error_code failed =
        StopServerProcess(*record, std::chrono::seconds(invocation.timeoutSeconds));
    if (failed) {
        err << "kelvrin-cli: can't stop " << Described(*record) << ": " << failed.message() << "\n";
        return kFailed;
    }
    RemoveServerRecord(settings);
    out << "stopped " << Described(*record) << "\n";
    return kSucceeded;
}

}  // namespace kelvrin::cli
