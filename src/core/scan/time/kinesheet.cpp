#include "core/scan/time/kinesheet.h"

#include <algorithm>
#include <cmath>

#include "core/scan/spectrumprint.h"
#include "core/strings/cformat.h"

namespace spectavo::scan {
namespace {

constexpr const char *kCredit = "Measured and printed with Spectavo on a Photrak spectrophotometer";

} // namespace

SpectrumSheet::Rate rateFieldsOf(const CKineSpectrum &curve) {
    return {curve.printRate != 0,
            curve.beginTime,
            curve.endTime,
            curve.factor,
            curve.rateResult,
            curve.r,
            static_cast<float>(curve.totalTime)};
}

SpectrumSheet presetKineSheet(const CDisplayRange &range, bool absorbance, const CKineSpectrum *current,
                              const ProfileStore &kinetics, const ProfileStore &analyst,
                              const ChartFonts &fonts) {
    SpectrumSheet s;
    s.timeScan = true;
    s.xMin = range.xMin;
    s.xMax = range.xMax;
    s.yMin = range.yMin(absorbance);
    s.yMax = range.yMax(absorbance);
    const ChartStyle style = ChartStyle::loadKinetic(kinetics);
    s.peakLabelSpectra = style.peakLabelSpectra;
    s.wavelengthLegend = style.wavelengthLegend;
    s.valueLegendAbs = style.valueLegendAbs;
    s.valueLegendT = style.valueLegendT;
    s.title = current ? current->sampleName() : style.title;
    s.printTitle = style.printTitle != 0;
    s.thisColour = kinetics.GetInt("Curve", "ThisColor", 4); // the first colour an automatic run uses
    s.thisLine = kinetics.GetInt("Curve", "ThisLine", 1);
    s.otherColour = kinetics.GetInt("Curve", "OtherColor", 1);
    s.otherLine = style.penWidth;
    s.manual = range.manual != 0;
    s.xInterval = strings::formatC("%.3f", static_cast<double>(range.xInterval));
    s.yInterval = strings::formatC("%.3f", static_cast<double>(range.yInterval));
    s.gridLines = style.gridLines != 0;
    s.gridColour = style.gridColour;
    s.gridColourShown = style.gridColour;

    const SpectrumPrintSettings print = SpectrumPrintSettings::load(kinetics, analyst);
    s.printSpectrum = print.chartPage;
    s.printData = print.dataPages;
    s.printFoot = print.foot;
    s.printRange = print.range;
    s.printStep = print.step;
    s.printTime = print.time;
    s.printMemo = print.memo;
    s.printWavelength = kinetics.GetInt("Print", "PrintWavelength", 1) != 0;
    s.printOperator = print.operatorLine;
    s.footNote = kinetics.GetString("FootNotes", "FootNotes", kCredit, 1000);
    s.timeText =
        current ? current->dateText() : kinetics.GetString("FootNotes", "Time", "06/02/04 15:04:34", 200);
    s.operatorText =
        (current ? current->operatorName() : analyst.GetString("Spectavo", "Operator", "Operator", 200))
            .substr(0, SpectrumSheet::kOperatorField);
    if (current) {
        s.rangeText = strings::formatC("%ds", current->totalTime);
        s.stepText = strings::formatC("%.1fs", static_cast<double>(current->step));
        s.filterText = strings::formatC("%.1fnm", static_cast<double>(current->wavelength));
        s.memo = current->memo.substr(0, SpectrumSheet::kMemoField);
        s.rate = rateFieldsOf(*current);
    }
    s.fonts = fonts;
    return s;
}

std::string applyKineSheet(const SpectrumSheet &sheet, DisplayHistory &display, bool absorbance,
                           CKineSpectrum *current, ProfileStore &kinetics, ProfileStore &analyst,
                           ChartFonts &fonts) {
    // The sheet as the wavelength scan's writes the shared keys; the curve's texts follow below. An
    // untouched grid colour on a fresh installation is not written, so the frame keeps its own.
    const std::string message = sheet.apply(display, absorbance, nullptr, kinetics, analyst, fonts);
    kinetics.PutInt("Print", "PrintWavelength", sheet.printWavelength ? 1 : 0);
    if (!current)
        return message;
    const std::string memo = sheet.memo.substr(0, SpectrumSheet::kMemoField);
    const std::string operatorText = sheet.operatorText.substr(0, SpectrumSheet::kOperatorField);
    bool changed = current->sampleName() != sheet.title || current->dateText() != sheet.timeText ||
                   current->operatorName() != operatorText || current->memo != memo;
    current->setSampleName(sheet.title);
    current->setDateText(sheet.timeText);
    current->setOperatorName(operatorText);
    current->memo = memo;
    if (sheet.rate && !rateRangeRefusal(*sheet.rate)) {
        changed = changed || rateFieldsOf(*current) != *sheet.rate;
        applyRateFields(*current, *sheet.rate);
    }
    if (changed)
        current->modified = true;
    return message;
}

std::optional<std::string> rateRangeRefusal(const SpectrumSheet::Rate &rate) {
    const auto inside = [&](float t) { return std::isfinite(t) && t >= 0.0f && t <= rate.totalTime; };
    if (inside(rate.begin) && inside(rate.end))
        return std::nullopt;
    return strings::formatC("Please enter a number between %g and %g.", 0.0,
                            static_cast<double>(rate.totalTime));
}

bool applyRateFields(CKineSpectrum &curve, const SpectrumSheet::Rate &rate) {
    if (rateRangeRefusal(rate))
        return false;
    curve.printRate = rate.print ? 1 : 0;
    curve.beginTime = std::min(rate.begin, rate.end);
    curve.endTime = std::max(rate.begin, rate.end);
    curve.factor = rate.factor;
    curve.rateResult = rate.result;
    curve.r = rate.r;
    curve.recomputeRate();
    return true;
}

} // namespace spectavo::scan
