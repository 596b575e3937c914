#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Instructions counted by callgrind, a figure beside each CPU time that hardly moves with the load
// of the machine, so that a change can be judged on a busy machine too. The benchmark runs itself
// again under valgrind for one round of a measurement, and only what a CountedStretch spans is
// counted.
namespace kelvrin::tools {

// Why instructions cannot be counted (valgrind missing, or the benchmark built without its
// headers); empty when they can.
QString WhyNoInstructionCounts();

// The instructions counted in one run of this program with these arguments; nothing when that
// run failed.
std::optional<double> CountInstructions(const QStringList& arguments);

// From now on every CountedStretch of this process is counted; before, none is, so that a warm-up
// round runs uncounted.
void ArmCounting();

// Counts what runs from its construction to End(), when armed and run under callgrind; otherwise
// it costs nothing worth measuring.
class CountedStretch {
public:
    CountedStretch();
    ~CountedStretch() { End(); }
    CountedStretch(const CountedStretch&) = delete;
    CountedStretch& operator=(const CountedStretch&) = delete;

    void End();

private:
    bool counting_;
};

}  // namespace kelvrin::tools
