#include "core/scan/time/kinespectrum.h"

#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "core/dataproc/marks.h"
#include "core/dataproc/pointcount.h"
#include "core/dataproc/reactionrate.h"
#include "core/strings/cformat.h"
#include "core/strings/stringtable.h"

namespace spectavo {

CKineSpectrum CKineSpectrum::makeNew(std::uint32_t colour) {
    CKineSpectrum curve;
    curve.colour = colour;
    curve.memo = decodeMemo(
        ProfileFile("..\\config\\tarvesta.zav.func.kinetics.ini", true).GetString("Memo", "Memo", "", 2000));
    curve.setOperatorName(ProfileFile("..\\config\\tarvesta.zav.analyst.ini", true)
                              .GetString("Spectavo", "Operator", "Operator", 200));
    curve.setDateText(strings::localTimeText(strings::text(strings::kDateTimePattern), 128));
    return curve;
}

CKineSpectrum::CKineSpectrum(const CKineSpectrum &other) {
    *this = other;
}

CKineSpectrum &CKineSpectrum::operator=(const CKineSpectrum &other) {
    if (this == &other)
        return *this;
    count.store(other.count.load());
    drawnUpTo = other.drawnUpTo;
    name = other.name;
    memo = other.memo;
    colour = other.colour;
    modified = other.modified;
    acquiring.store(other.acquiring.load());
    wavelength = other.wavelength;
    totalTime = other.totalTime;
    step = other.step;
    lamp = other.lamp;
    slit = other.slit;
    printRate = other.printRate;
    beginTime = other.beginTime;
    endTime = other.endTime;
    factor = other.factor;
    rateResult = other.rateResult;
    r = other.r;
    m_sampleName = other.m_sampleName;
    m_operator = other.m_operator;
    m_dateText = other.m_dateText;
    m_points = other.m_points;
    m_markers = other.m_markers;
    m_peakCount = other.m_peakCount;
    m_valleyCount = other.m_valleyCount;
    return *this;
}

std::size_t CKineSpectrum::fullPointCount() const {
    return dataproc::curvePointCount(static_cast<float>(totalTime), step);
}

bool CKineSpectrum::allocatePoints() {
    const std::size_t full = fullPointCount();
    if (full == 0)
        return false;
    m_points.assign(full, 0.0f);
    return true;
}

void CKineSpectrum::recomputeMarkers(float threshold) {
    if (acquiring.load())
        return;
    m_markers.assign(m_points.size(), 0);
    const dataproc::MarkCounts counts = dataproc::computeMarks(m_points, threshold, m_markers);
    m_peakCount = counts.peaks;
    m_valleyCount = counts.valleys;
}

void CKineSpectrum::recomputeRate() {
    if (acquiring.load())
        return;
    const auto fit = dataproc::fitReactionRate(m_points, step, beginTime, endTime);
    if (!fit) {
        rateResult = 0.0f; // no rate over constant data; R keeps its value
        return;
    }
    r = fit->r;
    rateResult = dataproc::rateResult(fit->slope, factor);
}

CKineSpectrum CKineSpectrum::derivedFrom(const CKineSpectrum &source) {
    CKineSpectrum curve = makeNew(source.colour);
    curve.name = source.name;
    curve.modified = source.modified;
    curve.totalTime = source.totalTime;
    curve.step = source.step;
    curve.m_dateText = source.m_dateText;
    curve.slit = source.slit;
    return curve;
}

void CKineSpectrum::setSampleName(const std::string &text) {
    m_sampleName = text.substr(0, std::min(text.size(), kTextField));
}

void CKineSpectrum::setOperatorName(const std::string &text) {
    m_operator = text.substr(0, std::min(text.size(), kTextField));
}

void CKineSpectrum::setDateText(const std::string &text) {
    m_dateText = text.substr(0, std::min(text.size(), kDateField));
}

} // namespace spectavo
