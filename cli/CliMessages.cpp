#include "cli/CliMessages.h"

#include "cli/Invocation.h"

namespace kelvrin::cli {

int CliMessages::Report(bool succeeded, std::ostream& out, std::ostream& err) const {
    std::ostream& stream = succeeded ? out : err;
    for (const std::string& text : shown_) stream << text << '\n';
    stream << std::flush;
    return succeeded ? kSucceeded : kFailed;
}

}  // namespace kelvrin::cli
