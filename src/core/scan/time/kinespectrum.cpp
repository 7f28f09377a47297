#include "core/scan/time/kinespectrum.h"

#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/dataproc/marks.h"
#include "core/dataproc/pointcount.h"
#include "core/dataproc/reactionrate.h"
#include "core/strings/cformat.h"
#include "core/strings/stringtable.h"

namespace spectavo::scan {

CKineSpectrum CKineSpectrum::makeNew(std::uint32_t colour) {
    CKineSpectrum curve;
    curve.colour = colour;
    curve.memo = decodeMemo(
        ProfileFile("..\\config\\tarvesta.zav.func.kinetics.ini", true).GetString("Memo", "Memo", "", 2000));
    curve.setOperatorName(
        ProfileFile(kAnalystSettingsFile, true).GetString("Spectavo", "Operator", "Operator", 200));
    curve.setDateText(strings::localTimeText(strings::text(strings::kDateTimePattern), 128));
    return curve;
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
    curve.setDateText(source.dateText());
    curve.slit = source.slit;
    return curve;
}

} // namespace spectavo::scan
