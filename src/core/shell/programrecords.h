#pragma once

#include "core/link/stationlink.h"
#include "core/shell/accessories.h"
#include "core/shell/appflags.h"
#include "core/shell/sharedsettings.h"

namespace spectavo::shell {

// The program-wide records the main window lends every measurement window.
struct ProgramRecords {
    link::StationLink &link;
    SharedSettings &shared;
    AppFlags &flags;
    // The multicell selection of the window kind (the main window's for the client).
    const CellSelection &cells;
};

} // namespace spectavo::shell
