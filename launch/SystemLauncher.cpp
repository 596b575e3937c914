#include "launch/ProgramLauncher.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

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
    bool Start(const std::string& startDirectory, const std::string& executable,
               const std::string& parameters) override {
        // Named in full and started in the start directory, wherever the current directory is.
        const std::wstring directory = WideFromUtf8(startDirectory);
        const std::wstring program = WideFromUtf8(startDirectory + "\\" + executable);
        const std::wstring arguments = WideFromUtf8(parameters);
        return reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", program.c_str(),
                                                         arguments.c_str(), directory.c_str(),
                                                         SW_SHOWNORMAL)) > 32;
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

std::vector<char*> ArgumentVector(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

// Starts the program without a shell, as the grandchild of a short-lived child: the child is
// reaped at once, so the game is neither waited for nor left behind as a zombie. Whether the
// start worked comes back through a pipe that closes on exec: the grandchild writes its errno
// into it only when every exec failed, so reading it ends as soon as the game runs.
class DetachedLauncher : public ProgramLauncher {
public:
    bool Start(const std::string& startDirectory, const std::string& executable,
               const std::string& parameters) override {
        const std::string path = startDirectory + "/" + executable;
        std::vector<std::string> direct{path};
        for (const std::string& word : SplitAtBlanks(parameters)) direct.push_back(word);
        std::vector<char*> directArgv = ArgumentVector(direct);

        const std::string wine = IsWindowsProgram(path) ? FindWine() : std::string();
        std::vector<std::string> throughWine{wine};
        throughWine.insert(throughWine.end(), direct.begin(), direct.end());
        std::vector<char*> wineArgv = ArgumentVector(throughWine);

        int report[2];
        if (::pipe2(report, O_CLOEXEC) != 0) return false;

        // Only async-signal-safe calls after fork: everything above was prepared beforehand.
        const pid_t child = ::fork();
        if (child < 0) {
            ::close(report[0]);
            ::close(report[1]);
            return false;
        }
        if (child == 0) {
            ::close(report[0]);
            ::setsid();
            const pid_t grandchild = ::fork();
            if (grandchild == 0 && ::chdir(startDirectory.c_str()) == 0) {
                ::execv(path.c_str(), directArgv.data());
                if ((errno == ENOEXEC || errno == EACCES) && !wine.empty()) {
                    ::execv(wine.c_str(), wineArgv.data());
                }
            }
            if (grandchild <= 0) {
                const int failure = errno;
                [[maybe_unused]] const ssize_t written =
                    ::write(report[1], &failure, sizeof failure);
            }
            ::_exit(grandchild == 0 ? 127 : 0);
        }
        ::close(report[1]);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        int failure = 0;
        ssize_t got = 0;
        do {
            got = ::read(report[0], &failure, sizeof failure);
        } while (got < 0 && errno == EINTR);
        ::close(report[0]);
        return got == 0;
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

}  // namespace kelvrin
