#pragma once

namespace spectavo::scan {

// The commands of a wavelength-scan window; also the names of its actions.
enum ScanCommand {
    kSetup,
    kStart,
    kBaseline,
    kZeroCalibration,
    kEnergy,
    kSlitWidth,
    kAutorun,
    kOpen,
    kLoad,
    kSave,
    kSaveAs,
    kExport, // one rule for every export to a data file; each exported format has its own action
    kRemove,
    kCopy,
    kPrint,
    kPrintPreview,
    kExportPdf,
    kMagnify,
    kRestore,
    kSearch,
    kDisplayRange,
    kUndoScales,
    kShowPeaks,
    kShowValleys,
    kThreshold,
    kCustomize,
    kOpenInstrumentFile,
    kAbsorbanceMode,
    kTransmittanceMode,
    kSavGol,
    kSmooth,
    kDerivative,
    kResample,
    kAdd,
    kSubtract,
    kMultiply,
    kDivide,
    kPrintSetup,
    kDynamicAnalysis, // the time-scan window's rate fit of the current curve
    kFitToData,
    kScanCommandCount
};

// What the rules look at: the window's and the instrument's state as the window sees it now.
struct ScanWindowState {
    bool instrumentReady = false; // linked, lamps stable, idle: a scan may start
    bool linkFree = false;        // linked and no acquisition open
    int installedCells = 0;
    bool servedByLink = false;    // this window's scan runs or its instrument file is on its way
    bool currentSaveable = false; // a current spectrum that is not being scanned
    int spectrumCount = 0;
    bool canUndoScales = false;
    bool zoomMode = false;
    bool searchMode = false;
    bool absorbance = true;
    bool showPeaks = false;
    bool showValleys = false;
    // A time-scan window's own: the setup may open (no acquisition, lamp stable), and a timed
    // sampling runs.
    bool setupAvailable = false;
    bool sampling = false;
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
    friend bool operator==(const CommandState &, const CommandState &) = default;
};

// Whether each command of a wavelength-scan window is enabled and checked.
CommandState scanCommandState(ScanCommand command, const ScanWindowState &state);
// The same for a time-scan window, which shares the commands it has with the wavelength scan's.
CommandState kineCommandState(ScanCommand command, const ScanWindowState &state);

} // namespace spectavo::scan
