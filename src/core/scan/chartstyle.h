#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/config/fontdescription.h"
#include "core/config/profilestore.h"

namespace spectavo::scan {

// A colour of the 20-entry colour index table as an RGB value with red in the low byte; black for a
// number outside the table.
std::uint32_t indexedColour(int index);
// The first colour of the table that none of `inUse` has, white and near-white left out (they vanish
// on the chart's white); the first such colour when every one is taken.
int firstUnusedColourIndex(const std::vector<std::uint32_t> &inUse);
// The colour a newly measured record takes: `preferred` (the settings' colour) while no record of
// the window has it, else the next colour of the table after it that none has (white and cream left
// out); `preferred` when every colour is taken.
int nextFreeColourIndex(int preferred, const std::vector<std::uint32_t> &inUse);

// How the spectrum chart looks, read from the wave-scan settings at each paint.
struct ChartStyle {
    std::string title = "Title";
    int printTitle = 1;
    std::string valueLegendAbs = "Abs";
    std::string valueLegendT = "Concentration(%)";
    std::string wavelengthLegend = "Wavelength(nm)";
    int gridColour = 2;
    int frameColour = 2;
    int gridLines = 1;  // value axis; 0: short tick marks only
    int xGridLines = 1; // the axis across
    int penWidth = 1;
    int peakLabelSpectra = 0; // 0 none, 1 the current spectrum, 2 all

    static ChartStyle load(const ProfileStore &wavescan);
    // The time-scan chart: its own legends and title (each at most 18 characters), a frame in its own
    // colour until the settings give one colour to both, and grid lines per axis.
    static ChartStyle loadKinetic(const ProfileStore &kinetics);
};

// The chart's nine text slots and their colours, from the spectrum font settings.
enum ChartFontSlot : int {
    kSlotTickLabels,
    kSlotWavelengthLegend,
    kSlotValueLegend,
    kSlotTitle,
    kSlotPrintFoot,
    kSlotPrintData,
    kSlotPeakLabels,
    kSlotValleyLabels,
    kSlotSpare,
};
struct ChartFonts {
    static constexpr const char *kFileName = "..\\config\\tarvesta.zav.font.spectrum.ini";
    std::array<StoredFont, 9> fonts{};
    std::array<std::uint32_t, 9> colours{};

    ChartFonts();
    static ChartFonts load(const ProfileStore &file);
    void save(ProfileStore &file) const;
    int height(ChartFontSlot slot) const;
};

} // namespace spectavo::scan
