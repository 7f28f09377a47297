#include "core/scan/time/kinesheet.h"

#include <algorithm>
#include <cmath>

#include "core/scan/time/kinecompute.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::scan {
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
    std::optional<SpectrumSheet::Record> record;
    if (current)
        record.emplace(
            SpectrumSheet::Record{*current, current->memo, strings::formatC("%ds", current->totalTime),
                                  strings::formatC("%.1fs", static_cast<double>(current->step)),
                                  strings::formatC("%.1fnm", static_cast<double>(current->wavelength))});
    SpectrumSheet s = SpectrumSheet::presetFor(range, absorbance, ChartStyle::loadKinetic(kinetics), record,
                                               kinetics, analyst, fonts, "06/02/04 15:04:34");
    s.timeScan = true;
    s.printWavelength = kinetics.GetInt("Print", "PrintWavelength", 1) != 0;
    if (current)
        s.rate = rateFieldsOf(*current);
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
    return strings::trFormat("Please enter a number between %g and %g.", 0.0,
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
    return true;
}

bool calculateRateFields(CKineSpectrum &curve, const SpectrumSheet::Rate &rate) {
    if (rateRangeRefusal(rate))
        return false;
    curve.printRate = rate.print ? 1 : 0;
    return setRateRange(curve, rate.begin, rate.end, rate.factor);
}

} // namespace spectavo::scan
