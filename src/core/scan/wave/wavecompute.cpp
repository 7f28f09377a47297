#include "core/scan/wave/wavecompute.h"

#include <algorithm>

#include "core/dataproc/difference.h"
#include "core/dataproc/resample.h"
#include "core/dataproc/savgol.h"
#include "core/dataproc/smoothing.h"

namespace spectavo::scan {
namespace {

// A new spectrum with the source's attributes and a copy of its points.
std::optional<CWaveSpectrum> derivedCopy(const CWaveSpectrum &source) {
    if (source.acquiring.load() || source.pointCount() == 0)
        return std::nullopt;
    CWaveSpectrum result = CWaveSpectrum::makeNew(source.colour);
    result.copyAttributesFrom(source);
    result.modified = true;
    result.allocatePoints();
    std::copy_n(source.points().begin(), std::min(source.points().size(), result.points().size()),
                result.points().begin());
    return result;
}

void finish(CWaveSpectrum &result, const std::string &name, float threshold) {
    result.name = name;
    result.setSampleName(name);
    result.recomputeMarks(threshold);
}

} // namespace

std::optional<CWaveSpectrum> savitzkyGolaySpectrum(const CWaveSpectrum &source, int degree, int derivative,
                                                   int halfWidth, const std::string &resultName,
                                                   float threshold) {
    auto result = derivedCopy(source);
    if (!result)
        return std::nullopt;
    const std::vector<float> input = result->points();
    dataproc::savitzkyGolayFilter(input, result->points(), degree, derivative, halfWidth, result->step);
    finish(*result, resultName, threshold);
    return result;
}

std::optional<CWaveSpectrum> smoothSpectrum(const CWaveSpectrum &source, int range,
                                            const std::string &resultName, float threshold) {
    auto result = derivedCopy(source);
    if (!result)
        return std::nullopt;
    const std::vector<float> input = result->points();
    if (!dataproc::movingAverageHalfWidth(input, result->points(), range))
        return std::nullopt;
    finish(*result, resultName, threshold);
    return result;
}

std::optional<CWaveSpectrum> derivativeSpectrum(const CWaveSpectrum &source, int order,
                                                const std::string &resultName, float threshold) {
    auto result = derivedCopy(source);
    if (!result || !dataproc::repeatedDifference(result->points(), order, result->step))
        return std::nullopt;
    finish(*result, resultName, threshold);
    return result;
}

bool resampleSpectrum(CWaveSpectrum &spectrum, int factor, float threshold) {
    if (spectrum.acquiring.load() || factor < 1 || !spectrum.hasPoints())
        return false;
    CWaveSpectrum resized = spectrum;
    resized.step = static_cast<float>(factor) * spectrum.step;
    const std::size_t count = resized.pointCount();
    if (count == 0)
        return false;
    resized.points() = dataproc::resampleEvery(spectrum.points(), factor, count);
    resized.modified = true;
    resized.recomputeMarks(threshold);
    spectrum = std::move(resized);
    return true;
}

std::optional<CWaveSpectrum> spectrumArithmetic(const CWaveSpectrum &a, const CWaveSpectrum &b,
                                                SpectrumOperation operation, const std::string &resultName,
                                                float threshold) {
    if (a.acquiring.load() || b.acquiring.load() || a.end != b.end || a.start != b.start || a.step != b.step)
        return std::nullopt;
    auto result = derivedCopy(a);
    if (!result || b.points().size() < result->points().size())
        return std::nullopt;
    std::vector<float> &points = result->points();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const float other = b.points()[i];
        switch (operation) {
        case SpectrumOperation::Add:
            points[i] += other;
            break;
        case SpectrumOperation::Subtract:
            points[i] -= other;
            break;
        case SpectrumOperation::Multiply:
            points[i] *= other;
            break;
        case SpectrumOperation::Divide:
            if (other != 0.0f)
                points[i] /= other;
            break;
        }
    }
    result->name = resultName;
    result->recomputeMarks(threshold);
    return result;
}

} // namespace spectavo::scan
