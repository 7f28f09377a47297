#include "core/scan/exchangeformats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

#include "core/scan/scanfiletext.h"
#include "core/strings/cformat.h"

namespace spectavo::scan {
namespace {

constexpr double kYFactor = 1e-6;
constexpr std::size_t kMaxSeriesPoints = 10'000'000;
constexpr std::size_t kLineLimit = 80;

bool fail(std::string *error, const std::string &message) {
    if (error)
        *error = message;
    return false;
}

// The spacing of xs if they are equally spaced, else nothing. Two neighbours may differ from the step
// by a relative 1e-4, and by the rounding of the digits they were written with (`writtenUnit`, one unit
// of their last decimal place) as long as that is small against the step: a file that rounds a fine grid
// to six decimals still reads as the grid it was.
std::optional<double> evenStep(const std::vector<double> &xs, double writtenUnit) {
    if (xs.size() < 2)
        return std::nullopt;
    const double step = (xs.back() - xs.front()) / static_cast<double>(xs.size() - 1);
    if (!(std::fabs(step) > 0.0) || !std::isfinite(step))
        return std::nullopt;
    const double allowed = 1e-4 * std::fabs(step) + std::min(writtenUnit, 1e-2 * std::fabs(step)) + 1e-9;
    for (std::size_t i = 1; i < xs.size(); ++i)
        if (std::fabs((xs[i] - xs[i - 1]) - step) > allowed)
            return std::nullopt;
    return step;
}

// The leading number of text in double precision (an x column of fine steps at 1000 nm needs more than
// a float holds), with how much of the text it took and how many decimals it was written with (an
// exponent or a form only the C scanner takes counts as full precision).
std::optional<double> leadingDouble(std::string_view text, std::size_t *consumed, int *decimals) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    const std::string_view trimmed = text.substr(start);
    const std::string_view digits = trimmed.substr(!trimmed.empty() && trimmed.front() == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end == digits.data()) {
        // Hexadecimal floats and overflow as the C library reads them; an overflowing x then fails the
        // grid check instead of vanishing as a header line.
        std::size_t used = 0;
        value = strings::scanDoubleC(trimmed.substr(0, 64), &used);
        if (used == 0)
            return std::nullopt;
        *consumed = start + used;
        *decimals = 15;
        return value;
    }
    const std::string_view number(digits.data(), static_cast<std::size_t>(end - digits.data()));
    const std::size_t point = number.find('.');
    *decimals = number.find_first_of("eE") != std::string_view::npos ? 15
                : point == std::string_view::npos                    ? 0
                                                  : static_cast<int>(number.size() - point - 1);
    *consumed = static_cast<std::size_t>(end - text.data());
    return value;
}

// AFFN numbers: separated by blanks or commas, and a sign also starts a new number.
std::vector<double> affnNumbers(std::string_view line, bool *ok) {
    std::vector<double> numbers;
    *ok = true;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
            ++i;
            continue;
        }
        std::size_t used = 0;
        const double value = strings::scanDoubleC(line.substr(i, 64), &used);
        if (used == 0) {
            *ok = false; // a compressed form (SQZ, DIF, DUP) or text
            return numbers;
        }
        numbers.push_back(value);
        i += used;
    }
    return numbers;
}

} // namespace

std::string csvText(const EvenSeries &series) {
    std::string text = series.timeAxis ? "Time,Abs\r\n" : "Wavelength,Abs\r\n";
    for (std::size_t i = 0; i < series.y.size(); ++i) {
        // x in double from the decimal step: a float x would put up to 3e-5 nm of noise into a
        // 0.1-nm grid near 1000 nm.
        scanfile::appendFixed(text, series.firstX + series.step * static_cast<double>(i));
        text += ',';
        scanfile::appendFixed(text, series.y[i]);
        text += "\r\n";
    }
    return text;
}

std::optional<EvenSeries> parseCsv(std::string_view text, std::string *error) {
    std::vector<double> xs;
    EvenSeries series;
    int fewestDecimals = 15;
    scanfile::LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) {
        std::size_t used = 0;
        int decimals = 0;
        const auto x = leadingDouble(line, &used, &decimals);
        if (!x)
            continue; // the header, blank lines
        std::string_view rest = line.substr(used);
        const std::size_t comma = rest.find_first_of(",;\t ");
        if (comma == std::string_view::npos)
            continue;
        const auto y = scanfile::leadingFloat(rest.substr(comma + 1));
        if (!y)
            continue;
        if (xs.size() >= kMaxSeriesPoints) {
            fail(error, "too many points");
            return std::nullopt;
        }
        xs.push_back(*x);
        series.y.push_back(*y);
        fewestDecimals = std::min(fewestDecimals, decimals);
    }
    const auto step = evenStep(xs, std::pow(10.0, -fewestDecimals));
    if (!step) {
        fail(error, "the points are not equally spaced (or fewer than two)");
        return std::nullopt;
    }
    series.firstX = xs.front();
    series.step = *step;
    series.timeAxis = text.substr(0, 4) == "Time";
    return series;
}

std::string jcampText(const EvenSeries &series) {
    std::string text;
    auto label = [&text](const char *name, const std::string &value) {
        text += std::string("##") + name + "=" + value + "\r\n";
    };
    label("TITLE", series.title.empty() ? "Spectavo data" : series.title);
    label("JCAMP-DX", "4.24");
    label("DATA TYPE", "UV/VIS SPECTRUM");
    label("ORIGIN", "Spectavo");
    label("OWNER", series.owner);
    label("XUNITS", series.timeAxis ? "SECONDS" : "NANOMETERS");
    label("YUNITS", "ABSORBANCE");
    label("XFACTOR", "1");
    label("YFACTOR", strings::formatC("%g", kYFactor));
    label("FIRSTX", strings::formatC("%.6g", series.firstX));
    label("LASTX", strings::formatC("%.6g", series.lastX()));
    label("NPOINTS", strings::formatC("%zu", series.y.size()));
    label("FIRSTY", strings::formatC("%.6f", series.y.empty() ? 0.0 : static_cast<double>(series.y.front())));
    text += "##XYDATA=(X++(Y..Y))\r\n";
    std::string line;
    for (std::size_t i = 0; i < series.y.size(); ++i) {
        const std::string y =
            strings::formatC(" %.0f", std::round(static_cast<double>(series.y[i]) / kYFactor));
        if (!line.empty() && line.size() + y.size() > kLineLimit) {
            text += line + "\r\n";
            line.clear();
        }
        if (line.empty())
            line = strings::formatC("%.6g", series.firstX + series.step * static_cast<double>(i));
        line += y;
    }
    if (!line.empty())
        text += line + "\r\n";
    text += "##END=\r\n";
    return text;
}

std::optional<EvenSeries> parseJcamp(std::string_view text, std::string *error) {
    std::map<std::string, std::string> labels;
    std::vector<double> ys;
    bool inData = false;
    scanfile::LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) {
        if (line.substr(0, 2) == "##") {
            const std::size_t equals = line.find('=');
            std::string name(
                line.substr(2, equals == std::string_view::npos ? std::string_view::npos : equals - 2));
            std::erase_if(name, [](char c) { return c == ' ' || c == '-' || c == '/' || c == '_'; });
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return std::toupper(c); });
            const std::string value(equals == std::string_view::npos ? "" : line.substr(equals + 1));
            inData = name == "XYDATA";
            if (inData && value.find("X++(Y..Y)") == std::string::npos) {
                fail(error, "only (X++(Y..Y)) data tables are read");
                return std::nullopt;
            }
            if (name == "END")
                break;
            labels.emplace(name, value);
            continue;
        }
        if (!inData || line.substr(0, 2) == "$$")
            continue;
        bool ok = true;
        const std::vector<double> numbers = affnNumbers(line.substr(0, line.find("$$")), &ok);
        if (!ok) {
            fail(error, "compressed (non-AFFN) data is not read");
            return std::nullopt;
        }
        for (std::size_t i = 1; i < numbers.size() && ys.size() < kMaxSeriesPoints; ++i)
            ys.push_back(numbers[i]);
    }
    auto number = [&labels](const char *name, double fallback) {
        const auto found = labels.find(name);
        std::size_t used = 0;
        const double value = found == labels.end() ? fallback : strings::scanDoubleC(found->second, &used);
        return used > 0 ? value : fallback;
    };
    const double firstX = number("FIRSTX", NAN), lastX = number("LASTX", NAN);
    const double yFactor = number("YFACTOR", 1.0);
    // The count is a number from the file: compared as a number, never converted unchecked.
    const double count = number("NPOINTS", static_cast<double>(ys.size()));
    if (ys.size() < 2 || count != static_cast<double>(ys.size()) || !std::isfinite(firstX) ||
        !std::isfinite(lastX) || firstX == lastX) {
        fail(error, "the data table does not match FIRSTX, LASTX and NPOINTS");
        return std::nullopt;
    }
    EvenSeries series;
    series.title = labels.count("TITLE") ? labels["TITLE"] : "";
    series.owner = labels.count("OWNER") ? labels["OWNER"] : "";
    series.timeAxis = labels.count("XUNITS") && labels["XUNITS"].find("SECOND") != std::string::npos;
    series.y.reserve(ys.size());
    for (double y : ys)
        series.y.push_back(static_cast<float>(y * yFactor));
    series.firstX = std::min(firstX, lastX);
    series.step = std::fabs(lastX - firstX) / static_cast<double>(ys.size() - 1);
    if (firstX > lastX)
        std::reverse(series.y.begin(), series.y.end()); // stored from the high end down
    return series;
}

} // namespace spectavo::scan
