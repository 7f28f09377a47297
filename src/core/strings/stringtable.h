#pragma once

#include "core/strings/translation.h"

// The operator-visible texts. Texts with a table id are looked up by that id, so that a translation
// file can replace them; the application layer translates the English text returned here. Texts
// without an id are named constants below: the marked ones are translated where they are shown, the
// receive thread's own failures are shown as they stand.
namespace spectavo::strings {

enum StringId : int {
    kWait = 6500,
    kReadyLampStable = 6501,
    kBootSystemBooted = 6503,
    kBootEnergyValidating = 6504,
    kBootWavelengthPositioning = 6505,
    kBootFiltersPositioning = 6506,
    kBootCellsPositioning = 6507,
    kBootAdcCalibrating = 6508,
    kBootWaitingKeys = 6509,
    kBootWarmup = 6510,
    kBootSlitsPositioning = 6511,
    kBootLampPositioning = 6512,
    kBootPrinterInitiating = 6513,
    kBootStartingRtos = 6514,
    kBootBaselineCalibrating = 6515,
    kBootFileSystemError = 6516,
    kBootBackgroundCorrecting = 6517,
    kSampleName = 6524,
    kReady = 6529,
    kReadyOffline = 8003,
    kContinued = 6113,
    kPageNumber = 6114,
    kOperatorLabel = 6115,
    kDateTimeLabel = 6116,
    kMemoLabel = 6117,
    kDateTimePattern = 6122,
    kTabMethod = 6200,
    kTabStandard = 6201,
    kTabSample = 6202,
    kTabFitting = 6203,
    kTabDisplaySetting = 6204,
    kTabInformation = 6205,
    kAskPrintPage = 6409,
    kAskPrintMemo = 6415,
    kWavelength = 6539,
    kDifference = 6540,
    kPeakDetected = 6541,
    kResult = 6542,
    kAbsStd = 6543,
    kTransStd = 6544,
    kAbsDetected = 6545,
    kTransDetected = 6546,
    kFail = 6547,
    kPass = 6548,
    kMenuSystem = 7001,
    kMenuFixed = 7003,
    kMenuScan = 7004,
    kMenuFile = 8009,
    kPrintJobFailed = 61702,
};

// The English text of a table entry; an empty text for an id the table does not hold.
const char *text(int id);

// The text of a boot state 1 to 15 reported by the instrument; empty outside that range.
const char *bootStateText(int state);

// Fixed texts without a table id.
inline constexpr const char *kLinkRefusesCommands =
    SPECTAVO_TEXT("The instrument link does not accept commands.");
inline constexpr const char *kError = "Error";
inline constexpr const char *kStopEventFailed = "CreateEvent failed.";
// The message-queue processing thread cannot be created.
inline constexpr const char *kReceiverNotStarted =
    "\u65e0\u6cd5\u521b\u5efa\u6d88\u606f\u961f\u5217\u5904\u7406\u7ebf\u7a0b!";
// The message processing thread did not answer within 3 seconds.
inline constexpr const char *kReceiverNotAnswering =
    "\u6d88\u606f\u5904\u7406\u7ebf\u7a0b3\u79d2\u949f\u65e0\u54cd\u5e94!";

} // namespace spectavo::strings
