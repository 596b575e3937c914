#include "tools/benchmark/CliBenchmark.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "tools/benchmark/InstructionCount.h"
#include "tools/benchmark/Median.h"

namespace kelvrin::tools {

namespace {

namespace fs = std::filesystem;

// A start directory with dvbase, further game folders and map files in dvbase/mp; removed
// when done.
class CliInstallation {
public:
    CliInstallation(int folders, int maps) {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("kelvrin-cli-bench-" + std::to_string(seed()));
        fs::create_directories(root_ / "dvbase" / "mp");
        for (int i = 1; i < folders; ++i) fs::create_directory(root_ / ("mod" + std::to_string(i)));
        for (int i = 0; i < maps; ++i) {
            std::ofstream(root_ / "dvbase" / "mp" / ("map" + std::to_string(i) + ".map"));
        }
    }
    ~CliInstallation() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    CliInstallation(const CliInstallation&) = delete;
    CliInstallation& operator=(const CliInstallation&) = delete;

    std::string Root() const { return root_.string(); }

private:
    fs::path root_;
};

struct Command {
    const char* name;
    std::vector<std::string> arguments;  // the third is the start directory
};

const Command kCommands[] = {
    {"show", {"kelvrin-cli", "-C", "", "show"}},
    {"set", {"kelvrin-cli", "-C", "", "set", "si_name=Nightly", "si_fragLimit=30"}},
};

// The CPU time of one run of the program in the start directory, in milliseconds.
double TimeRun(const Command& command, const std::string& startDirectory) {
    std::vector<std::string> arguments = command.arguments;
    arguments[2] = startDirectory;
    std::ostringstream out;
    std::ostringstream err;
    CountedStretch counted;
    const std::clock_t start = std::clock();
    const int code = RunCli(arguments, out, err);
    const double spent = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    counted.End();
    if (code != 0) std::fprintf(stderr, "kelvrin-cli failed: %s", err.str().c_str());
    return spent;
}

std::optional<double> CountRun(const Command& command, const std::string& startDirectory) {
    return CountInstructions({QStringLiteral("--counted-cli"), QString::fromLatin1(command.name),
                              QString::fromStdString(startDirectory)});
}

}  // namespace

void RunCliBenchmark(int runs, bool countInstructions) {
    std::fprintf(stderr, "making the installations for kelvrin-cli...\n");
    const CliInstallation small(1, 0);
    const CliInstallation large(2000, 20000);
    // Many runs in each sample: one run takes well under a millisecond.
    constexpr int kRunsPerSample = 50;
    std::printf("kelvrin-cli, CPU time in ms per run, median of %d samples of %d runs:\n", runs,
                kRunsPerSample);
    for (const Command& command : kCommands) {
        std::vector<double> times[2];
        for (int run = 0; run <= runs; ++run) {
            for (int which = 0; which < 2; ++which) {
                const std::string root = (which == 0 ? small : large).Root();
                double spent = 0;
                for (int i = 0; i < kRunsPerSample; ++i) spent += TimeRun(command, root);
                // The first round only warms the caches.
                if (run > 0) times[which].push_back(spent / kRunsPerSample);
            }
        }
        const double one = Median(times[0]);
        const double many = Median(times[1]);
        std::printf(
            "  %-4s 1 folder, no maps %7.3f   2,000 folders, 20,000 maps %7.3f   %5.2f x"
            "   goal <= 1.20  %s\n",
            command.name, one, many, many / one, many / one <= 1.2 ? "met" : "NOT met");
        if (!countInstructions) continue;
        std::fprintf(stderr, "counting the instructions of kelvrin-cli %s...\n", command.name);
        const std::optional<double> oneCount = CountRun(command, small.Root());
        const std::optional<double> manyCount = CountRun(command, large.Root());
        if (!oneCount || !manyCount) continue;
        std::printf(
            "       by instructions %10.3f M                  %10.3f M  %5.2f x"
            "   goal <= 1.20  %s\n",
            *oneCount / 1e6, *manyCount / 1e6, *manyCount / *oneCount,
            *manyCount / *oneCount <= 1.2 ? "met" : "NOT met");
    }
}

int RunCountedCliCommand(const QString& command, const QString& startDirectory) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command& known) { return command == known.name; });
    if (found == std::end(kCommands)) return 2;
    TimeRun(*found, startDirectory.toStdString());
    ArmCounting();
    TimeRun(*found, startDirectory.toStdString());
    return 0;
}

}  // namespace kelvrin::tools
