#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvrin::testing {

// One step of a test's script, "verb:target=value" (target and value may be missing); a step
// that starts with "?" is a check that what "verb:target" sees is the value.
struct Step {
    bool check = false;
    std::string verb;
    std::string target;
    std::string value;
};

// Something a test drives by a script of steps.
class Scripted {
public:
    virtual ~Scripted() = default;

    // Does each step in turn and checks each check, naming the step that fails; a step nobody
    // knows fails the test.
    void Run(std::string_view steps, char separator = '|');

    // Does one step; false when the verb is not one of these.
    virtual bool Act(const Step& step) = 0;
    // What a check's verb and target see, nullopt when the verb is not one of these.
    virtual std::optional<std::string> Seen(const Step& step) = 0;
};

// The parts of a joined text, in order (an empty text has none).
std::vector<std::string> Split(std::string_view joined, char separator);

// What a check sees of a list: the parts joined by the separator.
template <typename Part>
std::string Joined(const std::vector<Part>& parts, std::string_view separator) {
    std::ostringstream joined;
    for (std::size_t i = 0; i < parts.size(); ++i) joined << (i == 0 ? "" : separator) << parts[i];
    return joined.str();
}

}  // namespace kelvrin::testing
