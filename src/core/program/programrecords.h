#pragma once

#include "core/link/stationlink.h"
#include "core/program/appflags.h"
#include "core/program/cellselection.h"
#include "core/program/sharedsettings.h"

namespace spectavo::program {

// The program-wide records the main window lends every measurement window.
struct ProgramRecords {
    link::StationLink &link;
    SharedSettings &shared;
    AppFlags &flags;
    // The multicell selection of the window kind (the main window's for the client).
    const CellSelection &cells;
};

} // namespace spectavo::program
