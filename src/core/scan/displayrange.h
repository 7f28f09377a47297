#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/config/profilestore.h"
#include "core/scan/chartaxes.h"
#include "core/strings/translation.h"

namespace spectavo::scan {

// What runs across a chart: wavelengths (a spectrum) or seconds (a time scan). The time axis has its
// own tick ladders and defaults.
enum class ChartAxis { Wavelength, Time };

// What a spectrum chart shows: the axis ranges of both photometric modes, manual tick intervals,
// background and the peak/valley switches. Kept in the scan's settings file between sessions.
struct CDisplayRange {
    static constexpr const char *kFileName = "..\\config\\tarvesta.zav.func.wavescan.ini";

    ChartAxis axis = ChartAxis::Wavelength;

    std::int32_t mode = 1; // the Abs/T% mode this record was saved in (1 Abs, 0 T%)
    std::int32_t manual = 0;
    float xInterval = 100.0f;
    float yInterval = 1.0f;
    float xMax = 1100.0f;
    float xMin = 190.0f;
    float absMax = 3.0f;
    float absMin = -1.0f;
    float tMin = 0.0f;
    float tMax = 150.0f;
    std::int32_t background = 0;
    std::int32_t showPeaks = 0;
    std::int32_t showValleys = 0;

    static CDisplayRange load(const ProfileStore &file);
    // A time-scan chart's record: 0 to 100 s, both peak and valley switches on by default.
    static CDisplayRange loadKinetic(const ProfileStore &kinetics);
    void save(ProfileStore &file) const;

    float yMin(bool absorbance) const { return absorbance ? absMin : tMin; }
    float yMax(bool absorbance) const { return absorbance ? absMax : tMax; }
    void setYRange(bool absorbance, float bottom, float top);

    // The ticks across: wavelengths or seconds, by the axis.
    TickLadder xTicks() const;
    TickLadder valueTicks(bool absorbance) const;
    // The most ticks an axis draws: a time axis typed over a huge range stays bounded.
    std::size_t maxTicks() const { return axis == ChartAxis::Time ? kMaxTimeTicks : kMaxTicks; }

    friend bool operator==(const CDisplayRange &, const CDisplayRange &) = default;
};

// The scales the chart falls back to on "Restore", from the application settings.
struct BaseScales {
    float xMin = 180.0f;
    float xMax = 1100.0f;
    float absMin = -1.0f;
    float absMax = 3.0f;
    float tMin = 0.0f;
    float tMax = 150.0f;
    static BaseScales load(const ProfileStore &analyst);
    // The time axis restores to 0 .. 100 s.
    static BaseScales loadKinetic(const ProfileStore &analyst);
};

// The span of what a chart shows, in its own units: nm or s across, Abs or %T up.
struct DataExtent {
    double xMin, xMax, yMin, yMax;
};
// The extent of evenly spaced absorbances from x0 to x1, in the photometric mode's units; nothing
// when no value is a finite number.
std::optional<DataExtent> valuesExtent(double x0, double x1, std::span<const float> absorbances,
                                       bool absorbance);
// The extent that holds both.
DataExtent merged(const DataExtent &a, const DataExtent &b);

// Whether manual tick intervals would crowd an axis: an interval that is not a positive number, or
// more than 50 ticks over its (normalised) range.
bool intervalsTooDense(float xMin, float xMax, float yMin, float yMax, float xInterval, float yInterval);

// The chart's display record with its undo stack. Every change pushes the record as it was, carrying
// the photometric mode current at that moment, so an undo can bring that mode back.
class DisplayHistory {
public:
    explicit DisplayHistory(CDisplayRange range = {}) : m_range(range) {}

    const CDisplayRange &range() const { return m_range; }
    CDisplayRange &range() { return m_range; }
    bool canUndo() const { return !m_undo.empty(); }
    std::size_t undoDepth() const { return m_undo.size(); }

    void pushUndo(bool absorbance);
    // Takes the newest entry back. Returns the mode to switch the program to when it differs from
    // the current one.
    std::optional<bool> undo(bool absorbance);
    // "Restore": the base scales, automatic ticks, and no undo history.
    void restore(const BaseScales &base);
    // "Fit to Data": the axes span the data, the values with a twentieth of their span above and
    // below (a flat line gets a band around it), automatic ticks. Undoable.
    void fitTo(bool absorbance, const DataExtent &extent);

    // A completed rubber band in data coordinates (any corner order). An axis changes only when the
    // band is wide enough on it: more than 10 nm, 0.002 Abs or 1 %T. The undo entry is pushed always.
    void zoom(bool absorbance, double wavelength1, double wavelength2, double value1, double value2);

    // The display-range dialog: ranges in any order, manual intervals; refused (nothing changes, no
    // undo entry) when a manual interval is zero or gives more than 50 ticks on its axis.
    static constexpr const char *kTooDense =
        SPECTAVO_TEXT("The tip interval you selected is too dense,\nplease set it again.");
    bool applyRangeDialog(bool absorbance, float xMin, float xMax, float yMin, float yMax, bool manual,
                          float xInterval, float yInterval);

private:
    CDisplayRange m_range;
    std::vector<CDisplayRange> m_undo; // newest first
};

} // namespace spectavo::scan
