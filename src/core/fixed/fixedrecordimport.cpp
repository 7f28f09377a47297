#include "core/fixed/fixedrecordimport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

#include "core/fixed/calibration.h"
#include "core/link/bytes.h"
#include "core/link/linkcodes.h"
#include "core/link/oldlayout.h"
#include "core/link/storedrecords.h"
#include "core/strings/cformat.h"

namespace spectavo::fixed {
namespace {

constexpr std::size_t kLayoutMarker = 13;
constexpr std::size_t kUnitField = 10;

// A row as cells by column; what the record does not fill stays empty.
using ImportedRow = std::vector<std::pair<int, std::string>>;

struct ImportedTable {
    std::vector<ImportedRow> rows;
    bool withNames = true;
    bool modified = false;
};

// What a record says, decoded and checked before the document changes.
struct Imported {
    FixedMethodRecord method;
    std::optional<ImportedTable> standards;
    std::optional<ImportedTable> samples;
    std::optional<std::string> displayUnit;
    std::optional<std::array<float, kValidityWavelengths>> validityStandards;
    bool judge = false;
    bool rowsCut = false;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> content) : m_content(content) {}
    bool has(std::size_t bytes) const { return m_content.size() >= bytes; }
    std::uint8_t byte(std::size_t at) const { return m_content[at]; }
    float f32(std::size_t at) const { return link::readFloat(m_content, at); }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(link::readU32(m_content, at)); }
    // A text field: up to its NUL, never beyond its width.
    std::string text(std::size_t at, std::size_t width) const {
        std::string result;
        for (std::size_t i = at; i < at + width && i < m_content.size() && m_content[i] != 0; ++i)
            result.push_back(static_cast<char>(m_content[i]));
        return result;
    }

private:
    std::span<const std::uint8_t> m_content;
};

std::string value4(float value) {
    return strings::formatC("%.4f", static_cast<double>(value));
}

std::string lowered(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string unitOfCode(int code, const std::string &text) {
    static constexpr std::array<const char *, 10> kUnits = {"%",     "ppm",   "ppb", "g/L",  "mg/L",
                                                            "mg/mL", "ug/mL", "M/L", "mM/L", "IU"};
    if (code == 10)
        return text;
    return code < 10 ? kUnits[static_cast<std::size_t>(code)] : "";
}

// Wavelengths in motor steps; a count of none or more than the record holds refuses the file.
bool readWavelengths(const Reader &in, std::size_t countAt, std::size_t firstAt, int limit, int stepsPerNm,
                     FixedMethodRecord &method) {
    const int count = in.byte(countAt);
    if (count < 1 || count > limit || count > method.capacity)
        return false;
    method.count = count;
    for (int i = 0; i < count; ++i)
        method.wavelengths[static_cast<std::size_t>(i)] = static_cast<float>(
            static_cast<double>(in.i32(firstAt + 4 * static_cast<std::size_t>(i))) / stepsPerNm);
    return true;
}

// At most a table's rows; the rest are dropped, and the operator told.
std::size_t keptRows(std::size_t stored, Imported &imported) {
    if (stored <= SampleTable::kRows)
        return stored;
    imported.rowsCut = true;
    return SampleTable::kRows;
}

ImportedTable quantitativeRows(const Reader &in, std::size_t first, std::size_t rows, int count,
                               Imported &imported) {
    ImportedTable table;
    const std::size_t kept = keptRows(rows, imported);
    for (std::size_t r = 0; r < kept; ++r) {
        const std::size_t at = first + 28 * r;
        ImportedRow row;
        for (int i = 0; i < count; ++i)
            row.emplace_back(i + 1, value4(in.f32(at + 16 + 4 * static_cast<std::size_t>(i))));
        row.emplace_back(count + 1, value4(in.f32(at + 12)));
        row.emplace_back(count + 2, value4(in.f32(at + 8)));
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::optional<std::string> decodeQuantitative(const Reader &in, int stepsPerNm, Imported &imported) {
    if (!in.has(99))
        return link::kIncompleteFile;
    const std::size_t standards = in.byte(97), samples = in.byte(98);
    if (!in.has(99 + 28 * (standards + samples)))
        return link::kIncompleteFile;
    FixedMethodRecord &method = imported.method;
    if (!readWavelengths(in, 22, 25, 3, stepsPerNm, method))
        return kImportUnreadable;
    method.unit = in.text(38, kUnitField);
    imported.displayUnit = method.unit;
    method.reference = in.byte(48) == 0 ? 1 : 0;
    method.methodIndex = std::min<int>(in.byte(49), methodIndexLimit(MethodKind::FixedPoints));
    for (std::size_t i = 0; i < 4; ++i)
        method.coefficients[i] = in.f32(50 + 4 * i);
    method.correlation = in.f32(66);
    method.concentration = 1;
    imported.standards = quantitativeRows(in, 99, standards, method.count, imported);
    imported.samples = quantitativeRows(in, 99 + 28 * standards, samples, method.count, imported);
    return std::nullopt;
}

std::optional<std::string> decodeMultiWavelength(const Reader &in, int stepsPerNm, Imported &imported) {
    if (!in.has(156))
        return link::kIncompleteFile;
    const std::size_t rows = in.byte(155);
    // Each row: an 8-byte stamp, then ten readings.
    if (!in.has(156 + 48 * rows))
        return link::kIncompleteFile;
    if (!readWavelengths(in, 24, 25, kValidityWavelengths, stepsPerNm, imported.method))
        return kImportUnreadable;
    ImportedTable samples;
    const std::size_t kept = keptRows(rows, imported);
    for (std::size_t r = 0; r < kept; ++r) {
        ImportedRow row;
        for (int i = 0; i < imported.method.count; ++i)
            row.emplace_back(i + 1, value4(in.f32(156 + 48 * r + 8 + 4 * static_cast<std::size_t>(i))));
        samples.rows.push_back(std::move(row));
    }
    imported.standards = ImportedTable{};
    imported.samples = std::move(samples);
    return std::nullopt;
}

std::optional<std::string> decodeNucleic(const Reader &in, int stepsPerNm, Imported &imported) {
    if (!in.has(88))
        return link::kIncompleteFile;
    const std::size_t rows = in.byte(87);
    if (!in.has(88 + 24 * rows))
        return link::kIncompleteFile;
    FixedMethodRecord &method = imported.method;
    const int index = in.byte(16);
    if (index > 1)
        return kImportUnreadable;
    const auto m = static_cast<std::size_t>(index);
    if (!readWavelengths(in, 62, 63 + 12 * m, 3, stepsPerNm, method))
        return kImportUnreadable;
    method.methodIndex = index;
    method.reference = (in.byte(17) | in.byte(18)) != 0 ? 1 : 0;
    for (std::size_t i = 0; i < 4; ++i)
        method.coefficients[i] = in.f32(19 + 16 * m + 4 * i);
    method.unit = unitOfCode(in.byte(51), in.text(52, kUnitField));
    ImportedTable samples;
    samples.modified = true;
    const int n = method.count;
    const std::size_t kept = keptRows(rows, imported);
    for (std::size_t r = 0; r < kept; ++r) {
        ImportedRow row;
        for (int i = 0; i < n; ++i)
            row.emplace_back(i + 1, value4(in.f32(88 + 12 * r + 4 * static_cast<std::size_t>(i))));
        for (int i = 0; i < 3; ++i)
            row.emplace_back(n + 1 + i,
                             value4(in.f32(88 + 12 * rows + 12 * r + 4 * static_cast<std::size_t>(i))));
        samples.rows.push_back(std::move(row));
    }
    imported.samples = std::move(samples);
    return std::nullopt;
}

std::optional<std::string> decodeValidity(const Reader &in, bool photometric, int stepsPerNm,
                                          Imported &imported) {
    if (!in.has(18))
        return link::kIncompleteFile;
    const std::size_t n = in.byte(17);
    if (!in.has(photometric ? 107 + 8 * n : 103 + 8 * n))
        return link::kIncompleteFile;
    FixedMethodRecord &method = imported.method;
    if (!readWavelengths(in, 17, 18, kValidityWavelengths, stepsPerNm, method))
        return kImportUnreadable;
    method.methodIndex = photometric ? kPhotometricTest : kWavelengthTest;
    method.coefficients[0] = in.f32(photometric ? 103 + 8 * n : 99 + 8 * n);
    ImportedTable results;
    results.withNames = false;
    if (photometric) {
        std::array<float, kValidityWavelengths> standards{};
        for (std::size_t i = 0; i < n; ++i)
            standards[i] = in.f32(99 + 4 * i);
        imported.validityStandards = standards;
        for (std::size_t i = 0; i < n; ++i) {
            const float detected = in.f32(99 + 4 * n + 4 * i);
            results.rows.push_back({{2, value4(detected)}, {3, value4(detected - standards[i])}});
        }
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            const double peak = static_cast<double>(in.i32(99 + 4 * i)) / stepsPerNm;
            const double difference = peak - static_cast<double>(method.wavelengths[i]);
            results.rows.push_back({{1, strings::formatC("%.1fnm", peak)},
                                    {3, strings::formatC("%.1fnm", difference)},
                                    {2, value4(in.f32(99 + 4 * n + 4 * i))}});
        }
    }
    imported.samples = std::move(results);
    imported.judge = true;
    return std::nullopt;
}

std::optional<int> typeOf(const std::string &name) {
    return link::storedFileType(lowered(name));
}

std::optional<std::string> decode(const InstrumentFile &file, MethodKind kind, Imported &imported) {
    const std::optional<int> type = typeOf(file.name);
    if (!type || !acceptsInstrumentType(kind, *type))
        return kImportTypeMismatch;
    const Reader in(file.content);
    if (file.conversionRefused)
        return kImportUnreadable;
    if (!in.has(kLayoutMarker + 1))
        return link::kIncompleteFile;
    // The link converts older records it knows; one it did not is not in the layout read here.
    const bool convertible = *type == link::kStoredQuantitative || *type == link::kStoredStandard ||
                             *type == link::kStoredMultiWavelength;
    if (convertible && !file.converted && !link::isCurrentLayout(in.byte(kLayoutMarker)))
        return kImportUnreadable;
    const int stepsPerNm = std::max(file.stepsPerNm, 1);
    switch (*type) {
    case link::kStoredQuantitative:
    case link::kStoredStandard:
        return decodeQuantitative(in, stepsPerNm, imported);
    case link::kStoredMultiWavelength:
        return decodeMultiWavelength(in, stepsPerNm, imported);
    case link::kStoredNucleic:
        return decodeNucleic(in, stepsPerNm, imported);
    default:
        return decodeValidity(in, *type == link::kStoredPhotometric, stepsPerNm, imported);
    }
}

void fillTable(const DocumentParts &parts, SampleTable &table, const ImportedTable &imported) {
    parts.layout(table, imported.withNames);
    // The validity table's layout has written the standards beside the wavelengths: only the results go.
    table.clearData(imported.withNames ? 1 : 2);
    for (std::size_t r = 0; r < imported.rows.size(); ++r)
        for (const auto &[column, text] : imported.rows[r])
            table.grid().setText(static_cast<int>(r) + 1, column, text);
    if (imported.withNames)
        table.setRowCount(static_cast<int>(imported.rows.size()));
    table.setModified(imported.modified);
}

} // namespace

int presetInstrumentType(MethodKind kind) {
    switch (kind) {
    case MethodKind::FixedPoints:
        return link::kStoredQuantitative;
    case MethodKind::DnaProtein:
        return link::kStoredNucleic;
    case MethodKind::Validity:
        return link::kStoredPhotometric;
    }
    return link::kStoredQuantitative;
}

bool acceptsInstrumentType(MethodKind kind, int typeIndex) {
    switch (kind) {
    case MethodKind::FixedPoints:
        return typeIndex == link::kStoredQuantitative || typeIndex == link::kStoredMultiWavelength ||
               typeIndex == link::kStoredStandard;
    case MethodKind::DnaProtein:
        return typeIndex == link::kStoredNucleic;
    case MethodKind::Validity:
        return typeIndex == link::kStoredPhotometric || typeIndex == link::kStoredWavelength;
    }
    return false;
}

std::string bufferFileName(std::span<const std::uint8_t> buffer) {
    std::string name;
    for (std::size_t i = 0; i < std::min<std::size_t>(buffer.size(), 13) && buffer[i] != 0; ++i)
        name.push_back(static_cast<char>(buffer[i]));
    return name;
}

ImportOutcome importRecord(const DocumentParts &parts, ValidityData *validity, const InstrumentFile &file) {
    Imported imported{*parts.method, {}, {}, {}, {}, false, false};
    if (std::optional<std::string> refusal = decode(file, parts.kind, imported))
        return {std::move(*refusal), false};
    *parts.method = imported.method;
    parts.method->ClearBlanks();
    if (imported.displayUnit && parts.curve)
        parts.curve->unit = *imported.displayUnit;
    if (imported.validityStandards && validity)
        validity->standards = *imported.validityStandards;
    if (imported.standards && parts.standards)
        fillTable(parts, *parts.standards, *imported.standards);
    if (imported.samples)
        fillTable(parts, *parts.samples, *imported.samples);
    if (imported.judge) {
        judgeRows(*parts.samples, parts.method->count, parts.method->methodIndex,
                  parts.method->coefficients[0]);
        parts.samples->setModified(false);
    }
    return {{}, imported.rowsCut};
}

} // namespace spectavo::fixed
