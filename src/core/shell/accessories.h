#pragma once

#include <array>
#include <string>

#include "core/config/profilestore.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

// The operator's settings of the multicell changer and the autosipper, kept by the main window.
struct AccessorySettings {
    static constexpr int kCells = 8;
    static constexpr const char *kCellsFile = "..\\config\\tarvesta.zav.acc.cells.ini";
    static constexpr const char *kSipperFile = "..\\config\\tarvesta.zav.acc.autosipper.ini";
    static constexpr const char *kNoCellChosen =
        SPECTAVO_TEXT("You should choose ONE CELL at least.\nTry again.");

    std::array<int, kCells> cellInstalled{};
    std::array<std::string, kCells> cellName;
    std::array<std::string, kCells> cellConcentration;
    int sipTimeS = 2;
    int sipIntervalS = 2;
    int sipperConnected = 0;

    // Cells below CellNum of the file; cell 1 is always in use.
    void loadCells(const ProfileStore &file);
    // Per-cell keys for the cells the instrument reported, and the current cell.
    void saveCells(ProfileStore &file, int cellCount, int currentCell) const;
    void loadSipper(const ProfileStore &file);
    void saveSipper(ProfileStore &file) const;

    struct Limits {
        int minimum;
        int maximum;
    };
    static Limits sipTimeLimits(const ProfileStore &file);
    static Limits sipIntervalLimits(const ProfileStore &file);

    // The multicell dialog's OK: at least one of the first `rows` cells must be in use.
    static bool anyCellChosen(const std::array<int, kCells> &installed, int rows);
    bool installed(int cell) const {
        return cell >= 0 && cell < kCells && cellInstalled[static_cast<std::size_t>(cell)] != 0;
    }
};

} // namespace spectavo::shell
