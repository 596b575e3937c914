#pragma once

#include <functional>

namespace kelvrin::testing {

// Runs the action in a child process as an ordinary user (uid and gid 65534) when the tests run
// as root, where permission bits bind nobody; otherwise as the test's own user. Returns the
// action's result (0 to 254) as the child's exit status, or -1 when the child died or could not
// drop.
int RunUnprivileged(const std::function<int()>& action);

}  // namespace kelvrin::testing
