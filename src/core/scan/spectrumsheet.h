#pragma once

#include <optional>
#include <string>

#include "core/config/profilestore.h"
#include "core/scan/chartstyle.h"
#include "core/scan/displayrange.h"
#include "core/scan/wave/wavespectrum.h"
#include "core/strings/translation.h"

namespace spectavo::scan {

// The values of the settings sheet "Settings to display and print the spectra": the chart's ranges
// and intervals, legends, curve and grid look, peak labels, print options and memo. Preset with what
// the chart and the print actually use, so that confirming the sheet unchanged changes nothing.
struct SpectrumSheet {
    static constexpr const char *kTooDense =
        SPECTAVO_TEXT("The tip interval you selected is too dense.\nIt will be auto selected.");
    static constexpr std::size_t kOperatorField = 20;
    static constexpr std::size_t kMemoField = 999;

    // View
    float xMin = 190.0f, xMax = 1100.0f, yMin = -1.0f, yMax = 3.0f;
    // Peak and Valley
    int peakLabelSpectra = 0;
    // Legend
    std::string wavelengthLegend, valueLegendAbs, valueLegendT, title;
    bool printTitle = true;
    // Special
    int thisColour = 4, thisLine = 1, otherColour = 1, otherLine = 1;
    // Scaler
    bool manual = false;
    std::string xInterval, yInterval;
    bool gridLines = true;
    int gridColour = 2;
    // Print
    bool printSpectrum = true, printData = true, printFoot = true, printRange = true, printStep = true,
         printTime = true, printOperator = true;
    std::string footNote, timeText, operatorText;
    // Shown on the print page, not edited.
    std::string rangeText, stepText, filterText;
    // Memo
    std::string memo;
    bool printMemo = true;
    // All nine slots, edited on a copy.
    ChartFonts fonts;

    // A time scan's sheet: the print page's last box is the wavelength, and with a curve the rate
    // page edits the current curve's fit.
    bool timeScan = false;
    bool printWavelength = true;
    struct Rate {
        bool print = false;
        float begin = 0.0f, end = 10.0f, factor = 1.0f, result = 0.0f, r = 1.0f;
        float totalTime = 0.0f; // the curve's, for the range checks
        friend bool operator==(const Rate &, const Rate &) = default;
    };
    std::optional<Rate> rate;
    // The grid colour the chart used when the sheet opened: a fresh installation has no key, and
    // its frame keeps its own colour until the operator picks one.
    int gridColourShown = 0;

    static SpectrumSheet preset(const CDisplayRange &range, bool absorbance, const CWaveSpectrum *current,
                                const ProfileStore &wavescan, const ProfileStore &analyst,
                                const ChartFonts &fonts);

    // What the sheet shows of the current record, when there is one.
    struct Record {
        const RecordTexts &texts;
        const std::string &memo;
        std::string rangeText, stepText, filterText;
    };
    // The sheet of any scan window: its chart's look `style`, its settings `file`, the date shown
    // without a record `defaultTime`.
    static SpectrumSheet presetFor(const CDisplayRange &range, bool absorbance, const ChartStyle &style,
                                   const std::optional<Record> &current, const ProfileStore &file,
                                   const ProfileStore &analyst, const ChartFonts &fonts,
                                   const char *defaultTime);

    // OK: pushes an undo entry, applies the ranges, intervals and texts, stores every key and takes
    // the texts over into the current spectrum. Returns the message to show (dense intervals switched
    // off), or an empty text.
    std::string apply(DisplayHistory &display, bool absorbance, CWaveSpectrum *current,
                      ProfileStore &wavescan, ProfileStore &analyst, ChartFonts &chartFonts) const;
};

} // namespace spectavo::scan
