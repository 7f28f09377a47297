#include "core/shell/accessories.h"

#include <algorithm>

namespace spectavo::shell {

void AccessorySettings::loadCells(const ProfileStore &file) {
    const int loaded = std::clamp(file.GetInt("Status", "CellNum", 0), 0, kCells);
    for (int i = 0; i < loaded; ++i) {
        const auto at = static_cast<std::size_t>(i);
        cellInstalled[at] = file.GetIntAt("Install", "Cell", i, 0);
        cellName[at] = file.GetStringAt("Name", "Cell", i, "", 100);
        cellConcentration[at] = file.GetStringAt("Concentration", "Cell", i, "", 100);
    }
    cellInstalled[0] = 1;
}

void AccessorySettings::saveCells(ProfileStore &file, int cellCount, int currentCell) const {
    file.PutInt("Status", "CurrentCell", currentCell);
    // The count the next start reads the cells by: without it the selection was lost at every start.
    // Without reported cells (the instrument never linked) the file keeps the count it had.
    if (cellCount > 0)
        file.PutInt("Status", "CellNum", std::clamp(cellCount, 0, kCells));
    for (int i = 0; i < std::clamp(cellCount, 0, kCells); ++i) {
        const auto at = static_cast<std::size_t>(i);
        file.PutIntAt("Install", "Cell", i, cellInstalled[at]);
        file.PutStringAt("Name", "Cell", i, cellName[at]);
        file.PutStringAt("Concentration", "Cell", i, cellConcentration[at]);
    }
}

void AccessorySettings::loadSipper(const ProfileStore &file) {
    sipTimeS = file.GetInt("Autosipper", "Time", 2);
    sipIntervalS = file.GetInt("Autosipper", "Interval", 2);
}

void AccessorySettings::saveSipper(ProfileStore &file) const {
    file.PutInt("Autosipper", "Time", sipTimeS);
    file.PutInt("Autosipper", "Interval", sipIntervalS);
}

AccessorySettings::Limits AccessorySettings::sipTimeLimits(const ProfileStore &file) {
    return {file.GetInt("Autosipper", "MinSipperTime", 2), file.GetInt("Autosipper", "MaxSipperTime", 999)};
}

AccessorySettings::Limits AccessorySettings::sipIntervalLimits(const ProfileStore &file) {
    return {file.GetInt("Autosipper", "MinSipperInterval", 2),
            file.GetInt("Autosipper", "MaxSipperInterval", 999)};
}

bool AccessorySettings::anyCellChosen(const std::array<int, kCells> &installed, int rows) {
    for (int i = 0; i < std::clamp(rows, 0, kCells); ++i)
        if (installed[static_cast<std::size_t>(i)] != 0)
            return true;
    return false;
}

} // namespace spectavo::shell
