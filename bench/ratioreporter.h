#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

namespace spectavo::bench {

// Prints the usual console table and keeps each run's time per iteration, so that a program can
// print ratios between the ways it compared once all runs are done.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    double secondsPerIteration(const std::string &name) const;

private:
    std::map<std::string, double> m_seconds;
};

// Runs the registered benchmarks and then prints "label: a / b = ratio" for each pair given.
int runAndPrintRatios(int argc, char **argv,
                      const std::vector<std::pair<std::string, std::pair<std::string, std::string>>> &ratios);

} // namespace spectavo::bench
