// Reading and writing large scan files, side by side with a plain sscanf/fprintf loop over the same
// lines: a 200,001-point curve and a 9,101-point spectrum.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/scan/time/kinefile.h"
#include "core/scan/wave/wavefile.h"
#include "ratioreporter.h"

namespace {

std::string scratch(const char *name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

spectavo::scan::CKineSpectrum longCurve() {
    spectavo::scan::CKineSpectrum curve;
    curve.totalTime = 20000;
    curve.step = 0.1f;
    curve.allocatePoints();
    for (std::size_t i = 0; i < curve.points().size(); ++i)
        curve.points()[i] = 1.2f - 0.00001f * static_cast<float>(i);
    curve.setSampleName("bench");
    return curve;
}

spectavo::scan::CWaveSpectrum wideSpectrum() {
    spectavo::scan::CWaveSpectrum spectrum;
    spectrum.start = 190.0f;
    spectrum.end = 1100.0f;
    spectrum.step = 0.1f;
    spectrum.allocatePoints();
    for (std::size_t i = 0; i < spectrum.points().size(); ++i)
        spectrum.points()[i] = 0.5f + 0.0001f * static_cast<float>(i % 1000);
    spectrum.setSampleName("bench");
    return spectrum;
}

// The plain way: fprintf each data line.
void fprintfLines(const std::string &path, const std::vector<float> &points, float x0, float dx) {
    FILE *file = std::fopen(path.c_str(), "wb");
    for (std::size_t i = 0; i < points.size(); ++i)
        std::fprintf(file, "%f %f\r\n", static_cast<double>(x0 + static_cast<float>(i) * dx),
                     static_cast<double>(points[i]));
    std::fclose(file);
}

// The plain way: fgets and sscanf each data line.
std::vector<float> sscanfLines(const std::string &path, std::size_t skip, std::size_t count) {
    std::vector<float> points(count, 0.0f);
    FILE *file = std::fopen(path.c_str(), "rb");
    char line[256];
    for (std::size_t i = 0; i < skip && std::fgets(line, sizeof line, file); ++i) {
    }
    for (std::size_t i = 0; i < count && std::fgets(line, sizeof line, file); ++i) {
        float x = 0, y = 0;
        if (std::sscanf(line, "%f%f", &x, &y) == 2)
            points[i] = y;
    }
    std::fclose(file);
    return points;
}

void WriteCurve(benchmark::State &state) {
    spectavo::scan::CKineSpectrum curve = longCurve();
    for (auto _ : state)
        benchmark::DoNotOptimize(spectavo::scan::writeCurveFile(curve, scratch("bench-curve.kin")));
}

void FprintfCurve(benchmark::State &state) {
    const spectavo::scan::CKineSpectrum curve = longCurve();
    for (auto _ : state)
        fprintfLines(scratch("bench-curve-plain.txt"), curve.points(), 0.0f, curve.step);
}

void ReadCurve(benchmark::State &state) {
    spectavo::scan::CKineSpectrum curve = longCurve();
    spectavo::scan::writeCurveFile(curve, scratch("bench-curve.kin"));
    for (auto _ : state) {
        spectavo::scan::CKineSpectrum loaded;
        benchmark::DoNotOptimize(spectavo::scan::readCurveFile(scratch("bench-curve.kin"), loaded));
    }
}

void SscanfCurve(benchmark::State &state) {
    spectavo::scan::CKineSpectrum curve = longCurve();
    spectavo::scan::writeCurveFile(curve, scratch("bench-curve.kin"));
    for (auto _ : state)
        benchmark::DoNotOptimize(sscanfLines(scratch("bench-curve.kin"), 6, curve.points().size()));
}

void WriteSpectrum(benchmark::State &state) {
    spectavo::scan::CWaveSpectrum spectrum = wideSpectrum();
    for (auto _ : state)
        benchmark::DoNotOptimize(spectavo::scan::writeSpectrumFile(spectrum, scratch("bench-spectrum.sca")));
}

void FprintfSpectrum(benchmark::State &state) {
    const spectavo::scan::CWaveSpectrum spectrum = wideSpectrum();
    for (auto _ : state)
        fprintfLines(scratch("bench-spectrum-plain.txt"), spectrum.points(), spectrum.start, spectrum.step);
}

void ReadSpectrum(benchmark::State &state) {
    spectavo::scan::CWaveSpectrum spectrum = wideSpectrum();
    spectavo::scan::writeSpectrumFile(spectrum, scratch("bench-spectrum.sca"));
    for (auto _ : state) {
        spectavo::scan::CWaveSpectrum loaded;
        benchmark::DoNotOptimize(spectavo::scan::readSpectrumFile(scratch("bench-spectrum.sca"), loaded));
    }
}

void SscanfSpectrum(benchmark::State &state) {
    spectavo::scan::CWaveSpectrum spectrum = wideSpectrum();
    spectavo::scan::writeSpectrumFile(spectrum, scratch("bench-spectrum.sca"));
    for (auto _ : state)
        benchmark::DoNotOptimize(sscanfLines(scratch("bench-spectrum.sca"), 6, spectrum.points().size()));
}

BENCHMARK(WriteCurve)->Unit(benchmark::kMillisecond);
BENCHMARK(FprintfCurve)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadCurve)->Unit(benchmark::kMillisecond);
BENCHMARK(SscanfCurve)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteSpectrum)->Unit(benchmark::kMillisecond);
BENCHMARK(FprintfSpectrum)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSpectrum)->Unit(benchmark::kMillisecond);
BENCHMARK(SscanfSpectrum)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    // The writers store the memo in the settings: keep that out of the real configuration.
    const std::string programDir = scratch("spectavo-bench-bin");
    std::filesystem::create_directories(programDir);
    setenv("SPECTAVO_PROGRAM_DIR", programDir.c_str(), 1);

    // The output must be the same as the plain loop's, line for line.
    spectavo::scan::CKineSpectrum curve = longCurve();
    spectavo::scan::writeCurveFile(curve, scratch("bench-check.txt"));
    fprintfLines(scratch("bench-check-plain.txt"), curve.points(), 0.0f, curve.step);
    FILE *a = std::fopen(scratch("bench-check.txt").c_str(), "rb");
    FILE *b = std::fopen(scratch("bench-check-plain.txt").c_str(), "rb");
    std::string mine, plain;
    for (int c; (c = std::fgetc(b)) != EOF;)
        plain += static_cast<char>(c);
    for (int c; (c = std::fgetc(a)) != EOF;)
        mine += static_cast<char>(c);
    std::fclose(a);
    std::fclose(b);
    std::printf("data lines identical to fprintf: %s\n",
                mine.substr(0, plain.size()) == plain ? "yes" : "NO");

    return spectavo::bench::runAndPrintRatios(
        argc, argv,
        {{"read 200,001-point .kin: sscanf / reader", {"SscanfCurve", "ReadCurve"}},
         {"read 9,101-point .sca: sscanf / reader", {"SscanfSpectrum", "ReadSpectrum"}},
         {"write .kin: writer / fprintf", {"WriteCurve", "FprintfCurve"}},
         {"write .sca: writer / fprintf", {"WriteSpectrum", "FprintfSpectrum"}}});
}
