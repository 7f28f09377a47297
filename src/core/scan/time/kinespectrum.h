#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/link/acquisitiontargets.h"
#include "core/scan/copyableatomic.h"
#include "core/scan/recordtexts.h"

namespace spectavo::scan {

// One time-scan curve: absorbance at one wavelength at equal time steps, with its markers and its
// reaction-rate fields. The full point count follows from total time and step (fullPointCount());
// pointCount is the number of valid points (-1 for a new curve, growing while sampling).
class CKineSpectrum : public link::TimedTarget, public RecordTexts {
public:
    static CKineSpectrum makeNew(std::uint32_t colour = 255);

    std::size_t fullPointCount() const;
    bool allocatePoints();
    std::vector<float> &points() { return m_points; }
    const std::vector<float> &points() const { return m_points; }

    void recomputeMarkers(float threshold);
    // Fits the rate over [beginTime, endTime]; on a constant curve R is kept and the rate is 0.
    void recomputeRate();
    const std::vector<std::int32_t> &markers() const { return m_markers; }
    int peakCount() const { return m_peakCount; }
    int valleyCount() const { return m_valleyCount; }

    // A derived curve: a new curve that takes name, colour, modified flag, total time, step, date text
    // and slit from the source.
    static CKineSpectrum derivedFrom(const CKineSpectrum &source);

    std::span<float> timedPoints() override { return m_points; }
    std::atomic<int> &pointCount() override { return count; }
    int totalTimeSeconds() const override { return totalTime; }
    float stepSeconds() const override { return step; }
    float wavelengthNm() const override { return wavelength; }
    std::atomic<bool> &acquiringFlag() override { return acquiring; }
    void releasePin() override {}

    CopyableAtomic<int> count{-1};
    std::string name;
    std::string memo;
    std::uint32_t colour = 255;
    bool modified = false;
    CopyableAtomic<bool> acquiring{false};
    float wavelength = 656.1f;
    int totalTime = 0;
    float step = 0.0f;
    int lamp = 0;
    float slit = 0.0f;
    int printRate = 0;
    float beginTime = 0.0f;
    float endTime = 10.0f;
    float factor = 1.0f;
    float rateResult = 0.0f;
    float r = 1.0f;

    CKineSpectrum() : RecordTexts("Operator") {}

private:
    std::vector<float> m_points;
    std::vector<std::int32_t> m_markers;
    int m_peakCount = 0;
    int m_valleyCount = 0;
};

} // namespace spectavo::scan
