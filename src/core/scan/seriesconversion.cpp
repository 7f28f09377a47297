#include "core/scan/seriesconversion.h"

#include <charconv>
#include <cmath>

namespace spectavo::scan {
namespace {

// The decimal a float stands for (0.1f is 0.1, not 0.100000001490116): the grid written from it then
// lands on the round wavelengths the operator set, however many points it has.
double decimalOf(float value) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double decimal = value;
    if (written.ec == std::errc())
        std::from_chars(buffer, written.ptr, decimal);
    return decimal;
}

} // namespace

EvenSeries seriesOf(const CWaveSpectrum &spectrum) {
    EvenSeries series;
    series.title = spectrum.sampleName().empty() ? spectrum.name : spectrum.sampleName();
    series.owner = spectrum.operatorName();
    series.firstX = decimalOf(spectrum.start);
    series.step = decimalOf(spectrum.step);
    series.y.assign(spectrum.points().begin(),
                    spectrum.points().begin() + static_cast<std::ptrdiff_t>(std::min(
                                                    spectrum.pointCount(), spectrum.points().size())));
    return series;
}

EvenSeries seriesOf(const CKineSpectrum &curve) {
    EvenSeries series;
    series.title = curve.sampleName().empty() ? curve.name : curve.sampleName();
    series.owner = curve.operatorName();
    series.timeAxis = true;
    series.firstX = 0.0;
    series.step = decimalOf(curve.step);
    series.y.assign(curve.points().begin(),
                    curve.points().begin() +
                        static_cast<std::ptrdiff_t>(std::min(curve.fullPointCount(), curve.points().size())));
    return series;
}

bool fillSpectrum(const EvenSeries &series, CWaveSpectrum &spectrum) {
    CWaveSpectrum filled = spectrum;
    filled.start = static_cast<float>(series.firstX);
    filled.end = static_cast<float>(series.lastX());
    filled.step = static_cast<float>(series.step);
    if (filled.pointCount() != series.y.size() || !filled.allocatePoints())
        return false;
    filled.points() = series.y;
    if (!series.title.empty()) {
        filled.setSampleName(series.title);
        filled.name = series.title;
    }
    spectrum = std::move(filled);
    return true;
}

bool fillCurve(const EvenSeries &series, CKineSpectrum &curve) {
    if (series.firstX != 0.0)
        return false; // a curve starts at time 0
    CKineSpectrum filled = curve;
    filled.step = static_cast<float>(series.step);
    filled.totalTime = static_cast<int>(std::lround(series.lastX()));
    if (filled.fullPointCount() != series.y.size() || !filled.allocatePoints())
        return false;
    filled.points() = series.y;
    filled.count = static_cast<int>(series.y.size());
    if (!series.title.empty()) {
        filled.setSampleName(series.title);
        filled.name = series.title;
    }
    curve = std::move(filled);
    return true;
}

} // namespace spectavo::scan
