#include "tests/support/Steps.h"

#include <gtest/gtest.h>

namespace kelvrin::testing {

std::vector<std::string> Split(std::string_view joined, char separator) {
    std::vector<std::string> parts;
    while (!joined.empty()) {
        const std::size_t end = std::min(joined.find(separator), joined.size());
        parts.emplace_back(joined.substr(0, end));
        joined.remove_prefix(std::min(end + 1, joined.size()));
    }
    return parts;
}

void Scripted::Run(std::string_view steps, char separator) {
    for (const std::string& word : Split(steps, separator)) {
        // "?verb:target=value": the value runs from the first "=", the target from the first ":".
        Step step;
        step.check = word.starts_with('?');
        const std::size_t equals = word.find('=');
        const std::size_t start = step.check ? 1 : 0;
        const std::string_view action =
            std::string_view(word).substr(start, equals - std::min(equals, start));
        if (equals != std::string::npos) step.value = word.substr(equals + 1);
        const std::size_t colon = action.find(':');
        step.verb = action.substr(0, colon);
        if (colon != std::string_view::npos) step.target = action.substr(colon + 1);
        if (!step.check) {
            EXPECT_TRUE(Act(step)) << "no such step: " << word;
            continue;
        }
        const std::optional<std::string> seen = Seen(step);
        EXPECT_EQ(seen.value_or("(no such check)"), step.value) << word;
    }
}

}  // namespace kelvrin::testing
