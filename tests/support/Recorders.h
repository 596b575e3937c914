#pragma once

#include <deque>
#include <string>
#include <vector>

#include "launch/ProgramLauncher.h"

namespace kelvrin::testing {

using Shown = std::vector<std::string>;

struct Question {
    std::string text;
    std::string caption;

    bool operator==(const Question&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Question& question) {
    return out << question.text << " (" << question.caption << ")";
}

// Records every message and every question; questions are answered from a queue (No when
// empty).
class RecordingMessages {
public:
    void Show(const std::string& text) { shown.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string& caption) {
        asked.push_back({text, caption});
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }

    Shown shown;
    std::vector<Question> asked;
    std::deque<bool> answers;
};

// Records every start of a program instead of starting it, as "PROGRAM PARAMETERS", preceded by
// "START DIRECTORY: " when that is not the one it expects; every start succeeds.
class RecordingLauncher : public ProgramLauncher {
public:
    Launch Start(const std::string& startDirectory, const std::string& executable,
                 const std::string& parameters) override {
        const std::string from = startDirectory == expected ? "" : startDirectory + ": ";
        launches.push_back(from + executable + " " + parameters);
        return {};
    }

    std::string expected;  // the start directory
    std::vector<std::string> launches;
};

}  // namespace kelvrin::testing
