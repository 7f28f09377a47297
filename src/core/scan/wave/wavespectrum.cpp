#include "core/scan/wave/wavespectrum.h"

#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/dataproc/marks.h"
#include "core/dataproc/pointcount.h"
#include "core/strings/cformat.h"
#include "core/strings/stringtable.h"

namespace spectavo::scan {
namespace {

// A spectrum of more points than this comes from a damaged file or a nonsensical grid.
constexpr std::size_t kMaxSpectrumPoints = 1'000'000;

} // namespace

CWaveSpectrum CWaveSpectrum::makeNew(std::uint32_t colour) {
    CWaveSpectrum spectrum;
    spectrum.colour = colour;
    spectrum.memo = decodeMemo(ProfileFile("..\\config\\tarvesta.zav.func.wavescan.ini", true)
                                   .GetString("memo", "memo 1", "", 2000));
    spectrum.setOperatorName(
        ProfileFile(kAnalystSettingsFile, true).GetString("Spectavo", "Operator", "", 200));
    spectrum.setDateText(strings::localTimeText(strings::text(strings::kDateTimePattern), 128));
    return spectrum;
}

std::size_t CWaveSpectrum::pointCount() const {
    const std::size_t count = dataproc::spectrumPointCount(start, end, step);
    return count <= kMaxSpectrumPoints ? count : 0;
}

bool CWaveSpectrum::allocatePoints() {
    const std::size_t count = pointCount();
    if (count == 0)
        return false;
    m_points.assign(count, 0.0f);
    return true;
}

void CWaveSpectrum::recomputeMarks(float threshold) {
    if (acquiring.load())
        return;
    m_marks.assign(m_points.size(), 0);
    m_halfWidths.assign(m_points.size(), 0.0f);
    const dataproc::MarkCounts counts = dataproc::computeMarks(m_points, threshold, m_marks);
    dataproc::computeHalfWidths(m_points, m_marks, step, m_halfWidths);
    m_peakCount = counts.peaks;
    m_valleyCount = counts.valleys;
}

void CWaveSpectrum::copyAttributesFrom(const CWaveSpectrum &source) {
    name = source.name;
    colour = source.colour;
    modified = source.modified;
    start = source.start;
    end = source.end;
    step = source.step;
    filter = source.filter;
    setDateText(source.dateText());
    slit = source.slit;
    m_points.clear();
}

} // namespace spectavo::scan
