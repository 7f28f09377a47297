#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/link/acquisitiontargets.h"

namespace spectavo {

// One time-scan curve: absorbance at one wavelength at equal time steps, with its markers and its
// reaction-rate fields. The full point count follows from total time and step (fullPointCount());
// pointCount is the number of valid points (-1 for a new curve, growing while sampling).
class CKineSpectrum : public link::TimedTarget {
public:
    static constexpr std::size_t kTextField = 199;
    static constexpr std::size_t kDateField = 127;
    static constexpr const char *kDefaultSampleName = "Sample Name";

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

    void setSampleName(const std::string &text);
    void setOperatorName(const std::string &text);
    void setDateText(const std::string &text);
    const std::string &sampleName() const { return m_sampleName; }
    const std::string &operatorName() const { return m_operator; }
    const std::string &dateText() const { return m_dateText; }

    std::span<float> timedPoints() override { return m_points; }
    std::atomic<int> &pointCount() override { return count; }
    int totalTimeSeconds() const override { return totalTime; }
    float stepSeconds() const override { return step; }
    std::atomic<bool> &acquiringFlag() override { return acquiring; }
    void releasePin() override {}

    std::atomic<int> count{-1};
    int drawnUpTo = 0;
    std::string name;
    std::string memo;
    std::uint32_t colour = 255;
    bool modified = false;
    std::atomic<bool> acquiring{false};
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

    CKineSpectrum() = default;
    CKineSpectrum(const CKineSpectrum &other);
    CKineSpectrum &operator=(const CKineSpectrum &other);

private:
    std::string m_sampleName = kDefaultSampleName;
    std::string m_operator = "Operator";
    std::string m_dateText;
    std::vector<float> m_points;
    std::vector<std::int32_t> m_markers;
    int m_peakCount = 0;
    int m_valleyCount = 0;
};

} // namespace spectavo
