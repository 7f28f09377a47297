#include "core/program/cellselection.h"

#include <algorithm>

namespace spectavo::program {

namespace {

std::string section(std::string_view stem, std::string_view suffix) {
    std::string name(stem);
    name += suffix;
    return name;
}

} // namespace

void CellSelection::load(const ProfileStore &file, int count, std::string_view suffix) {
    for (int i = 0; i < std::clamp(count, 0, kCells); ++i) {
        const auto at = static_cast<std::size_t>(i);
        cellInstalled[at] = file.GetIntAt(section("Install", suffix), "Cell", i, 0);
        cellName[at] = file.GetStringAt(section("Name", suffix), "Cell", i, "", 100);
        cellConcentration[at] = file.GetStringAt(section("Concentration", suffix), "Cell", i, "", 100);
    }
    cellInstalled[0] = 1;
}

bool CellSelection::storedIn(const ProfileStore &file, std::string_view suffix) {
    return file.GetIntAt(section("Install", suffix), "Cell", 0, -1) != -1;
}

void CellSelection::save(ProfileStore &file, int count, std::string_view suffix) const {
    for (int i = 0; i < std::clamp(count, 0, kCells); ++i) {
        const auto at = static_cast<std::size_t>(i);
        file.PutIntAt(section("Install", suffix), "Cell", i, cellInstalled[at]);
        file.PutStringAt(section("Name", suffix), "Cell", i, cellName[at]);
        file.PutStringAt(section("Concentration", suffix), "Cell", i, cellConcentration[at]);
    }
}

} // namespace spectavo::program
