#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/fixed/fixeddocumentfile.h"
#include "core/fixed/validity.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {

inline constexpr const char *kRowsCutOnImport = SPECTAVO_TEXT("Only the first 200 rows were imported.");
inline constexpr const char *kImportTypeMismatch =
    SPECTAVO_TEXT("File type mismatched, please select another one.");
inline constexpr const char *kImportUnreadable =
    SPECTAVO_TEXT("The file from the instrument is in a form this program cannot read.");

// The instrument's file store type (its index in the file management) a document of this kind
// offers first, and whether it takes a file of that type at all.
int presetInstrumentType(MethodKind kind);
bool acceptsInstrumentType(MethodKind kind, int typeIndex);

// A stored file as the link hands it over: the name from the buffer's header and only the content
// bytes that arrived (after any conversion).
struct InstrumentFile {
    std::string name;
    std::span<const std::uint8_t> content;
    int stepsPerNm = 1;
    bool conversionRefused = false;
    bool converted = false; // the link converted it from an older layout
};

struct ImportOutcome {
    // Why nothing was imported; empty when the document took the file.
    std::string refusal;
    bool rowsCut = false; // more than 200 rows were stored
    bool imported() const { return refusal.empty(); }
};

// The record into the method and the tables of the document (and the validity standards). The
// file is checked whole before anything changes: a refused file leaves the document as it was.
ImportOutcome importRecord(const DocumentParts &parts, ValidityData *validity, const InstrumentFile &file);

// The name in the first 13 bytes of the file buffer (up to its NUL).
std::string bufferFileName(std::span<const std::uint8_t> buffer);

} // namespace spectavo::fixed
