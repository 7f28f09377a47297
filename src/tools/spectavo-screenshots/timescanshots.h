#pragma once

#include <string>

#include <QDir>

#include "app/shell/mainframe.h"
#include "core/config/atomicfile.h"

namespace spectavo::screenshots {

// Installs the blank and the reaction cell for the time scan's multicell run, before the main window
// reads the cell settings; the operator's own settings come back when it goes.
class CellsForTimeScan {
public:
    CellsForTimeScan();
    ~CellsForTimeScan();
    CellsForTimeScan(const CellsForTimeScan &) = delete;
    CellsForTimeScan &operator=(const CellsForTimeScan &) = delete;

private:
    std::string m_path;
    FileText m_operators;
};

// A multicell time scan of the blank and the reaction with its peak labels, the "Dynamic Analysis"
// page of its settings sheet, and its printed chart page (as PDF; scripts/screenshots turns it into a
// picture).
bool runTimeScans(app::CMainFrame &frame, link::StationLink &station, const QDir &folder);

} // namespace spectavo::screenshots
