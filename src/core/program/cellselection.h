#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/config/profilestore.h"

namespace spectavo::program {

// Which positions of the multicell changer a run uses, with the sample names and concentrations.
struct CellSelection {
    static constexpr int kCells = 8;

    std::array<int, kCells> cellInstalled{};
    std::array<std::string, kCells> cellName;
    std::array<std::string, kCells> cellConcentration;

    bool installed(int cell) const {
        return cell >= 0 && cell < kCells && cellInstalled[static_cast<std::size_t>(cell)] != 0;
    }
    // The first `count` cells from the sections "Install", "Name" and "Concentration" followed by
    // `suffix`; cell 1 is always in use.
    void load(const ProfileStore &file, int count, std::string_view suffix);
    void save(ProfileStore &file, int count, std::string_view suffix) const;
    // Whether the file holds a selection under the suffix: cell 1 is written whenever one is.
    static bool storedIn(const ProfileStore &file, std::string_view suffix);
};

} // namespace spectavo::program
