#pragma once

#include <functional>

namespace kelvrin::testing {

// Runs the action in a child process that has dropped to an ordinary user (uid and gid 65534)
// when running as root, so that file modes bind as they do for an operator; gives the action's
// result, or -1 when the child could not drop or died.
int RunUnprivileged(const std::function<int()>& action);

}  // namespace kelvrin::testing
