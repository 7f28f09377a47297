#include "ratioreporter.h"

#include <cstdio>

namespace spectavo::bench {

void RatioReporter::ReportRuns(const std::vector<Run> &runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.iterations > 0)
            m_seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
    }
}

double RatioReporter::secondsPerIteration(const std::string &name) const {
    for (const auto &[runName, seconds] : m_seconds)
        if (runName.rfind(name, 0) == 0)
            return seconds;
    return 0.0;
}

int runAndPrintRatios(
    int argc, char **argv,
    const std::vector<std::pair<std::string, std::pair<std::string, std::string>>> &ratios) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (const auto &[label, names] : ratios) {
        const double numerator = reporter.secondsPerIteration(names.first);
        const double denominator = reporter.secondsPerIteration(names.second);
        // Significant digits, so a small share (0.0004) reads as itself rather than as 0.0.
        if (numerator > 0 && denominator > 0)
            std::printf("ratio %-40s %10.4g  (%s / %s)\n", label.c_str(), numerator / denominator,
                        names.first.c_str(), names.second.c_str());
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace spectavo::bench
