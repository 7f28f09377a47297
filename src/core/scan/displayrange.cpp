#include "core/scan/displayrange.h"

#include <algorithm>
#include <cmath>

#include "core/scan/chartlayout.h"

namespace spectavo::scan {
namespace {
constexpr const char *kGrid = "Grid";
constexpr const char *kDisplay = "Display";
constexpr const char *kPeaks = "Peak and Valley";
} // namespace

CDisplayRange CDisplayRange::load(const ProfileStore &file) {
    CDisplayRange r;
    r.mode = file.GetInt(kDisplay, "Mode", 1);
    r.manual = file.GetInt(kGrid, "ManualSet", 0);
    r.xInterval = file.GetFloat(kGrid, "Xstep", "100");
    r.yInterval = file.GetFloat(kGrid, "Ystep", "1");
    r.xMax = file.GetFloat(kDisplay, "Xmax", "1100");
    r.xMin = file.GetFloat(kDisplay, "Xmin", "190");
    r.absMax = file.GetFloat(kDisplay, "aYmax", "3");
    r.absMin = file.GetFloat(kDisplay, "aYmin", "-1");
    r.tMin = file.GetFloat(kDisplay, "tYmin", "0");
    r.tMax = file.GetFloat(kDisplay, "tYmax", "150");
    r.background = file.GetInt(kDisplay, "BKColor", 0);
    r.showPeaks = file.GetInt(kPeaks, "ShowPeak", 0);
    r.showValleys = file.GetInt(kPeaks, "ShowValley", 0);
    return r;
}

CDisplayRange CDisplayRange::loadKinetic(const ProfileStore &file) {
    CDisplayRange r = load(file);
    r.axis = ChartAxis::Time;
    r.xMax = file.GetFloat(kDisplay, "Xmax", "100");
    r.xMin = file.GetFloat(kDisplay, "Xmin", "0");
    r.showPeaks = file.GetInt(kPeaks, "ShowPeak", 1);
    r.showValleys = file.GetInt(kPeaks, "ShowValley", 1);
    return r;
}

void CDisplayRange::save(ProfileStore &file) const {
    if (axis == ChartAxis::Wavelength)
        file.PutInt(kDisplay, "Mode", mode);
    file.PutInt(kGrid, "ManualSet", manual);
    file.PutFloat(kGrid, "Xstep", xInterval);
    file.PutFloat(kGrid, "Ystep", yInterval);
    file.PutFloat(kDisplay, "Xmax", xMax);
    file.PutFloat(kDisplay, "Xmin", xMin);
    file.PutFloat(kDisplay, "aYmax", absMax);
    file.PutFloat(kDisplay, "aYmin", absMin);
    file.PutFloat(kDisplay, "tYmin", tMin);
    file.PutFloat(kDisplay, "tYmax", tMax);
    file.PutInt(kDisplay, "BKColor", background);
    file.PutInt(kPeaks, "ShowPeak", showPeaks);
    file.PutInt(kPeaks, "ShowValley", showValleys);
}

void CDisplayRange::setYRange(bool absorbance, float bottom, float top) {
    (absorbance ? absMin : tMin) = bottom;
    (absorbance ? absMax : tMax) = top;
}

TickLadder CDisplayRange::xTicks() const {
    const double span = double(xMax) - double(xMin);
    if (axis == ChartAxis::Time) {
        // Seconds are labelled whole, whatever interval the operator chose.
        TickLadder ladder = manual ? TickLadder{xInterval, 0} : automaticTimeTicks(span);
        ladder.bareZero = false;
        return ladder;
    }
    return manual ? manualTicks(xInterval) : automaticWavelengthTicks(span);
}

TickLadder CDisplayRange::valueTicks(bool absorbance) const {
    if (manual)
        return manualTicks(yInterval);
    const double span = double(yMax(absorbance)) - double(yMin(absorbance));
    if (axis == ChartAxis::Time)
        return absorbance ? automaticKineticAbsorbanceTicks(span) : automaticKineticTransmittanceTicks(span);
    return absorbance ? automaticAbsorbanceTicks(span) : automaticTransmittanceTicks(span);
}

BaseScales BaseScales::load(const ProfileStore &analyst) {
    BaseScales b;
    b.xMin = analyst.GetFloat("ZAV Range", "fScanMin", "180");
    b.xMax = analyst.GetFloat("ZAV Range", "fScanMax", "1100");
    b.absMin = analyst.GetFloat("ZAV Range", "faYmin", "-1");
    b.absMax = analyst.GetFloat("ZAV Range", "faYmax", "3");
    b.tMin = analyst.GetFloat("ZAV Range", "ftYmin", "0");
    b.tMax = analyst.GetFloat("ZAV Range", "ftYmax", "150");
    return b;
}

BaseScales BaseScales::loadKinetic(const ProfileStore &analyst) {
    BaseScales b = load(analyst);
    b.xMin = 0.0f;
    b.xMax = 100.0f;
    return b;
}

void DisplayHistory::pushUndo(bool absorbance) {
    CDisplayRange entry = m_range;
    entry.mode = absorbance ? 1 : 0;
    m_undo.insert(m_undo.begin(), entry);
}

std::optional<bool> DisplayHistory::undo(bool absorbance) {
    if (m_undo.empty())
        return std::nullopt;
    m_range = m_undo.front();
    m_undo.erase(m_undo.begin());
    const bool entryAbsorbance = m_range.mode == 1;
    if (entryAbsorbance != absorbance)
        return entryAbsorbance;
    return std::nullopt;
}

void DisplayHistory::restore(const BaseScales &base) {
    m_undo.clear();
    m_range.xMin = base.xMin;
    m_range.xMax = base.xMax;
    m_range.absMin = base.absMin;
    m_range.absMax = base.absMax;
    m_range.tMin = base.tMin;
    m_range.tMax = base.tMax;
    m_range.manual = 0;
}

void DisplayHistory::fitTo(bool absorbance, const DataExtent &extent) {
    pushUndo(absorbance);
    const double across = extent.xMax - extent.xMin;
    m_range.xMin = static_cast<float>(across > 0.0 ? extent.xMin : extent.xMin - 1.0);
    m_range.xMax = static_cast<float>(across > 0.0 ? extent.xMax : extent.xMax + 1.0);
    const double span = extent.yMax - extent.yMin;
    const double flatBand = absorbance ? 0.01 : 1.0;
    const double pad = span > 0.0 ? span / 20.0 : std::max(std::fabs(extent.yMax) * 0.05, flatBand);
    m_range.setYRange(absorbance, static_cast<float>(extent.yMin - pad),
                      static_cast<float>(extent.yMax + pad));
    m_range.manual = 0;
}

std::optional<DataExtent> valuesExtent(double x0, double x1, std::span<const float> absorbances,
                                       bool absorbance) {
    std::optional<DataExtent> extent;
    for (const float value : absorbances) {
        const double shown = plottedValue(value, absorbance);
        if (!std::isfinite(shown))
            continue;
        if (!extent)
            extent = DataExtent{std::min(x0, x1), std::max(x0, x1), shown, shown};
        extent->yMin = std::min(extent->yMin, shown);
        extent->yMax = std::max(extent->yMax, shown);
    }
    return extent;
}

DataExtent merged(const DataExtent &a, const DataExtent &b) {
    return {std::min(a.xMin, b.xMin), std::max(a.xMax, b.xMax), std::min(a.yMin, b.yMin),
            std::max(a.yMax, b.yMax)};
}

void DisplayHistory::zoom(bool absorbance, double wavelength1, double wavelength2, double value1,
                          double value2) {
    pushUndo(absorbance);
    const auto [left, right] = std::minmax(wavelength1, wavelength2);
    if (right - left > 10.0) {
        m_range.xMin = static_cast<float>(left);
        m_range.xMax = static_cast<float>(right);
    }
    const auto [bottom, top] = std::minmax(value1, value2);
    if (top - bottom > (absorbance ? 0.002 : 1.0))
        m_range.setYRange(absorbance, static_cast<float>(bottom), static_cast<float>(top));
}

bool DisplayHistory::applyRangeDialog(bool absorbance, float xMin, float xMax, float yMin, float yMax,
                                      bool manual, float xInterval, float yInterval) {
    const auto [left, right] = std::minmax(xMin, xMax);
    const auto [bottom, top] = std::minmax(yMin, yMax);
    if (manual) {
        // Judged on the ranges as they will be used: a pair typed in reverse must not slip a dense
        // interval past the test, and a negative interval is refused like a zero one.
        if (intervalsTooDense(left, right, bottom, top, xInterval, yInterval))
            return false;
    }
    pushUndo(absorbance);
    m_range.xMin = left;
    m_range.xMax = right;
    m_range.setYRange(absorbance, bottom, top);
    m_range.manual = manual ? 1 : 0;
    m_range.xInterval = xInterval;
    m_range.yInterval = yInterval;
    return true;
}

bool intervalsTooDense(float xMin, float xMax, float yMin, float yMax, float xInterval, float yInterval) {
    const bool usable =
        xInterval > 0.0f && yInterval > 0.0f && std::isfinite(xInterval) && std::isfinite(yInterval);
    return !usable || std::fabs(xMax - xMin) / xInterval > 50.0f ||
           std::fabs(yMax - yMin) / yInterval > 50.0f;
}

} // namespace spectavo::scan
