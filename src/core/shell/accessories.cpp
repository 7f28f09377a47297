#include "core/shell/accessories.h"

#include <algorithm>

namespace spectavo::shell {

std::string AccessorySettings::kindSuffix(DocumentKind kind) {
    return std::string(".") + documentKindInfo(kind).area;
}

void AccessorySettings::chooseCells(const CellSelection &chosen) {
    m_cells = chosen;
    for (KindCells &kind : m_kinds)
        if (!kind.own)
            kind.cells = chosen;
}

void AccessorySettings::chooseCells(DocumentKind kind, const CellSelection &chosen) {
    m_kinds[index(kind)] = {chosen, true};
}

void AccessorySettings::loadCells(const ProfileStore &file) {
    const int loaded = std::clamp(file.GetInt("Status", "CellNum", 0), 0, kCells);
    m_cells = {};
    m_cells.load(file, loaded, "");
    for (const DocumentKindInfo &info : documentKinds()) {
        const std::string suffix = kindSuffix(info.kind);
        const bool own = loaded > 0 && CellSelection::storedIn(file, suffix);
        KindCells &kind = m_kinds[index(info.kind)];
        kind = {m_cells, own};
        if (own) {
            kind.cells = {};
            kind.cells.load(file, loaded, suffix);
        }
    }
}

void AccessorySettings::saveCells(ProfileStore &file, int cellCount, int currentCell) const {
    file.PutInt("Status", "CurrentCell", currentCell);
    // The count the next start reads the cells by: without it the selection was lost at every start.
    // Without reported cells (the instrument never linked) the file keeps the count it had.
    if (cellCount > 0)
        file.PutInt("Status", "CellNum", std::clamp(cellCount, 0, kCells));
    m_cells.save(file, cellCount, "");
    for (const DocumentKindInfo &info : documentKinds())
        if (m_kinds[index(info.kind)].own)
            m_kinds[index(info.kind)].cells.save(file, cellCount, kindSuffix(info.kind));
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
