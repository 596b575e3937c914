#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/OperatorMessages.h"

namespace kelvrin::testing {

using Shown = std::vector<std::string>;

// Records every message and question; questions are answered from a queue (No when empty).
class RecordingMessages : public OperatorMessages {
public:
    struct Question {
        std::string text;
        std::string caption;
    };

    void Show(const std::string& text) override { shown.push_back(text); }

    bool AskYesNo(const std::string& text, const std::string& caption) override {
        asked.push_back({text, caption});
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> shown;
    std::vector<Question> asked;
    std::deque<bool> answers;
};

}  // namespace kelvrin::testing
