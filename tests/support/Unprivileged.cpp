#include "tests/support/Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvrin::testing {

int RunUnprivileged(const std::function<int()>& action) {
    constexpr int kCouldNotDrop = 255;  // an action's results are 0 to 254
    const pid_t child = ::fork();
    if (child == 0) {
        // 65534 is the user and group "nobody".
        const bool dropped = ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 &&
                                                  ::setgid(65534) == 0 && ::setuid(65534) == 0);
        ::_exit(dropped ? action() : kCouldNotDrop);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == kCouldNotDrop) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace kelvrin::testing
