#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/fixed/fixedmethod.h"
#include "core/grid/gridmodel.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {

// One table of a fixed-wavelength document: a header row and 200 sample rows of text, the number of
// rows in use, whether it changed since it was saved, and the rows a standard setup has preset. The
// text in the grid is the single truth: a value passes through its formatted text wherever it goes.
class SampleTable {
public:
    static constexpr int kRows = 200;
    static constexpr const char *kFull =
        SPECTAVO_TEXT("The table is full (200 samples). Save it and start a new document.");
    static constexpr const char *kSelectSample = SPECTAVO_TEXT("Please select the sample name.\nTry again!");
    static constexpr const char *kDeleteQuestion = SPECTAVO_TEXT("To delete the selected sample?");
    // What a document cell gives back of a name.
    static constexpr std::size_t kMaxNameLength = 98;

    explicit SampleTable(bool standard = false);

    grid::GridModel &grid() { return m_grid; }
    const grid::GridModel &grid() const { return m_grid; }
    bool standard() const { return m_standard; }
    int rowCount() const { return m_rowCount; }
    void setRowCount(int rows);
    bool full() const { return m_rowCount >= kRows; }
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool preset(int row) const;
    void setPreset(int row, bool preset);

    // "Standard-3" / "Sample-3" for data row 2.
    std::string defaultName(int row) const;
    // The name a readout of data row `row` starts with.
    std::string nameOf(int row) const;

    // A table about to be replaced by a file's: every data cell from `firstColumn` on is emptied and
    // the presets are forgotten (the names and the row count stay for the caller to set).
    void clearData(int firstColumn = 1);

    // The data row "Modify" measures again for a selection that starts at this grid row, or nothing.
    std::optional<int> rowToModify(int firstSelectedGridRow) const;
    // Removes the selected data rows; false when the selection holds none.
    bool deleteRows(int firstGridRow, int lastGridRow);
    // The operator changed the photometric mode: the wavelength columns follow, through their text.
    void switchPhotometricMode(bool absorbanceNow, int wavelengthCount);
    // The measured values of data row `row` (appending when it is the next row).
    void writeMeasuredRow(int row, const std::string &name, std::span<const float> values, bool absorbance);
    // The header row and the rows in use, each cell right-aligned in 20 characters, CR LF line ends.
    std::string exportText() const;
    bool exportText(const std::string &path) const;

    // The layout of a fixed points table: the names, one column per wavelength and `resultColumns`
    // more. The table takes its final width at once, so the results' cells keep their text.
    void layoutFixedPoints(const FixedMethodRecord &method, bool withNames, int resultColumns = 0);

    // Lays the table out anew with `layout` (which sets the columns and their headings) without losing
    // a measured cell: cells follow their column's heading (a wavelength, a result), not its place. A
    // column whose heading is gone is kept aside and comes back when a layout brings the heading
    // back; a column with a new heading starts empty. Typing "12" as a count that passes through "1",
    // or switching concentrations off and on, therefore loses nothing.
    template <typename Layout>
    void relayout(Layout &&layout) {
        parkColumns();
        layout();
        restoreColumns();
    }
    // Columns kept aside by a layout are forgotten: the document was saved or replaced.
    void forgetParkedColumns() { m_parked.clear(); }

private:
    void parkColumns();
    void restoreColumns();

    grid::GridModel m_grid;
    bool m_standard;
    int m_rowCount = 0;
    bool m_modified = false;
    std::array<bool, kRows> m_presets{};
    // Data columns kept aside by heading, in the order they were met.
    std::vector<std::pair<std::string, std::vector<std::string>>> m_parked;
};

// A reading as a table cell: "%.4f" absorbance or "%.2f" transmittance.
std::string photometricText(float absorbance, bool absorbanceMode);

} // namespace spectavo::fixed
