#include "tests/support/Unprivileged.h"

#include <cerrno>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvrin::testing {

int RunUnprivileged(const std::function<int()>& action) {
    constexpr int kCouldNotDrop = 255;  // an action's results are 0 to 254
    constexpr uid_t kNobody = 65534;
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 &&
                                                  ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
        ::_exit(dropped ? action() : kCouldNotDrop);
    }
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) == kCouldNotDrop) return -1;
    return WEXITSTATUS(status);
}

}  // namespace kelvrin::testing
