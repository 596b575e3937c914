#include "cli/Reporting.h"

#include "cli/CommandList.h"
#include "cli/Words.h"

namespace kelvrin::cli {

int Report(const Result& result, std::ostream& out, std::ostream& err) {
    if (!result.Failed()) {
        if (result.outcome == Outcome::GameStarted) {
            out << "Started " << OneLine(result.subject) << " (process " << result.process << ")\n";
        } else if (const std::string message = OperatorMessage(result); !message.empty()) {
            out << OneLine(message) << '\n';
        }
        return kSucceeded;
    }
    err << "kelvrin-cli: " << OneLine(OperatorMessage(result));
    if (result.reason) err << ": " << result.reason.message();
    err << '\n';
    return kFailed;
}

int Refuse(std::ostream& err, const std::string& refusal) {
    err << "kelvrin-cli: " << refusal << '\n';
    return kUsageError;
}

}  // namespace kelvrin::cli
