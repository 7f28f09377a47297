#include "core/scan/time/kineprint.h"

#include "core/scan/chartlayout.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::scan {
namespace {

std::int32_t markAt(const CKineSpectrum &curve, std::size_t i) {
    return i < curve.markers().size() ? curve.markers()[i] : 0;
}

double timeOf(const CKineSpectrum &curve, std::size_t i) {
    return static_cast<double>(i) * static_cast<double>(curve.step);
}

} // namespace

SpectrumPrintSettings loadKinePrintSettings(const ProfileStore &kinetics, const ProfileStore &analyst) {
    SpectrumPrintSettings s = SpectrumPrintSettings::load(kinetics, analyst);
    s.filter = false;
    s.wavelength = kinetics.GetInt("Print", "PrintWavelength", 1) != 0;
    s.dataTitle = kinetics.GetString("Legend", "Title", "Kinetics Analysis", 200);
    return s;
}

std::vector<InformationLine> kineInformationLines(const CKineSpectrum &curve,
                                                  const SpectrumPrintSettings &s) {
    std::vector<InformationLine> lines;
    if (s.wavelength)
        lines.push_back(
            {strings::tr("Wavelength:"), strings::formatC("%.1fnm", static_cast<double>(curve.wavelength))});
    if (s.range)
        lines.push_back({strings::tr("Total Time:"), strings::formatC("%ds", curve.totalTime)});
    if (s.step)
        lines.push_back(
            {strings::tr("Scan Step:"), strings::formatC("%.1fs", static_cast<double>(curve.step))});
    if (curve.printRate != 0) {
        lines.push_back(
            {strings::tr("Begin Time:"), strings::formatC("%.1fs", static_cast<double>(curve.beginTime))});
        lines.push_back(
            {strings::tr("End Time:"), strings::formatC("%.1fs", static_cast<double>(curve.endTime))});
        // The numbers as the curve keeps them, with their units: the rate is the slope in absorbance
        // per minute times the factor.
        lines.push_back({strings::tr("Factor:"), strings::formatC("%e ", static_cast<double>(curve.factor)) +
                                                     strings::tr("(I.U. per Abs/min)")});
        lines.push_back({"I.U:", strings::formatC("%e ", static_cast<double>(curve.rateResult)) +
                                     strings::tr("per minute")});
        lines.push_back({"R:", strings::formatC("%e", static_cast<double>(curve.r))});
    }
    if (s.operatorLine)
        lines.push_back({strings::tr("Operator:"), curve.operatorName()});
    if (s.time)
        lines.push_back({strings::tr("Scan Time:"), curve.dateText()});
    if (s.memo)
        for (std::string &row : memoRows(curve.memo))
            lines.push_back({std::move(row), {}});
    return lines;
}

std::vector<std::size_t> kinePrintedPoints(const CKineSpectrum &curve, const CDisplayRange &range) {
    std::vector<std::size_t> points;
    const bool filtered = range.showPeaks != 0 || range.showValleys != 0;
    for (std::size_t i = 0; i < curve.points().size(); ++i) {
        const double time = timeOf(curve, i);
        if (time < range.xMin || time > range.xMax)
            continue;
        const std::int32_t mark = markAt(curve, i);
        if (filtered && !((range.showPeaks && mark == 100) || (range.showValleys && mark == -100)))
            continue;
        points.push_back(i);
    }
    return points;
}

DataRowTexts kineDataRowTexts(const CKineSpectrum &curve, std::size_t point, bool absorbance) {
    const double a = curve.points().at(point);
    const std::int32_t mark = markAt(curve, point);
    return {strings::formatC("%.1fs", timeOf(curve, point)),
            absorbance ? strings::formatC("%.4f", a) : strings::formatC("%.2f", plottedValue(a, false)),
            mark == 100    ? " P"
            : mark == -100 ? " V"
                           : "  "};
}

} // namespace spectavo::scan
