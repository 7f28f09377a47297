#include "core/scan/scancommandrules.h"

namespace spectavo::scan {
namespace {

bool enabledIn(ScanCommand command, const ScanWindowState &s) {
    const bool any = s.spectrumCount > 0;
    const bool two = s.spectrumCount >= 2;
    switch (command) {
    case kStart:
    case kEnergy:
    case kSlitWidth:
        return s.instrumentReady;
    case kAutorun:
        return s.instrumentReady && s.installedCells >= 2;
    case kBaseline:
    case kZeroCalibration:
        return s.linkFree;
    case kOpen:
    case kLoad:
        return !s.servedByLink;
    case kSave:
    case kSaveAs:
    case kExport:
    case kRemove:
    case kSavGol:
    case kSmooth:
    case kDerivative:
    case kResample:
        return s.currentSaveable;
    case kCopy:
    case kFitToData:
        return any;
    case kPrint:
    case kPrintPreview:
    case kExportPdf:
        return any && !s.servedByLink;
    case kUndoScales:
        return s.canUndoScales;
    case kAdd:
    case kSubtract:
    case kMultiply:
    case kDivide:
        return two;
    default:
        return true;
    }
}

bool checkedIn(ScanCommand command, const ScanWindowState &s) {
    switch (command) {
    case kStart:
        return s.servedByLink;
    case kMagnify:
        return s.zoomMode;
    case kSearch:
        return s.searchMode;
    case kAbsorbanceMode:
        return s.absorbance;
    case kTransmittanceMode:
        return !s.absorbance;
    case kShowPeaks:
        return s.showPeaks;
    case kShowValleys:
        return s.showValleys;
    default:
        return false;
    }
}

} // namespace

CommandState scanCommandState(ScanCommand command, const ScanWindowState &state) {
    return {enabledIn(command, state), checkedIn(command, state)};
}

CommandState kineCommandState(ScanCommand command, const ScanWindowState &state) {
    CommandState result = scanCommandState(command, state);
    switch (command) {
    case kSetup:
        result.enabled = state.setupAvailable;
        break;
    case kStart:
        result.checked = state.sampling;
        break;
    case kBaseline:
    case kZeroCalibration:
        result.enabled = state.instrumentReady;
        break;
    case kSearch:
        result.enabled = state.spectrumCount > 0;
        break;
    case kDynamicAnalysis: // its Calculate reads the curve: never one still being measured
        result.enabled = state.currentSaveable;
        break;
    default:
        break;
    }
    return result;
}

} // namespace spectavo::scan
