#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "messages/OperatorMessages.h"

namespace kelvrin::cli {

// Keeps the core's messages until the command knows whether it succeeded: then they go to
// standard output, else to standard error. Nothing is ever asked: a question is answered No.
class CliMessages : public OperatorMessages {
public:
    void Show(const std::string& text) override { shown_.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string&) override {
        shown_.push_back(text);
        return false;
    }

    bool Any() const { return !shown_.empty(); }

    // Prints the messages and gives the exit code for the outcome.
    int Report(bool succeeded, std::ostream& out, std::ostream& err) const;

private:
    std::vector<std::string> shown_;
};

}  // namespace kelvrin::cli
