#include "core/scan/spectrumsheet.h"

#include <algorithm>

#include "core/strings/cformat.h"

namespace spectavo::scan {
namespace {

constexpr const char *kCredit = "Measured and printed with Spectavo on a Photrak spectrophotometer";

// Read as "%f" reads: a text that does not start with a number is 0.
float numberIn(const std::string &text) {
    return strings::scanFloatC(text);
}

} // namespace

SpectrumSheet SpectrumSheet::presetFor(const CDisplayRange &range, bool absorbance, const ChartStyle &style,
                                       const std::optional<Record> &current, const ProfileStore &file,
                                       const ProfileStore &analyst, const ChartFonts &chartFonts,
                                       const char *defaultTime) {
    SpectrumSheet s;
    s.xMin = range.xMin;
    s.xMax = range.xMax;
    s.yMin = range.yMin(absorbance);
    s.yMax = range.yMax(absorbance);
    // The chart's own reading of the keys, defaults included.
    s.peakLabelSpectra = style.peakLabelSpectra;
    s.wavelengthLegend = style.wavelengthLegend;
    s.valueLegendAbs = style.valueLegendAbs;
    s.valueLegendT = style.valueLegendT;
    s.title = current ? current->texts.sampleName() : style.title;
    s.printTitle = style.printTitle != 0;
    s.thisColour = file.GetInt("Curve", "ThisColor", 4); // the colour a new scan is given
    s.thisLine = file.GetInt("Curve", "ThisLine", 1);
    s.otherColour = file.GetInt("Curve", "OtherColor", 1);
    s.otherLine = style.penWidth;
    s.manual = range.manual != 0;
    s.xInterval = strings::formatC("%.3f", static_cast<double>(range.xInterval));
    s.yInterval = strings::formatC("%.3f", static_cast<double>(range.yInterval));
    s.gridLines = style.gridLines != 0;
    s.gridColour = style.gridColour;
    s.gridColourShown = style.gridColour;

    const auto flag = [&](const char *key) { return file.GetInt("Print", key, 1) != 0; };
    s.printSpectrum = flag("PrintSpectrum");
    s.printData = flag("PrintData");
    s.printFoot = flag("PrintFoot");
    s.printRange = flag("PrintRange");
    s.printStep = flag("PrintStep");
    s.printTime = flag("PrintTime");
    s.printMemo = flag("PrintMemo");
    s.printOperator = analyst.GetInt("Spectavo", "PrintOperator", 1) != 0;
    s.footNote = file.GetString("FootNotes", "FootNotes", kCredit, 1000);
    s.timeText = current ? current->texts.dateText() : file.GetString("FootNotes", "Time", defaultTime, 200);
    s.operatorText =
        (current ? current->texts.operatorName() : analyst.GetString("Spectavo", "Operator", "Operator", 200))
            .substr(0, kOperatorField);
    if (current) {
        s.rangeText = current->rangeText;
        s.stepText = current->stepText;
        s.filterText = current->filterText;
        s.memo = current->memo.substr(0, kMemoField);
    }
    s.fonts = chartFonts;
    return s;
}

SpectrumSheet SpectrumSheet::preset(const CDisplayRange &range, bool absorbance, const CWaveSpectrum *current,
                                    const ProfileStore &wavescan, const ProfileStore &analyst,
                                    const ChartFonts &chartFonts) {
    std::optional<Record> record;
    if (current)
        record.emplace(Record{*current, current->memo,
                              strings::formatC("[%.1f,%.1f]nm", static_cast<double>(current->start),
                                               static_cast<double>(current->end)),
                              strings::formatC("%.1fnm", static_cast<double>(current->step)),
                              strings::formatC("%d", current->filter)});
    return presetFor(range, absorbance, ChartStyle::load(wavescan), record, wavescan, analyst, chartFonts,
                     "06/03/00 15:04:34");
}

std::string SpectrumSheet::apply(DisplayHistory &display, bool absorbance, CWaveSpectrum *current,
                                 ProfileStore &wavescan, ProfileStore &analyst,
                                 ChartFonts &chartFonts) const {
    display.pushUndo(absorbance);
    CDisplayRange &range = display.range();
    range.xMin = std::min(xMin, xMax);
    range.xMax = std::max(xMin, xMax);
    range.setYRange(absorbance, std::min(yMin, yMax), std::max(yMin, yMax));

    wavescan.PutInt("Peak and Valley", "ShowPeakValleyType", peakLabelSpectra);
    wavescan.PutString("Legend", "LegendX", wavelengthLegend);
    wavescan.PutString("Legend", "LegendY", valueLegendAbs);
    wavescan.PutString("Legend", "LegendY2", valueLegendT);
    if (current)
        current->setSampleName(title);
    wavescan.PutString("Legend", "Title", title);
    wavescan.PutInt("Print", "PrintTitle", printTitle ? 1 : 0);
    wavescan.PutInt("Curve", "ThisColor", thisColour);
    wavescan.PutInt("Curve", "ThisLine", thisLine);
    wavescan.PutInt("Curve", "OtherColor", otherColour);
    wavescan.PutInt("Curve", "OtherLine", otherLine);

    std::string message;
    bool manualOn = manual;
    const float x = numberIn(xInterval);
    const float y = numberIn(yInterval);
    if (manualOn &&
        intervalsTooDense(range.xMin, range.xMax, range.yMin(absorbance), range.yMax(absorbance), x, y)) {
        message = kTooDense;
        manualOn = false;
    }
    range.manual = manualOn ? 1 : 0;
    range.xInterval = x;
    range.yInterval = y;
    wavescan.PutInt("Grid", "ManualSet", range.manual);
    wavescan.PutFloat("Grid", "Xstep", range.xInterval);
    wavescan.PutFloat("Grid", "Ystep", range.yInterval);
    wavescan.PutInt("Grid", "Yes", gridLines ? 1 : 0);
    if (gridColour != gridColourShown || !wavescan.GetString("Grid", "Color", "").empty())
        wavescan.PutInt("Grid", "Color", gridColour);

    wavescan.PutInt("Print", "PrintSpectrum", printSpectrum ? 1 : 0);
    wavescan.PutInt("Print", "PrintData", printData ? 1 : 0);
    wavescan.PutInt("Print", "PrintRange", printRange ? 1 : 0);
    wavescan.PutInt("Print", "PrintStep", printStep ? 1 : 0);
    wavescan.PutInt("Print", "PrintTime", printTime ? 1 : 0);
    wavescan.PutInt("Print", "PrintMemo", printMemo ? 1 : 0);
    wavescan.PutInt("Print", "PrintFoot", printFoot ? 1 : 0);
    analyst.PutInt("Spectavo", "PrintOperator", printOperator ? 1 : 0);
    analyst.PutString("Spectavo", "Operator", operatorText.substr(0, kOperatorField));
    wavescan.PutString("FootNotes", "FootNotes", footNote);
    wavescan.PutString("FootNotes", "Time", timeText);

    chartFonts = fonts;
    if (current) {
        current->setDateText(timeText);
        current->setOperatorName(operatorText.substr(0, kOperatorField));
        current->memo = memo.substr(0, kMemoField);
    }
    return message;
}

} // namespace spectavo::scan
