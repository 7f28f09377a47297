#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/inidocument.h"
#include "core/strings/translation.h"

namespace spectavo::scan::scanfile {

// The text layer shared by spectrum and curve files: lines, the header fields read by position, data
// lines of two numbers, fixed six-decimal output, and the INI sections behind the data.

// The text's lines without their line ends (CR LF or LF), one at a time: reading a file never keeps a
// list of its lines, so memory follows the points, not the lines.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(text) {}
    // The next line; false after the last.
    bool next(std::string_view &line);

private:
    std::string_view m_rest;
    bool m_done = false;
};

// The first `count` lines (fewer when the text is shorter), for a header read by position; the reader
// then stands after them.
std::vector<std::string_view> headerLines(LineReader &reader, std::size_t count);

// "Prefix" followed by a number, as sscanf("Prefix%d") reads it; nothing when the prefix does not match.
std::optional<int> intAfter(std::string_view line, std::string_view prefix);
std::optional<float> floatAfter(std::string_view line, std::string_view prefix);
// The leading number of text (after blanks) and how much of the text it took.
std::optional<float> leadingFloat(std::string_view text, std::size_t *consumed = nullptr);

// The date text of the first header line: the older two-line "Date:"/"Time:" form (then
// *usedSecondLine is set) or everything after the first ':'.
std::string dateFromHeader(std::string_view first, std::string_view second, bool *usedSecondLine);

// Reads the second number of each data line into points: first the data lines already taken with the
// header, then the reader's. Missing or malformed lines leave 0. Returns how many points a line supplied.
std::size_t readDataLines(std::span<const std::string_view> first, LineReader &rest, std::span<float> points);

// What the operator is told when a file's data lines end before its grid does (held, expected).
inline constexpr const char *kShortFile = SPECTAVO_TEXT("The file holds %d of its %d points.");

// "%f" of a number, the way printf prints it, without the locale (a float promoted first, as printf
// does).
void appendFixed(std::string &out, double value);
// "%f %f\r\n" for each point at x0 + i x dx.
void appendDataLines(std::string &out, std::span<const float> points, float x0, float dx);

// One row of the Abs/T% table: x in "%6.1f", A in "%10f", T% in "%11f", CR LF. A value that fills or
// outruns its field is set off by one blank, so columns never run together; values within their
// widths keep these bytes.
std::string absorbanceTableRow(double x, double absorbance);

bool hasTxtExtension(const std::string &path);
std::string fileNameOf(const std::string &path);

// The INI sections behind the data: only the text from the first section line on is parsed, so a
// long data part costs nothing here.
inline constexpr std::size_t kMaxSectionsText = std::size_t{1} << 20;
IniDocument sectionsOf(std::string_view text);

// Reads the file for a scan reader; nothing when it is missing, unreadable or too large.
std::optional<std::string> readWholeFile(const std::string &path);

} // namespace spectavo::scan::scanfile
