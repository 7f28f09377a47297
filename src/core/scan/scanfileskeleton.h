#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/inidocument.h"
#include "core/scan/recordtexts.h"
#include "core/scan/scanfiletext.h"

namespace spectavo::scan::scanfile {

// What the spectrum and curve files share around their own header fields and data: the date at the
// head of the header, the [Extended] section behind the data, and what a save does to the record and
// the settings. Each record's file lists only its own header fields and sections.

// The header read by position: the date (one line, or two when it was written over two), then the
// record's own fields one by one, then the data lines.
class HeaderFields {
public:
    // The header is at most seven lines: a two-line date and five fields.
    HeaderFields(LineReader &reader, RecordTexts &texts);
    // The next field's line; empty after the header.
    std::string_view next();
    // The lines after the fields, where the data begin.
    std::span<const std::string_view> rest() const;

private:
    std::vector<std::string_view> m_lines;
    std::size_t m_at = 0;
};

// The sample name a save writes: the record's own, or the file's name while it has the default one.
std::string savedSampleName(const RecordTexts &texts, const std::string &path);
// The [Extended] section (sample name, operator, memo as stored) with the file's CR LF line ends;
// the caller may add sections before serialising it behind the data.
IniDocument extendedSections(const std::string &sampleName, const RecordTexts &texts,
                             const std::string &storedMemo);
// After the file was written: the record carries the saved name, and a window's Save keeps the memo
// in the settings for the next record.
void recordSaved(RecordTexts &texts, const std::string &sampleName, const std::string &storedMemo,
                 MemoUse memoUse, const char *settingsFile);
// The [Extended] section into the record's texts; returns the memo, decoded.
std::string readExtended(const IniDocument &sections, RecordTexts &texts);

} // namespace spectavo::scan::scanfile
