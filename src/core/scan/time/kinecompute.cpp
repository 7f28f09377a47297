#include "core/scan/time/kinecompute.h"

#include <algorithm>
#include <cmath>

#include "core/dataproc/difference.h"
#include "core/dataproc/resample.h"
#include "core/dataproc/savgol.h"
#include "core/dataproc/smoothing.h"

namespace spectavo::scan {
namespace {

std::optional<CKineSpectrum> derivedCopy(const CKineSpectrum &source) {
    if (source.acquiring.load() || source.fullPointCount() == 0)
        return std::nullopt;
    CKineSpectrum result = CKineSpectrum::derivedFrom(source);
    result.modified = true;
    result.allocatePoints();
    std::copy_n(source.points().begin(), std::min(source.points().size(), result.points().size()),
                result.points().begin());
    result.count = static_cast<int>(result.points().size());
    return result;
}

void finish(CKineSpectrum &result, const std::string &name, float threshold, bool withRate) {
    result.name = name;
    result.setSampleName(name);
    result.recomputeMarkers(threshold);
    if (withRate)
        result.recomputeRate();
}

} // namespace

std::optional<CKineSpectrum> differenceCurve(const CKineSpectrum &source, int passes,
                                             const std::string &resultName, float threshold) {
    auto result = derivedCopy(source);
    if (!result || !dataproc::repeatedDifference(result->points(), passes, 1.0f))
        return std::nullopt;
    finish(*result, resultName, threshold, true);
    return result;
}

std::optional<CKineSpectrum> movingAverageCurve(const CKineSpectrum &source, int width,
                                                const std::string &resultName, float threshold) {
    auto result = derivedCopy(source);
    if (!result)
        return std::nullopt;
    const std::vector<float> input = result->points();
    if (!dataproc::movingWindowAverage(input, result->points(), width))
        return std::nullopt;
    finish(*result, resultName, threshold, true);
    return result;
}

std::optional<CKineSpectrum> savitzkyGolayCurve(const CKineSpectrum &source, int degree, int derivative,
                                                int halfWidth, const std::string &resultName,
                                                float threshold) {
    auto result = derivedCopy(source);
    if (!result)
        return std::nullopt;
    const std::vector<float> input = result->points();
    dataproc::savitzkyGolayFilter(input, result->points(), degree, derivative, halfWidth, result->step);
    finish(*result, resultName, threshold, false);
    return result;
}

bool resampleCurve(CKineSpectrum &curve, int factor, float threshold) {
    if (curve.acquiring.load() || factor < 1 || curve.points().empty())
        return false;
    CKineSpectrum resized = curve;
    resized.step = static_cast<float>(factor) * curve.step;
    const std::size_t count = resized.fullPointCount();
    if (count == 0)
        return false;
    resized.points() = dataproc::resampleEvery(curve.points(), factor, count);
    resized.count = static_cast<int>(count);
    resized.modified = true;
    resized.recomputeMarkers(threshold);
    resized.recomputeRate();
    curve = std::move(resized);
    return true;
}

std::optional<CKineSpectrum> curveArithmetic(const CKineSpectrum &a, const CKineSpectrum &b,
                                             CurveOperation operation, const std::string &resultName,
                                             float threshold) {
    if (a.acquiring.load() || b.acquiring.load() || a.totalTime != b.totalTime || a.step != b.step)
        return std::nullopt;
    auto result = derivedCopy(a);
    if (!result || b.points().size() < result->points().size())
        return std::nullopt;
    for (std::size_t i = 0; i < result->points().size(); ++i)
        result->points()[i] += operation == CurveOperation::Add ? b.points()[i] : -b.points()[i];
    result->name = resultName;
    result->recomputeMarkers(threshold);
    return result;
}

bool setRateRange(CKineSpectrum &curve, float beginTime, float endTime, float factor) {
    const float total = static_cast<float>(curve.totalTime);
    const auto inside = [total](float t) { return std::isfinite(t) && t >= 0.0f && t <= total; };
    if (!inside(beginTime) || !inside(endTime))
        return false;
    if (endTime < beginTime)
        std::swap(beginTime, endTime);
    curve.beginTime = beginTime;
    curve.endTime = endTime;
    curve.factor = factor;
    curve.recomputeRate();
    return true;
}

} // namespace spectavo::scan
