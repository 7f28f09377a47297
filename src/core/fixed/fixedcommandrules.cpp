#include "core/fixed/fixedcommandrules.h"

namespace spectavo::fixed {

bool measuringAllowed(const FixedWindowState &state) {
    return state.methodValid && state.linkOnline && !state.acquisitionOpen && state.lampStable &&
           state.stationReady && !state.autorunActive;
}

CommandState fixedCommandState(FixedCommand command, const FixedWindowState &state) {
    const bool allowed = measuringAllowed(state);
    switch (command) {
    case kStart:
    case kBlankCalibration:
    case kAutoBlankCalibration:
    case kSystemBaseline:
        return {allowed, false};
    // Modify measures a row again: it needs what a measurement needs. While a readout or a run works
    // on the tables, nothing may change their rows under it.
    case kModify:
        return {state.methodValid && state.linkOnline && !state.acquisitionOpen && state.lampStable &&
                    !state.autorunActive && !state.measuring && state.pageRows > 0,
                false};
    case kDelete:
        return {state.pageRows > 0 && !state.measuring, false};
    case kAutorun:
        return {allowed && state.installedCells > 1, false};
    case kExportSample:
        return {state.sampleRows > 0, false};
    case kTransmittanceMode: {
        bool enabled = true;
        if (state.family == DocumentFamily::FixedPoints)
            enabled = !state.concentration;
        else if (state.family == DocumentFamily::Validity)
            enabled = false;
        return {enabled, !state.absorbance};
    }
    case kAbsorbanceMode:
        return {true, state.absorbance};
    case kStandardSetup:
        return {state.linkOnline && state.standards && !state.measuring, false};
    case kDeletePresets:
        return {state.linkOnline && state.anyPreset && !state.measuring, false};
    // The wavelengths and blanks a readout, a run or a blank calibration is using stay as they are.
    case kEditMethod:
        return {!state.measuring, false};
    case kExportStandard:
        return {state.standardRows > 0, false};
    case kCopyCurve:
        return {state.concentration, false};
    // The document's files wait for a measurement to end: its results are still arriving.
    case kOpen:
    case kLoad:
    case kSave:
    case kSaveAs:
    case kPrint:
    case kExportPdf:
        return {!state.measuring, false};
    case kOpenInstrumentFile:
        return {!state.measuring && state.linkOnline && !state.acquisitionOpen, false};
    case kMethodPage:
    case kDisplayPage:
    case kTraceCursor:
    case kDataFont:
    case kFixedCommandCount:
        break;
    }
    return {true, false};
}

} // namespace spectavo::fixed
