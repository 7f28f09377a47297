#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spectavo::scan {

// Equally spaced values for exchange with other programs: a spectrum (x in nm) or a curve (x in s).
struct EvenSeries {
    std::string title;
    std::string owner;
    bool timeAxis = false;
    double firstX = 0.0;
    double step = 0.0;
    std::vector<float> y;
    double lastX() const { return firstX + step * static_cast<double>(y.empty() ? 0 : y.size() - 1); }
};

// CSV: a header line ("Wavelength,Abs" or "Time,Abs") and one row per point, "%f" numbers, CR LF.
std::string csvText(const EvenSeries &series);
// Reads two numeric columns (a header line is skipped); the points must be equally spaced.
std::optional<EvenSeries> parseCsv(std::string_view text, std::string *error = nullptr);

// JCAMP-DX 4.24, AFFN "(X++(Y..Y))" with X in plain numbers and Y as integers scaled by YFACTOR, lines of
// at most 80 characters.
std::string jcampText(const EvenSeries &series);
// Reads what jcampText writes and the common AFFN files of other programs (blank, comma or sign
// separated numbers; descending X). Other compressed forms are refused.
std::optional<EvenSeries> parseJcamp(std::string_view text, std::string *error = nullptr);

} // namespace spectavo::scan
