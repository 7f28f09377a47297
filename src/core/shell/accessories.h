#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/config/profilestore.h"
#include "core/program/cellselection.h"
#include "core/shell/documentfiles.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

using program::CellSelection;

// The operator's settings of the multicell changer and the autosipper, kept by the main window.
// Each window kind keeps its own cell selection once the operator set one up for it: a wavelength
// scan over two cuvettes does not undo the fixed points run over eight. Until then a kind uses the
// main window's selection, which the plain sections of the cells file hold.
struct AccessorySettings {
    static constexpr int kCells = CellSelection::kCells;
    static constexpr int kKinds = 5;
    static constexpr const char *kCellsFile = "..\\config\\tarvesta.zav.acc.cells.ini";
    static constexpr const char *kSipperFile = "..\\config\\tarvesta.zav.acc.autosipper.ini";
    static constexpr const char *kNoCellChosen =
        SPECTAVO_TEXT("You should choose ONE CELL at least.\nTry again.");

    int sipTimeS = 2;
    int sipIntervalS = 2;
    int sipperConnected = 0;

    // The main window's selection, and the one of every kind not set up on its own.
    const CellSelection &cells() const { return m_cells; }
    const CellSelection &cellsOf(DocumentKind kind) const { return m_kinds[index(kind)].cells; }
    bool keepsOwnCells(DocumentKind kind) const { return m_kinds[index(kind)].own; }
    void chooseCells(const CellSelection &chosen);
    void chooseCells(DocumentKind kind, const CellSelection &chosen);

    // Cells below CellNum of the file.
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

private:
    struct KindCells {
        CellSelection cells;
        bool own = false;
    };
    static std::size_t index(DocumentKind kind) { return static_cast<std::size_t>(kind); }
    static std::string kindSuffix(DocumentKind kind);

    CellSelection m_cells;
    // Element addresses stay put: the windows of a kind hold a reference to their selection.
    std::array<KindCells, kKinds> m_kinds;
};

} // namespace spectavo::shell
