// The filter and the marks run over whole spectra and long time scans whenever data or the threshold
// change; their cost per point must stay small next to a plain copy of the points.

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/dataproc/marks.h"
#include "core/dataproc/savgol.h"
#include "ratioreporter.h"

namespace {

constexpr std::size_t kPoints = 200'000;

std::vector<float> noisySpectrum() {
    std::vector<float> y(kPoints);
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < kPoints; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const float noise = static_cast<float>(seed >> 8) / 16777216.0f - 0.5f;
        const float x = static_cast<float>(i) / 1000.0f;
        y[i] = std::exp(-0.5f * std::pow((std::fmod(x, 20.0f) - 10.0f) / 2.0f, 2.0f)) + 0.01f * noise;
    }
    return y;
}

// Reported as seconds per point by the library; shown in the table next to the time per run.
void perPoint(benchmark::State &state) {
    state.counters["s/point"] = benchmark::Counter(static_cast<double>(state.iterations()) * kPoints,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void CopyPoints(benchmark::State &state) {
    const std::vector<float> y = noisySpectrum();
    std::vector<float> out(kPoints);
    for (auto _ : state) {
        std::copy(y.begin(), y.end(), out.begin());
        benchmark::DoNotOptimize(out.data());
    }
}

void SavitzkyGolayDegree4Width5(benchmark::State &state) {
    const std::vector<float> y = noisySpectrum();
    std::vector<float> out(kPoints);
    for (auto _ : state) {
        spectavo::dataproc::savitzkyGolayFilter(y, out, 4, 0, 5, 1.0f);
        benchmark::DoNotOptimize(out.data());
    }
    perPoint(state);
}

void MarksAndHalfWidths(benchmark::State &state) {
    const std::vector<float> y = noisySpectrum();
    std::vector<std::int32_t> marks(kPoints);
    std::vector<float> widths(kPoints);
    for (auto _ : state) {
        spectavo::dataproc::computeMarks(y, 0.03f, marks);
        spectavo::dataproc::computeHalfWidths(y, marks, 0.1f, widths);
        benchmark::DoNotOptimize(widths.data());
    }
    perPoint(state);
}

BENCHMARK(CopyPoints)->Unit(benchmark::kMicrosecond);
BENCHMARK(SavitzkyGolayDegree4Width5)->Unit(benchmark::kMicrosecond);
BENCHMARK(MarksAndHalfWidths)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    return spectavo::bench::runAndPrintRatios(
        argc, argv,
        {{"Savitzky-Golay 200k points vs copy", {"SavitzkyGolayDegree4Width5", "CopyPoints"}},
         {"marks + half widths 200k points vs copy", {"MarksAndHalfWidths", "CopyPoints"}}});
}
