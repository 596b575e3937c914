#include "tests/support/Unprivileged.h"

#include <cerrno>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvrin::testing {

namespace {
// An action's results are 0 to 254.
constexpr int kCouldNotDrop = 255;
}  // namespace

int RunUnprivileged(const std::function<int()>& action) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(kCouldNotDrop);
        }
        ::_exit(action());
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) == kCouldNotDrop) return -1;
    return WEXITSTATUS(status);
}

}  // namespace kelvrin::testing
