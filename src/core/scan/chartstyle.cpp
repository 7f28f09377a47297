#include "core/scan/chartstyle.h"

#include <algorithm>
#include <cstdlib>

namespace spectavo::scan {
namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

constexpr std::array<std::uint32_t, 20> kColourTable{
    rgb(255, 255, 255), rgb(0, 0, 255),     rgb(0, 255, 0),     rgb(0, 255, 255),   rgb(255, 0, 0),
    rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),
    rgb(0, 128, 128),   rgb(128, 0, 0),     rgb(128, 0, 128),   rgb(128, 128, 0),   rgb(128, 128, 128),
    rgb(192, 192, 192), rgb(192, 220, 192), rgb(166, 202, 240), rgb(255, 251, 240), rgb(160, 160, 164)};

constexpr std::uint32_t kDarkGreen = 32768;

} // namespace

std::uint32_t indexedColour(int index) {
    return index >= 0 && index < static_cast<int>(kColourTable.size())
               ? kColourTable[static_cast<std::size_t>(index)]
               : 0;
}

int nextFreeColourIndex(int preferred, const std::vector<std::uint32_t> &inUse) {
    constexpr int kWhite = 0, kCream = 18;
    const int count = static_cast<int>(kColourTable.size());
    for (int step = 0; step < count; ++step) {
        const int index = ((preferred % count + count) % count + step) % count;
        if (step > 0 && (index == kWhite || index == kCream))
            continue;
        if (std::find(inUse.begin(), inUse.end(), indexedColour(index)) == inUse.end())
            return index;
    }
    return preferred;
}

int firstUnusedColourIndex(const std::vector<std::uint32_t> &inUse) {
    return nextFreeColourIndex(1, inUse); // the table's first colour after white
}

ChartStyle ChartStyle::load(const ProfileStore &file) {
    ChartStyle s;
    s.title = file.GetString("Legend", "Title", s.title);
    s.printTitle = file.GetInt("Print", "PrintTitle", s.printTitle);
    s.valueLegendAbs = file.GetString("Legend", "LegendY", s.valueLegendAbs);
    s.valueLegendT = file.GetString("Legend", "LegendY2", s.valueLegendT);
    s.wavelengthLegend = file.GetString("Legend", "LegendX", s.wavelengthLegend);
    s.gridColour = file.GetInt("Grid", "Color", s.gridColour);
    s.frameColour = s.gridColour;
    s.gridLines = file.GetInt("Grid", "Yes", s.gridLines);
    s.xGridLines = s.gridLines;
    s.penWidth = file.GetInt("Curve", "OtherLine", s.penWidth);
    s.peakLabelSpectra = file.GetInt("Peak and Valley", "ShowPeakValleyType", s.peakLabelSpectra);
    return s;
}

ChartStyle ChartStyle::loadKinetic(const ProfileStore &file) {
    constexpr std::size_t kLegendField = 19; // 18 characters and the terminator
    ChartStyle s;
    s.title = file.GetString("Legend", "Title", "Kinetics Analysis", kLegendField);
    s.printTitle = file.GetInt("Print", "PrintTitle", 1);
    s.valueLegendAbs = file.GetString("Legend", "LegendY", "(Abs)", kLegendField);
    s.valueLegendT = file.GetString("Legend", "LegendY2", "(%)", kLegendField);
    s.wavelengthLegend = file.GetString("Legend", "LegendX", "Time(s)", kLegendField);
    s.frameColour = file.GetInt("Grid", "Color", 9);
    s.gridColour = file.GetInt("Grid", "Color", 1);
    s.gridLines = file.GetInt("Grid", "Yes", 1);
    s.xGridLines = file.GetInt("Grid", "ShowGrid", 1);
    s.penWidth = file.GetInt("Curve", "OtherLine", 1);
    s.peakLabelSpectra = file.GetInt("Peak and Valley", "ShowPeakValleyType", 0);
    return s;
}

ChartFonts::ChartFonts() {
    colours.fill(kDarkGreen);
}

ChartFonts ChartFonts::load(const ProfileStore &file) {
    ChartFonts f;
    for (int k = 0; k < 9; ++k) {
        f.fonts[static_cast<std::size_t>(k)] = file.GetFont(k);
        f.colours[static_cast<std::size_t>(k)] = file.GetFontColor(k);
    }
    return f;
}

void ChartFonts::save(ProfileStore &file) const {
    for (int k = 0; k < 9; ++k) {
        file.PutFont(k, fonts[static_cast<std::size_t>(k)]);
        file.PutFontColor(k, colours[static_cast<std::size_t>(k)]);
    }
}

int ChartFonts::height(ChartFontSlot slot) const {
    return std::abs(fonts[static_cast<std::size_t>(slot)].height);
}

} // namespace spectavo::scan
