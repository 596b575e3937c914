#include "launch/ProgramLauncher.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "files/FileResult.h"
#include "messages/Result.h"

#ifdef _WIN32
// windows.h first: shellapi.h builds on it.
#include <windows.h>

#include <shellapi.h>

#include "files/WideText.h"
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kelvrin {

namespace {

#ifdef _WIN32

class ShellLauncher : public ProgramLauncher {
public:
    Launch Start(const std::string& startDirectory, const std::string& executable,
                 const std::string& parameters) override {
        // Named in full and started in the start directory, wherever the current directory is.
        const std::wstring directory = WideFromUtf8(startDirectory);
        const std::wstring program = WideFromUtf8(startDirectory + "\\" + executable);
        const std::wstring arguments = WideFromUtf8(parameters);
        SHELLEXECUTEINFOW start{};
        start.cbSize = sizeof start;
        start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        start.lpVerb = L"open";
        start.lpFile = program.c_str();
        start.lpParameters = arguments.c_str();
        start.lpDirectory = directory.c_str();
        start.nShow = SW_SHOWNORMAL;
        if (!::ShellExecuteExW(&start)) {
            return {0, LastSystemError()};
        }
        Launch launch;
        if (start.hProcess != nullptr) {
            launch.process = static_cast<long>(::GetProcessId(start.hProcess));
            ::CloseHandle(start.hProcess);
        }
        return launch;
    }
};

#else

// Blanks only: a tab belongs to its argument, as in a game folder name that holds one.
std::vector<std::string> SplitAtBlanks(const std::string& parameters) {
    std::vector<std::string> words;
    std::string::size_type start = 0;
    while (start <= parameters.size()) {
        std::string::size_type end = parameters.find(' ', start);
        if (end == std::string::npos) end = parameters.size();
        if (end > start) words.push_back(parameters.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// Windows programs begin with the bytes "MZ".
bool IsWindowsProgram(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return false;
    char start[2] = {};
    const ssize_t got = ::read(file, start, sizeof start);
    ::close(file);
    return got == 2 && start[0] == 'M' && start[1] == 'Z';
}

// The first "wine" on the PATH that may be run, or nothing.
std::string FindWine() {
    const char* path = std::getenv("PATH");
    const std::string directories = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    std::string::size_type start = 0;
    while (start <= directories.size()) {
        std::string::size_type end = directories.find(':', start);
        if (end == std::string::npos) end = directories.size();
        const std::string directory = end > start ? directories.substr(start, end - start) : ".";
        const std::string candidate = directory + "/wine";
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

// What the processes of a start tell through the pipe: the game's process id, or an errno.
struct Report {
    pid_t process;
    int failure;
};

bool ReadReport(int pipe, Report& message) {
    ssize_t got = 0;
    do {
        got = ::read(pipe, &message, sizeof message);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof message);
}

std::vector<char*> ArgumentVector(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

// The game's command, made before any fork: only async-signal-safe calls may follow one.
class GameCommand {
public:
    GameCommand(const std::string& startDirectory, const std::string& executable,
                const std::string& parameters)
        : directory_(startDirectory), path_(startDirectory + "/" + executable) {
        direct_.push_back(path_);
        for (const std::string& word : SplitAtBlanks(parameters)) direct_.push_back(word);
        windowsProgram_ = IsWindowsProgram(path_);
        if (windowsProgram_) wine_ = FindWine();
        throughWine_.push_back(wine_);
        throughWine_.insert(throughWine_.end(), direct_.begin(), direct_.end());
        directArgv_ = ArgumentVector(direct_);
        wineArgv_ = ArgumentVector(throughWine_);
    }
    GameCommand(const GameCommand&) = delete;
    GameCommand& operator=(const GameCommand&) = delete;

    // Becomes the game, from the start directory: returns only when it could not, with errno
    // set. A Windows program the system cannot run itself goes through wine.
    void Exec() const {
        if (::chdir(directory_.c_str()) != 0) return;
        ::execv(path_.c_str(), directArgv_.data());
        if ((errno == ENOEXEC || errno == EACCES) && !wine_.empty()) {
            ::execv(wine_.c_str(), wineArgv_.data());
        }
    }

    // A Windows program the system could not run by itself needed wine, which is not there.
    std::error_code FailureOf(int failure) const {
        if (windowsProgram_ && (failure == ENOEXEC || failure == EACCES)) {
            return MakeReason(Refusal::WineMissing);
        }
        return {failure, std::generic_category()};
    }

private:
    std::string directory_;
    std::string path_;
    std::vector<std::string> direct_;
    std::vector<std::string> throughWine_;
    std::string wine_;
    bool windowsProgram_ = false;
    std::vector<char*> directArgv_;
    std::vector<char*> wineArgv_;
};

// Starts the program without a shell, as the grandchild of a short-lived child: the child is
// reaped at once, so the game is neither waited for nor left behind as a zombie; its standard
// streams are /dev/null (in the foreground it keeps the caller's). Whether the
// start worked comes back through a pipe that closes on exec: the child writes the game's
// process id into it, the game its errno only when every exec failed, so reading it ends as
// soon as the game runs.
class DetachedLauncher : public ProgramLauncher {
public:
    Launch Start(const std::string& startDirectory, const std::string& executable,
                 const std::string& parameters) override {
        const GameCommand game(startDirectory, executable, parameters);
        int report[2];
        if (::pipe2(report, O_CLOEXEC) != 0) return {0, LastSystemError()};

        const pid_t child = ::fork();
        if (child < 0) {
            const Launch failed{0, LastSystemError()};
            ::close(report[0]);
            ::close(report[1]);
            return failed;
        }
        if (child == 0) {
            ::close(report[0]);
            ::setsid();
            const pid_t grandchild = ::fork();
            if (grandchild == 0) {
                // Detached, the game holds none of the caller's streams: a script that reads
                // what kelvrin-cli printed gets to the end of it while the game plays on.
                const int nothing = ::open("/dev/null", O_RDWR);
                for (int stream = 0; stream <= 2 && nothing >= 0; ++stream) ::dup2(nothing, stream);
                game.Exec();
            }
            const Report message{grandchild > 0 ? grandchild : 0, grandchild > 0 ? 0 : errno};
            [[maybe_unused]] const ssize_t written = ::write(report[1], &message, sizeof message);
            ::_exit(grandchild == 0 ? 127 : 0);
        }
        ::close(report[1]);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        Launch launch;
        Report message{};
        while (ReadReport(report[0], message)) {
            if (message.process > 0) launch.process = message.process;
            if (message.process == 0) launch.reason = game.FailureOf(message.failure);
        }
        ::close(report[0]);
        if (launch.process == 0 && !launch.reason) {
            launch.reason = std::make_error_code(std::errc::no_child_process);
        }
        return launch;
    }
};

// The process itself becomes the game: its process id, its output, its exit status.
class ForegroundLauncher : public ProgramLauncher {
public:
    Launch Start(const std::string& startDirectory, const std::string& executable,
                 const std::string& parameters) override {
        const GameCommand game(startDirectory, executable, parameters);
        game.Exec();
        return {0, game.FailureOf(errno)};
    }
};

#endif

}  // namespace

std::unique_ptr<ProgramLauncher> MakeSystemLauncher() {
#ifdef _WIN32
    return std::make_unique<ShellLauncher>();
#else
    return std::make_unique<DetachedLauncher>();
#endif
}

std::unique_ptr<ProgramLauncher> MakeForegroundLauncher() {
#ifdef _WIN32
    return nullptr;
#else
    return std::make_unique<ForegroundLauncher>();
#endif
}

}  // namespace kelvrin
