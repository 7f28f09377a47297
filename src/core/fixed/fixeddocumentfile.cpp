#include "core/fixed/fixeddocumentfile.h"

#include <algorithm>
#include <utility>

#include "core/config/profilefile.h"
#include "core/fixed/validity.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {
namespace {

constexpr const char *kStandardSection = "Standard";
constexpr const char *kSampleSection = "Sample";
// A cell gives back what a grid cell holds of a name or a value.
constexpr std::size_t kCellSize = SampleTable::kMaxNameLength + 1;

std::string cellKey(int row, int column) {
    return strings::formatC("R%dC%d", row, column);
}

// The validity table has one row per test wavelength, whatever was measured.
int validityRows(const FixedMethodRecord &method) {
    return std::clamp(method.count, 1, kValidityWavelengths);
}

void saveTablePage(const DocumentParts &parts, SampleTable &table, ProfileStore &file, const char *section) {
    parts.layout(table, false);
    const int rows = parts.kind == MethodKind::Validity ? validityRows(*parts.method) : table.rowCount();
    saveTable(table, file, section, rows);
    table.setModified(false);
}

bool loadTablePage(const DocumentParts &parts, SampleTable &table, const ProfileStore &file,
                   const char *section) {
    const bool validity = parts.kind == MethodKind::Validity;
    parts.layout(table, !validity);
    const bool cut = loadTableCells(table, file, section, validity ? validityRows(*parts.method) : -1);
    table.setModified(false);
    return cut;
}

} // namespace

void saveTable(const SampleTable &table, ProfileStore &file, const char *section, int rows) {
    const grid::GridModel &grid = table.grid();
    rows = std::clamp(rows, 0, grid.rows() - 1);
    file.PutInt(section, "Rows", rows);
    file.PutInt(section, "Cols", grid.columns());
    for (int row = 1; row <= rows; ++row)
        for (int column = 0; column < grid.columns(); ++column)
            file.PutString(section, cellKey(row, column), grid.text(row, column));
}

bool loadTableCells(SampleTable &table, const ProfileStore &file, const char *section, int rows) {
    grid::GridModel &grid = table.grid();
    table.clearData();
    const int stated = rows >= 0 ? rows : file.GetInt(section, "Rows", 0);
    const int read = std::clamp(stated, 0, std::min(SampleTable::kRows, grid.rows() - 1));
    for (int row = 1; row <= read; ++row)
        for (int column = 0; column < grid.columns(); ++column)
            grid.setText(row, column, file.GetString(section, cellKey(row, column), "0", kCellSize));
    if (rows < 0)
        table.setRowCount(read);
    return stated > read;
}

void saveDocument(const DocumentParts &parts, ProfileStore &file, bool methodOnly) {
    parts.method->save(file);
    parts.report->save(file);
    if (parts.standards)
        saveTablePage(parts, *parts.standards, file, kStandardSection);
    if (!methodOnly)
        saveTablePage(parts, *parts.samples, file, kSampleSection);
    // Both write the document's one unit; the display settings last, with the unit the table shows.
    if (parts.curve) {
        CurveSettings shown = *parts.curve;
        shown.unit = concentrationUnit(parts.method->unit, parts.curve->unit);
        shown.save(file);
    }
}

LoadOutcome loadDocument(const DocumentParts &parts, const ProfileStore &file, bool methodOnly) {
    LoadOutcome outcome;
    parts.method->load(file);
    // The display settings' unit is the one a save writes last; the method reads it back too.
    if (parts.curve)
        parts.curve->load(file);
    parts.report->load(file);
    if (parts.standards)
        outcome.rowsCut = loadTablePage(parts, *parts.standards, file, kStandardSection);
    if (!methodOnly)
        outcome.rowsCut = loadTablePage(parts, *parts.samples, file, kSampleSection) || outcome.rowsCut;
    return outcome;
}

bool saveDocumentFile(const DocumentParts &parts, const std::string &path, bool methodOnly) {
    const ProfileFile file(path, false);
    ProfileFile::Batch batch(file);
    saveDocument(parts, batch, methodOnly);
    return batch.commit();
}

LoadOutcome loadDocumentFile(const DocumentParts &parts, const std::string &path, bool methodOnly) {
    const ProfileFile file(path, false);
    const ProfileFile::Batch batch(file);
    if (!isDocument(batch))
        return {false, false};
    return loadDocument(parts, batch, methodOnly);
}

// One key of each page's sections: a document written by any of the kinds, or by hand, has one.
bool isDocument(const ProfileStore &file) {
    static constexpr std::pair<const char *, const char *> kKeys[] = {
        {"Setup", "Method"}, {"Setup", "Unit"},  {"Params", "K1"},           {"Wavelength", "Num"},
        {"Report", "Title"}, {"Report", "Time"}, {kStandardSection, "Rows"}, {kSampleSection, "Rows"},
    };
    constexpr std::string_view kMissing = "\x01";
    for (const auto &[section, key] : kKeys)
        if (file.GetString(section, key, kMissing) != kMissing)
            return true;
    return false;
}

const DocumentFileNames &documentFileNames(MethodKind kind) {
    static const DocumentFileNames kNames[] = {
        {SPECTAVO_TEXT("Fixed points file(*.QUA);;Template file(*.QM)"), "QUA", "QM"},
        {SPECTAVO_TEXT("DNA/Protein measurement file(*.DNA);;DNA/Protein Method(*.DM)"), "DNA", "DM"},
        {SPECTAVO_TEXT("Instrument Validity files(*.VAL);;Instrument Validity method files(*.VM)"), "VAL",
         "VM"},
    };
    return kNames[static_cast<int>(kind)];
}

} // namespace spectavo::fixed
