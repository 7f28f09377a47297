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

SpectrumSheet SpectrumSheet::preset(const CDisplayRange &range, bool absorbance, const CWaveSpectrum *current,
                                    const ProfileStore &wavescan, const ProfileStore &analyst,
                                    const ChartFonts &chartFonts) {
    SpectrumSheet s;
    s.xMin = range.xMin;
    s.xMax = range.xMax;
    s.yMin = range.yMin(absorbance);
    s.yMax = range.yMax(absorbance);
    // The chart's own reading of the keys, defaults included.
    const ChartStyle style = ChartStyle::load(wavescan);
    s.peakLabelSpectra = style.peakLabelSpectra;
    s.wavelengthLegend = style.wavelengthLegend;
    s.valueLegendAbs = style.valueLegendAbs;
    s.valueLegendT = style.valueLegendT;
    s.title = current ? current->sampleName() : style.title;
    s.printTitle = style.printTitle != 0;
    s.thisColour = wavescan.GetInt("Curve", "ThisColor", 4); // the colour a new scan is given
    s.thisLine = wavescan.GetInt("Curve", "ThisLine", 1);
    s.otherColour = wavescan.GetInt("Curve", "OtherColor", 1);
    s.otherLine = style.penWidth;
    s.manual = range.manual != 0;
    s.xInterval = strings::formatC("%.3f", static_cast<double>(range.xInterval));
    s.yInterval = strings::formatC("%.3f", static_cast<double>(range.yInterval));
    s.gridLines = style.gridLines != 0;
    s.gridColour = style.gridColour;
    s.gridColourShown = style.gridColour;

    const auto flag = [&](const char *key) { return wavescan.GetInt("Print", key, 1) != 0; };
    s.printSpectrum = flag("PrintSpectrum");
    s.printData = flag("PrintData");
    s.printFoot = flag("PrintFoot");
    s.printRange = flag("PrintRange");
    s.printStep = flag("PrintStep");
    s.printTime = flag("PrintTime");
    s.printMemo = flag("PrintMemo");
    s.printOperator = analyst.GetInt("Spectavo", "PrintOperator", 1) != 0;
    s.footNote = wavescan.GetString("FootNotes", "FootNotes", kCredit, 1000);
    s.timeText =
        current ? current->dateText() : wavescan.GetString("FootNotes", "Time", "06/03/00 15:04:34", 200);
    s.operatorText =
        (current ? current->operatorName() : analyst.GetString("Spectavo", "Operator", "Operator", 200))
            .substr(0, kOperatorField);
    if (current) {
        s.rangeText = strings::formatC("[%.1f,%.1f]nm", static_cast<double>(current->start),
                                       static_cast<double>(current->end));
        s.stepText = strings::formatC("%.1fnm", static_cast<double>(current->step));
        s.filterText = strings::formatC("%d", current->filter);
        s.memo = current->memo.substr(0, kMemoField);
    }
    s.fonts = chartFonts;
    return s;
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
