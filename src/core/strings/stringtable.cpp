#include "core/strings/stringtable.h"

#include "core/strings/translation.h"

#include <algorithm>
#include <iterator>

namespace spectavo::strings {
namespace {

struct Entry {
    int id;
    const char *text;
};

// Sorted by id so that a lookup is a binary search.
constexpr Entry kTable[] = {
    {kContinued, SPECTAVO_TEXT("Continued")},
    {kPageNumber, SPECTAVO_TEXT("Page %d")},
    {kOperatorLabel, SPECTAVO_TEXT("Operator:")},
    {kDateTimeLabel, SPECTAVO_TEXT("Date & Time:")},
    {kMemoLabel, SPECTAVO_TEXT("Memo:")},
    {kDateTimePattern, "%B %d %X %Y"},
    {kTabMethod, SPECTAVO_TEXT("Method")},
    {kTabStandard, SPECTAVO_TEXT("Standard")},
    {kTabSample, SPECTAVO_TEXT("Sample")},
    {kTabFitting, SPECTAVO_TEXT("Fitting")},
    {kTabDisplaySetting, SPECTAVO_TEXT("Display Setting")},
    {kTabInformation, SPECTAVO_TEXT("Information")},
    {kAskPrintPage, SPECTAVO_TEXT("Print this page?")},
    {kAskPrintMemo, SPECTAVO_TEXT("Print the memo information?")},
    {kWait, SPECTAVO_TEXT("Wait...")},
    {kReadyLampStable, SPECTAVO_TEXT("Ready")},
    {kBootSystemBooted, SPECTAVO_TEXT("System booted.")},
    {kBootEnergyValidating, SPECTAVO_TEXT("Energy validating")},
    {kBootWavelengthPositioning, SPECTAVO_TEXT("Wavelength positioning")},
    {kBootFiltersPositioning, SPECTAVO_TEXT("Filters Positioning")},
    {kBootCellsPositioning, SPECTAVO_TEXT("Cells positioning")},
    {kBootAdcCalibrating, SPECTAVO_TEXT("ADC calibrating")},
    {kBootWaitingKeys, SPECTAVO_TEXT("Waiting keys")},
    {kBootWarmup, SPECTAVO_TEXT("Warmup...")},
    {kBootSlitsPositioning, SPECTAVO_TEXT("Slits positioning")},
    {kBootLampPositioning, SPECTAVO_TEXT("Lamp positioning")},
    {kBootPrinterInitiating, SPECTAVO_TEXT("Printer Initiating")},
    {kBootStartingRtos, SPECTAVO_TEXT("Starting RTOS")},
    {kBootBaselineCalibrating, SPECTAVO_TEXT("System baseline calibrating")},
    {kBootFileSystemError, SPECTAVO_TEXT("File System Error")},
    {kBootBackgroundCorrecting, SPECTAVO_TEXT("Background correcting")},
    {kSampleName, SPECTAVO_TEXT("Sample name")},
    {kReady, SPECTAVO_TEXT("Ready")},
    {kWavelength, SPECTAVO_TEXT("Wavelength")},
    {kDifference, SPECTAVO_TEXT("Difference")},
    {kPeakDetected, SPECTAVO_TEXT("Peak Detected")},
    {kResult, SPECTAVO_TEXT("Result")},
    {kAbsStd, SPECTAVO_TEXT("Abs(Std.)")},
    {kTransStd, SPECTAVO_TEXT("T%(Std.)")},
    {kAbsDetected, SPECTAVO_TEXT("Abs(Detected)")},
    {kTransDetected, SPECTAVO_TEXT("T%(Detected)")},
    {kFail, SPECTAVO_TEXT("Fail")},
    {kPass, SPECTAVO_TEXT("Pass")},
    {kMenuSystem, SPECTAVO_TEXT("System")},
    {kMenuFixed, SPECTAVO_TEXT("Fixed")},
    {kMenuScan, SPECTAVO_TEXT("Scan")},
    {kReadyOffline, SPECTAVO_TEXT(" Ready ")},
    {kMenuFile, SPECTAVO_TEXT("File")},
    {kPrintJobFailed, SPECTAVO_TEXT("Could not start print job.")},
};

static_assert(std::is_sorted(std::begin(kTable), std::end(kTable),
                             [](const Entry &a, const Entry &b) { return a.id < b.id; }),
              "the string table must stay sorted by id");

} // namespace

const char *text(int id) {
    const auto found = std::lower_bound(std::begin(kTable), std::end(kTable), id,
                                        [](const Entry &entry, int wanted) { return entry.id < wanted; });
    if (found == std::end(kTable) || found->id != id)
        return "";
    return found->text;
}

const char *bootStateText(int state) {
    if (state < 1 || state > 15)
        return "";
    return text(kBootSystemBooted + state - 1);
}

} // namespace spectavo::strings
