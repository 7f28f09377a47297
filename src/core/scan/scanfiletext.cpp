#include "core/scan/scanfiletext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/config/atomicfile.h"
#include "core/strings/cformat.h"

namespace spectavo::scan::scanfile {
namespace {

std::string_view skipBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n\v\f");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

} // namespace

bool LineReader::next(std::string_view &line) {
    if (m_done || m_rest.empty())
        return false;
    const std::size_t newline = m_rest.find('\n');
    line = m_rest.substr(0, newline);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (newline == std::string_view::npos)
        m_done = true;
    else
        m_rest.remove_prefix(newline + 1);
    return true;
}

std::vector<std::string_view> headerLines(LineReader &reader, std::size_t count) {
    std::vector<std::string_view> lines;
    std::string_view line;
    while (lines.size() < count && reader.next(line))
        lines.push_back(line);
    return lines;
}

std::optional<float> leadingFloat(std::string_view text, std::size_t *consumed) {
    const std::string_view trimmed = skipBlanks(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    float value = 0.0f;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::invalid_argument || end == digits.data()) {
        // Rare forms from_chars does not take (hexadecimal floats) go through the C-locale scanner.
        std::size_t used = 0;
        const float scanned = strings::scanFloatC(trimmed, &used);
        if (used == 0)
            return std::nullopt;
        if (consumed)
            *consumed = text.size() - trimmed.size() + used;
        return scanned;
    }
    if (error == std::errc::result_out_of_range) {
        std::size_t used = 0;
        value = strings::scanFloatC(trimmed, &used); // overflow as the C library gives it
    }
    if (consumed)
        *consumed = static_cast<std::size_t>(end - text.data());
    return value;
}

std::optional<int> intAfter(std::string_view line, std::string_view prefix) {
    if (line.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    std::size_t used = 0;
    const int value = strings::scanIntC(line.substr(prefix.size()), &used);
    return used > 0 ? std::optional(value) : std::nullopt;
}

std::optional<float> floatAfter(std::string_view line, std::string_view prefix) {
    if (line.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    return leadingFloat(line.substr(prefix.size()));
}

std::string dateFromHeader(std::string_view first, std::string_view second, bool *usedSecondLine) {
    *usedSecondLine = false;
    const std::size_t datePosition = first.find("Date:");
    if (datePosition != std::string_view::npos) {
        auto word = [](std::string_view text) {
            text = skipBlanks(text);
            return std::string(text.substr(0, text.find_first_of(" \t")));
        };
        *usedSecondLine = true;
        const std::size_t timePosition = second.find("Time:");
        const std::string time =
            timePosition == std::string_view::npos ? "" : word(second.substr(timePosition + 5));
        return word(first.substr(datePosition + 5)) + " " + time;
    }
    const std::size_t colon = first.find(':');
    return colon == std::string_view::npos ? std::string{} : std::string(first.substr(colon + 1));
}

std::size_t readDataLines(std::span<const std::string_view> first, LineReader &rest,
                          std::span<float> points) {
    std::size_t supplied = 0;
    std::string_view line;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i < first.size())
            line = first[i];
        else if (!rest.next(line))
            break;
        std::size_t used = 0;
        if (!leadingFloat(line, &used))
            continue;
        if (const auto value = leadingFloat(line.substr(used))) {
            points[i] = *value;
            ++supplied;
        }
    }
    return supplied;
}

void appendFixed(std::string &out, double promoted) {
    char buffer[64];
    if (!std::isfinite(promoted)) {
        out += strings::formatC("%f", promoted);
        return;
    }
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, promoted, std::chars_format::fixed, 6);
    if (error != std::errc())
        out += strings::formatC("%f", promoted);
    else
        out.append(buffer, end);
}

void appendDataLines(std::string &out, std::span<const float> points, float x0, float dx) {
    out.reserve(out.size() + points.size() * 24);
    for (std::size_t i = 0; i < points.size(); ++i) {
        appendFixed(out, x0 + static_cast<float>(i) * dx);
        out += ' ';
        appendFixed(out, points[i]);
        out += "\r\n";
    }
}

bool hasTxtExtension(const std::string &path) {
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".txt";
}

std::string fileNameOf(const std::string &path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

IniDocument sectionsOf(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t first = text.find_first_not_of(" \t", start);
        // The sections hold names, a memo and the rate fields: a megabyte is far more than they need,
        // and a file padded with hundreds of megabytes behind them is not copied whole.
        if (first != std::string_view::npos && first < text.size() && text[first] == '[')
            return IniDocument::parse(std::string(text.substr(start, kMaxSectionsText)));
        const std::size_t newline = text.find('\n', start);
        if (newline == std::string_view::npos)
            break;
        start = newline + 1;
    }
    return {};
}

std::string absorbanceTableRow(double x, double absorbance) {
    std::string row = strings::formatC("%6.1f", x);
    for (const auto &[value, width] :
         {std::pair{absorbance, 10}, std::pair{std::pow(10.0, 2.0 - absorbance), 11}}) {
        const std::string field = strings::formatC("%*f", width, value);
        if (field.size() >= static_cast<std::size_t>(width) && field.front() != ' ')
            row += ' ';
        row += field;
    }
    return row + "\r\n";
}

std::optional<std::string> readWholeFile(const std::string &path) {
    FileText file = readTextFile(path);
    if (file.status != FileText::Status::Read)
        return std::nullopt;
    return std::move(file.text);
}

} // namespace spectavo::scan::scanfile
