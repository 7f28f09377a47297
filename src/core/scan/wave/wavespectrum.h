#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/link/acquisitiontargets.h"
#include "core/scan/copyableatomic.h"
#include "core/scan/recordtexts.h"

namespace spectavo::scan {

// One recorded spectrum: absorbance at equally spaced wavelengths, with its marks. The point count is
// never stored: it follows from start, end and step (pointCount()).
class CWaveSpectrum : public link::ScanTarget, public RecordTexts {
public:
    // A new spectrum with the initial values of the settings (memo, operator, date now).
    static CWaveSpectrum makeNew(std::uint32_t colour = 255);

    std::size_t pointCount() const;
    // Allocates N zero points (N from the grid); false for a grid that holds no points.
    bool allocatePoints();
    bool hasPoints() const { return !m_points.empty(); }
    std::vector<float> &points() { return m_points; }
    const std::vector<float> &points() const { return m_points; }
    float wavelengthAt(std::size_t i) const { return start + static_cast<float>(i) * step; }

    // Marks and half widths with the program-wide threshold (nothing while acquiring).
    void recomputeMarks(float threshold);
    const std::vector<std::int32_t> &marks() const { return m_marks; }
    const std::vector<float> &halfWidths() const { return m_halfWidths; }
    int peakCount() const { return m_peakCount; }
    int valleyCount() const { return m_valleyCount; }

    // Start of a derived spectrum: name, colour, modified flag, grid, filter, date text and slit; no
    // points (the caller allocates them).
    void copyAttributesFrom(const CWaveSpectrum &source);

    // The acquisition's view of the spectrum.
    std::span<float> scanPoints() override { return m_points; }
    int gridIndex(std::uint32_t tenths) const override {
        return link::gridIndexOf(start, step, m_points.size(), tenths);
    }
    std::atomic<int> &arrivedCount() override { return arrived; }
    std::atomic<int> &fillCursor() override { return nextIndex; }
    std::atomic<bool> &acquiringFlag() override { return acquiring; }
    void releasePin() override {}

    CopyableAtomic<int> nextIndex{-1};
    // Points the instrument delivered during the scan that filled this spectrum.
    CopyableAtomic<int> arrived{0};
    std::string name;
    std::string memo;
    std::uint32_t colour = 255;
    bool modified = false;
    CopyableAtomic<bool> acquiring{false};
    float start = 0.0f;
    float end = 0.0f;
    float step = 0.0f;
    std::uint8_t filter = 0;
    int lamp = 0;
    float slit = 0.0f;

private:
    std::vector<float> m_points;
    std::vector<std::int32_t> m_marks;
    std::vector<float> m_halfWidths;
    int m_peakCount = 0;
    int m_valleyCount = 0;
};

} // namespace spectavo::scan
