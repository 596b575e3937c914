#include "launch/ProgramLauncher.h"

#include <cerrno>
#include <sstream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "app/WideText.h"
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kelvrin {

namespace {

#ifdef _WIN32

class ShellLauncher : public ProgramLauncher {
public:
    void Start(const std::string& startDirectory, const std::string& executable,
               const std::string& parameters) override {
        // Named in full and started in the start directory, wherever the current directory is.
        const std::wstring directory = WideFromUtf8(startDirectory);
        const std::wstring program = WideFromUtf8(startDirectory + "\\" + executable);
        const std::wstring arguments = WideFromUtf8(parameters);
        ::ShellExecuteW(nullptr, L"open", program.c_str(), arguments.c_str(), directory.c_str(),
                        SW_SHOWNORMAL);
    }
};

#else

std::vector<std::string> SplitAtBlanks(const std::string& parameters) {
    std::vector<std::string> words;
    std::istringstream stream(parameters);
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// Starts the program without a shell, as the grandchild of a short-lived child: the child is
// reaped at once, so the game is neither waited for nor left behind as a zombie.
class DetachedLauncher : public ProgramLauncher {
public:
    void Start(const std::string& startDirectory, const std::string& executable,
               const std::string& parameters) override {
        const std::string path = startDirectory + "/" + executable;
        std::vector<std::string> words = SplitAtBlanks(parameters);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(path.c_str()));
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);

        // Only async-signal-safe calls after fork: everything above was prepared beforehand.
        const pid_t child = ::fork();
        if (child < 0) return;
        if (child == 0) {
            ::setsid();
            if (::fork() == 0) {
                if (::chdir(startDirectory.c_str()) == 0) ::execv(path.c_str(), argv.data());
                ::_exit(127);
            }
            ::_exit(0);
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
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
