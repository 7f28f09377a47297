#pragma once

#include "core/scan/scancommandrules.h"

namespace spectavo::fixed {

// The commands of a fixed-wavelength document window; also the names of its actions.
enum FixedCommand {
    kStart,
    kModify,
    kDelete,
    kAutorun,
    kBlankCalibration,
    kAutoBlankCalibration,
    kSystemBaseline,
    kExportSample,
    kMethodPage,
    kDisplayPage,
    kTraceCursor,
    kTransmittanceMode,
    kAbsorbanceMode,
    kDataFont,
    kStandardSetup,
    kDeletePresets,
    kExportStandard,
    kCopyCurve,
    kOpen,
    kLoad,
    kSave,
    kSaveAs,
    kOpenInstrumentFile,
    kPrint,
    kExportPdf,
    kEditMethod, // the method page's fields
    kFixedCommandCount
};

enum class DocumentFamily { FixedPoints, DnaProtein, Validity };

// What the rules look at: the instrument, the method and the tables as the window sees them now.
struct FixedWindowState {
    DocumentFamily family = DocumentFamily::FixedPoints;
    bool methodValid = true;
    bool linkOnline = false;
    bool acquisitionOpen = false;
    bool lampStable = true;
    bool stationReady = false;
    bool autorunActive = false;
    bool measuring = false; // a readout or an automatic run of this document is under way
    int installedCells = 0;
    int sampleRows = 0; // rows of the sample table
    int pageRows = 0;   // rows of the table whose buttons are being decided (the sample table for menus)
    bool concentration = false;
    bool absorbance = true;
    // Fixed points: "Use Standard Samples", the standards measured and preset.
    bool standards = false;
    int standardRows = 0;
    bool anyPreset = false;
};

using CommandState = scan::CommandState;

// Whether a measurement may start now: a valid method and a free, ready instrument.
bool measuringAllowed(const FixedWindowState &state);

// Whether each command of a fixed-wavelength window is enabled and checked. For the buttons of a
// table page set pageRows to that table's rows: Modify and Delete look at it.
CommandState fixedCommandState(FixedCommand command, const FixedWindowState &state);

} // namespace spectavo::fixed
