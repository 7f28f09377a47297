#include "core/strings/stringtable.h"

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
    {kContinued, "Continued"},
    {kPageNumber, "Page %d"},
    {kOperatorLabel, "Operator:"},
    {kDateTimeLabel, "Date & Time:"},
    {kMemoLabel, "Memo:"},
    {kDateTimePattern, "%B %d %X %Y"},
    {kTabMethod, "Method"},
    {kTabStandard, "Standard"},
    {kTabSample, "Sample"},
    {kTabFitting, "Fitting"},
    {kTabDisplaySetting, "Display Setting"},
    {kTabInformation, "Information"},
    {kAskPrintPage, "Print this page?"},
    {kAskPrintMemo, "Print the memo information?"},
    {kWait, "Wait..."},
    {kReadyLampStable, "Ready"},
    {kBootSystemBooted, "System booted."},
    {kBootEnergyValidating, "Energy validating"},
    {kBootWavelengthPositioning, "Wavelength positioning"},
    {kBootFiltersPositioning, "Filters Positioning"},
    {kBootCellsPositioning, "Cells positioning"},
    {kBootAdcCalibrating, "ADC calibrating"},
    {kBootWaitingKeys, "Waiting keys"},
    {kBootWarmup, "Warmup..."},
    {kBootSlitsPositioning, "Slits positioning"},
    {kBootLampPositioning, "Lamp positioning"},
    {kBootPrinterInitiating, "Printer Initiating"},
    {kBootStartingRtos, "Starting RTOS"},
    {kBootBaselineCalibrating, "System baseline calibrating"},
    {kBootFileSystemError, "File System Error"},
    {kBootBackgroundCorrecting, "Background correcting"},
    {kSampleName, "Sample name"},
    {kReady, "Ready"},
    {kWavelength, "Wavelength"},
    {kDifference, "Difference"},
    {kPeakDetected, "Peak Detected"},
    {kResult, "Result"},
    {kAbsStd, "Abs(Std.)"},
    {kTransStd, "T%(Std.)"},
    {kAbsDetected, "Abs(Detected)"},
    {kTransDetected, "T%(Detected)"},
    {kFail, "Fail"},
    {kPass, "Pass"},
    {kMenuSystem, "System"},
    {kMenuFixed, "Fixed"},
    {kMenuScan, "Scan"},
    {kReadyOffline, " Ready "},
    {kMenuFile, "File"},
    {kPrintJobFailed, "Could not start print job."},
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
