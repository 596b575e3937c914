#include "tests/support/Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvrin::testing {

int RunUnprivileged(const std::function<int()>& action) {
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        const bool dropped = geteuid() != 0 ||
                             (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0);
        _exit(dropped ? action() : 255);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255) return -1;
    return WEXITSTATUS(status);
}

}  // namespace kelvrin::testing
