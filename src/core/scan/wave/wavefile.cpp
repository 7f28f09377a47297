#include "core/scan/wave/wavefile.h"

#include <cmath>

#include "core/config/atomicfile.h"
#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "core/link/bytes.h"
#include "core/scan/scanfileskeleton.h"
#include "core/scan/scanfiletext.h"
#include "core/strings/cformat.h"

namespace spectavo::scan {
namespace {

constexpr const char *kSettings = "..\\config\\tarvesta.zav.func.wavescan.ini";

std::string headerText(const CWaveSpectrum &spectrum) {
    std::string header = "Time:" + spectrum.dateText() + "\r\n";
    header += strings::formatC("Lamp:%d\r\n", spectrum.lamp);
    header += strings::formatC("SLIT:%f\r\n", static_cast<double>(spectrum.slit));
    header += strings::formatC("Xmax->Xmin: %f -> %f\r\n", static_cast<double>(spectrum.end),
                               static_cast<double>(spectrum.start));
    header += strings::formatC("Step:%f\r\n", static_cast<double>(spectrum.step));
    header += strings::formatC("Filter:%d\r\n", spectrum.filter);
    return header;
}

} // namespace

namespace {

std::string spectrumText(const CWaveSpectrum &spectrum, bool withHeader, const std::string &sampleName,
                         const std::string &memo) {
    std::string text = withHeader ? headerText(spectrum) : std::string{};
    const std::size_t count = spectrum.pointCount();
    const std::span<const float> points(spectrum.points().data(), std::min(count, spectrum.points().size()));
    scanfile::appendDataLines(text, points, spectrum.start, spectrum.step);
    return text + scanfile::extendedSections(sampleName, spectrum, memo).serialize();
}

} // namespace

std::string spectrumFileText(const CWaveSpectrum &spectrum) {
    return spectrumText(spectrum, true, spectrum.sampleName(), encodeMemo(spectrum.memo));
}

bool writeSpectrumFile(CWaveSpectrum &spectrum, const std::string &path, MemoUse memoUse) {
    const std::string sampleName = scanfile::savedSampleName(spectrum, path);
    const std::string memo = encodeMemo(spectrum.memo);
    const std::string text = spectrumText(spectrum, !scanfile::hasTxtExtension(path), sampleName, memo);
    if (!writeFileAtomically(path, text))
        return false;
    scanfile::recordSaved(spectrum, sampleName, memo, memoUse, kSettings);
    spectrum.modified = false;
    return true;
}

bool readSpectrumFile(const std::string &path, CWaveSpectrum &spectrum, std::size_t *pointsInFile) {
    const std::optional<std::string> text = scanfile::readWholeFile(path);
    if (!text)
        return false;
    scanfile::LineReader reader(*text);
    CWaveSpectrum loaded = spectrum;
    scanfile::HeaderFields header(reader, loaded);
    loaded.lamp = scanfile::intAfter(header.next(), "Lamp:").value_or(0);
    loaded.slit = scanfile::floatAfter(header.next(), "SLIT:").value_or(0.0f);
    const std::string_view range = header.next();
    loaded.end = scanfile::floatAfter(range, "Xmax->Xmin:").value_or(0.0f);
    if (const std::size_t arrow = range.find("->", 11); arrow != std::string_view::npos)
        loaded.start = scanfile::leadingFloat(range.substr(arrow + 2)).value_or(0.0f);
    loaded.step = scanfile::floatAfter(header.next(), "Step:").value_or(0.0f);
    loaded.filter = static_cast<std::uint8_t>(scanfile::intAfter(header.next(), "Filter:").value_or(0));
    if (!loaded.allocatePoints())
        return false;
    const std::size_t supplied = scanfile::readDataLines(header.rest(), reader, loaded.points());
    if (pointsInFile)
        *pointsInFile = supplied;

    loaded.name = scanfile::fileNameOf(path);
    loaded.memo = scanfile::readExtended(scanfile::sectionsOf(*text), loaded);
    loaded.modified = false;
    loaded.acquiring = false;
    spectrum = std::move(loaded);
    return true;
}

std::string spectrumTableText(const CWaveSpectrum &spectrum) {
    std::string text = " WL        Abs       T%\r\n";
    const std::size_t count = std::min(spectrum.pointCount(), spectrum.points().size());
    for (std::size_t i = 0; i < count; ++i) {
        text +=
            scanfile::absorbanceTableRow(static_cast<double>(spectrum.wavelengthAt(i)), spectrum.points()[i]);
    }
    return text;
}

bool exportSpectrumTable(const CWaveSpectrum &spectrum, const std::string &path) {
    return writeFileAtomically(path, spectrumTableText(spectrum));
}

std::optional<float> decodeInstrumentSpectrum(std::span<const std::uint8_t> content, int stepsPerNm,
                                              const ProfileStore &stationModel, CWaveSpectrum &spectrum,
                                              bool *incomplete) {
    if (incomplete)
        *incomplete = false;
    if (content.size() < 90 || stepsPerNm <= 0)
        return std::nullopt;
    CWaveSpectrum decoded = spectrum;
    std::string name;
    for (std::size_t i = 0; i < 13 && content[i] != 0; ++i)
        name += static_cast<char>(content[i]);
    decoded.name = name;
    decoded.setSampleName(name);
    decoded.setDateText(strings::formatC("20%02d/%02d/%02d %02d:%02d:%02d", content[19], content[18],
                                         content[17], content[16], content[15], content[14]));
    decoded.end = static_cast<float>(link::readU32(content, 25)) / static_cast<float>(stepsPerNm);
    decoded.start = static_cast<float>(link::readU32(content, 29)) / static_cast<float>(stepsPerNm);
    decoded.step = strings::scanFloatC(stationModel.GetStringAt("WaveScan", "Step", content[33], "1.0"));
    decoded.filter = static_cast<std::uint8_t>(stationModel.GetIntAt("WaveScan", "Time", content[34], 5));
    const float threshold = link::readFloat(content, 35);
    if (!decoded.allocatePoints())
        return std::nullopt;
    // A record cut short on the line lacks points of its own grid: never shown as data. A longer one is
    // read as far as its grid goes; what follows the points is not part of the spectrum.
    if (content.size() < 90 + 4 * decoded.points().size()) {
        if (incomplete)
            *incomplete = true;
        return std::nullopt;
    }
    const std::size_t available = (content.size() - 90) / 4;
    for (std::size_t i = 0; i < decoded.points().size() && i < available; ++i)
        decoded.points()[i] = link::readFloat(content, 90 + 4 * i);
    decoded.lamp = 255;
    decoded.slit = 0.0f;
    decoded.modified = true;
    decoded.nextIndex = -1;
    spectrum = std::move(decoded);
    return threshold;
}

} // namespace spectavo::scan
