#pragma once

#include <functional>
#include <string>

#include "core/config/profilestore.h"
#include "core/fixed/fixedmethod.h"
#include "core/fixed/quanchart.h"
#include "core/fixed/reporttexts.h"
#include "core/fixed/sampletable.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {

// Builds a table's header row and columns for the method as it stands (with the default names when
// asked): the layout differs by kind, the file rules do not.
using TableLayout = std::function<void(SampleTable &table, bool withNames)>;

// The records of one fixed-wavelength document, in the order its pages stand. Each page owns its
// record; a document file is these records one after the other in one INI file.
struct DocumentParts {
    MethodKind kind = MethodKind::FixedPoints;
    FixedMethodRecord *method = nullptr;
    ReportTexts *report = nullptr;
    SampleTable *standards = nullptr; // fixed points only
    SampleTable *samples = nullptr;
    CurveSettings *curve = nullptr; // fixed points only
    TableLayout layout;
};

inline constexpr const char *kRowsCutOnLoad = SPECTAVO_TEXT("Only the first 200 rows were loaded.");

// A method-only file leaves out the sample table, in both directions.
void saveDocument(const DocumentParts &parts, ProfileStore &file, bool methodOnly);
struct LoadOutcome {
    bool read = true;     // false: the file holds none of a document's keys, and nothing changed
    bool rowsCut = false; // a table said it had more rows than a table holds
};
LoadOutcome loadDocument(const DocumentParts &parts, const ProfileStore &file, bool methodOnly);

// The same through one read and one atomic write of the file; false when it could not be written. A
// file that does not exist, cannot be read or is something else entirely is not loaded as an empty
// document.
bool saveDocumentFile(const DocumentParts &parts, const std::string &path, bool methodOnly);
LoadOutcome loadDocumentFile(const DocumentParts &parts, const std::string &path, bool methodOnly);
// Whether a file holds any of a document's keys.
bool isDocument(const ProfileStore &file);

// One table's section: "Rows", "Cols" and a key "R<r>C<c>" per cell of the rows in use.
void saveTable(const SampleTable &table, ProfileStore &file, const char *section, int rows);
// Reads cells into rows 1 .. `rows` (the file's Rows when not given, at most 200) after emptying the
// data cells; true when the file said more rows than were read.
bool loadTableCells(SampleTable &table, const ProfileStore &file, const char *section, int rows = -1);

// The document kinds' file dialogs: document and method-only entries and their extensions.
struct DocumentFileNames {
    const char *filter;         // Qt form, two entries
    const char *documentSuffix; // "QUA"
    const char *methodSuffix;   // "QM"
};
const DocumentFileNames &documentFileNames(MethodKind kind);

} // namespace spectavo::fixed
