// Arbitrary bytes as spectrum, curve, CSV and JCAMP-DX files and as instrument records: every reader
// either refuses or gives a record whose buffers match its grid.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "core/config/profilefile.h"
#include "core/scan/exchangeformats.h"
#include "core/scan/seriesconversion.h"
#include "core/scan/time/kinefile.h"
#include "core/scan/wave/wavefile.h"

namespace {

std::string scratchFile() {
    static const std::string path = "/tmp/spectavo-fuzz-scanfile-" + std::to_string(getpid());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace spectavo;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    FILE *file = std::fopen(scratchFile().c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    scan::CWaveSpectrum spectrum;
    if (readSpectrumFile(scratchFile(), spectrum) && spectrum.points().size() != spectrum.pointCount())
        std::abort();
    scan::CKineSpectrum curve;
    if (readCurveFile(scratchFile(), curve) && curve.points().size() != curve.fullPointCount())
        std::abort();
    if (const auto series = scan::parseJcamp(text)) {
        scan::CWaveSpectrum fromJcamp;
        if (fillSpectrum(*series, fromJcamp) && fromJcamp.points().size() != fromJcamp.pointCount())
            std::abort();
    }
    (void)scan::parseCsv(text);

    const std::span<const std::uint8_t> record(data, size);
    scan::CWaveSpectrum fromRecord;
    const ProfileFile noStation("/nonexistent/station.ini", false);
    if (decodeInstrumentSpectrum(record, 20, noStation, fromRecord) &&
        fromRecord.points().size() != fromRecord.pointCount())
        std::abort();
    scan::CKineSpectrum curveRecord;
    if (decodeInstrumentCurve(record, 20, size % 2 ? 0 : 2, curveRecord) &&
        curveRecord.points().size() != curveRecord.fullPointCount())
        std::abort();
    return 0;
}
