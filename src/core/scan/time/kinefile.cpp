#include "core/scan/time/kinefile.h"

#include <cmath>

#include "core/config/atomicfile.h"
#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "core/link/bytes.h"
#include "core/link/linkcodes.h"
#include "core/scan/scanfileskeleton.h"
#include "core/scan/scanfiletext.h"
#include "core/strings/cformat.h"

namespace spectavo::scan {
namespace {

constexpr const char *kSettings = "..\\config\\tarvesta.zav.func.kinetics.ini";

// Instrument time-scan steps by index, in tenths of a second.
constexpr int kInstrumentSteps[] = {5, 10, 20, 50, 100, 300, 600};

std::string headerText(const CKineSpectrum &curve) {
    std::string header = "Time:" + curve.dateText() + "\r\n";
    header += strings::formatC("Lamp:%d\r\n", curve.lamp);
    header += strings::formatC("SLIT:%f\r\n", static_cast<double>(curve.slit));
    header += strings::formatC("WaveLength:%f\r\n", static_cast<double>(curve.wavelength));
    header += strings::formatC("Total Time:%d\r\n", curve.totalTime);
    header += strings::formatC("Step:%f\r\n", static_cast<double>(curve.step));
    return header;
}

std::string fixed(float value) {
    return strings::formatC("%f", static_cast<double>(value));
}

} // namespace

namespace {

std::string curveText(const CKineSpectrum &curve, bool withHeader, const std::string &sampleName,
                      const std::string &memo) {
    std::string text = withHeader ? headerText(curve) : std::string{};
    const std::size_t count = std::min(curve.fullPointCount(), curve.points().size());
    scanfile::appendDataLines(text, std::span<const float>(curve.points().data(), count), 0.0f, curve.step);
    IniDocument document = scanfile::extendedSections(sampleName, curve, memo);
    document.setValue("IU", "Valid", "1");
    document.setValue("IU", "Print", strings::formatC("%d", curve.printRate));
    document.setValue("IU", "Begin", fixed(curve.beginTime));
    document.setValue("IU", "End", fixed(curve.endTime));
    document.setValue("IU", "K", fixed(curve.factor));
    document.setValue("IU", "IU", fixed(curve.rateResult));
    document.setValue("IU", "R", fixed(curve.r));
    return text + document.serialize();
}

} // namespace

std::string curveFileText(const CKineSpectrum &curve) {
    return curveText(curve, true, curve.sampleName(), encodeMemo(curve.memo));
}

bool writeCurveFile(CKineSpectrum &curve, const std::string &path, MemoUse memoUse) {
    const std::string sampleName = scanfile::savedSampleName(curve, path);
    const std::string memo = encodeMemo(curve.memo);
    const std::string text = curveText(curve, !scanfile::hasTxtExtension(path), sampleName, memo);
    if (!writeFileAtomically(path, text))
        return false;
    scanfile::recordSaved(curve, sampleName, memo, memoUse, kSettings);
    curve.modified = false;
    return true;
}

bool readCurveFile(const std::string &path, CKineSpectrum &curve, std::size_t *pointsInFile) {
    const std::optional<std::string> text = scanfile::readWholeFile(path);
    if (!text)
        return false;
    scanfile::LineReader reader(*text);
    CKineSpectrum loaded = curve;
    scanfile::HeaderFields header(reader, loaded);
    loaded.lamp = scanfile::intAfter(header.next(), "Lamp:").value_or(0);
    loaded.slit = scanfile::floatAfter(header.next(), "SLIT:").value_or(0.0f);
    loaded.wavelength = scanfile::floatAfter(header.next(), "WaveLength:").value_or(0.0f);
    loaded.totalTime = scanfile::intAfter(header.next(), "Total Time:").value_or(0);
    loaded.step = scanfile::floatAfter(header.next(), "Step:").value_or(0.0f);
    if (!loaded.allocatePoints())
        return false;
    const std::size_t supplied = scanfile::readDataLines(header.rest(), reader, loaded.points());
    if (pointsInFile)
        *pointsInFile = supplied;
    loaded.count = static_cast<int>(loaded.points().size());

    loaded.name = scanfile::fileNameOf(path);
    const IniDocument sections = scanfile::sectionsOf(*text);
    loaded.memo = scanfile::readExtended(sections, loaded);
    if (strings::scanIntC(sections.value("IU", "Valid").value_or("0")) != 0) {
        auto number = [&sections](const char *key) {
            return strings::scanFloatC(sections.value("IU", key).value_or("1").substr(0, 49));
        };
        loaded.printRate = strings::scanIntC(sections.value("IU", "Print").value_or("0"));
        loaded.beginTime = number("Begin");
        loaded.endTime = number("End");
        loaded.factor = number("K");
        loaded.rateResult = number("IU");
        loaded.r = number("R");
    }
    loaded.modified = false;
    loaded.acquiring = false;
    curve = std::move(loaded);
    return true;
}

std::string curveTableText(const CKineSpectrum &curve) {
    std::string text = " Time      Abs       T%\r\n";
    const std::size_t count = std::min(curve.fullPointCount(), curve.points().size());
    for (std::size_t i = 0; i < count; ++i) {
        text += scanfile::absorbanceTableRow(static_cast<double>(static_cast<float>(i) * curve.step),
                                             curve.points()[i]);
    }
    return text;
}

bool exportCurveTable(const CKineSpectrum &curve, const std::string &path) {
    return writeFileAtomically(path, curveTableText(curve));
}

bool decodeInstrumentCurve(std::span<const std::uint8_t> content, int stepsPerNm, int beamType,
                           CKineSpectrum &curve, bool *incomplete) {
    if (incomplete)
        *incomplete = false;
    const std::size_t dataOffset = beamType == link::kSingleBeam ? 92 : 96;
    if (content.size() < dataOffset || stepsPerNm <= 0 || content[22] >= std::size(kInstrumentSteps))
        return false;
    CKineSpectrum decoded = curve;
    std::string name;
    for (std::size_t i = 0; i < 8 && content[i] != 0; ++i)
        name += static_cast<char>(content[i]);
    decoded.name = name;
    decoded.setSampleName(name);
    decoded.setDateText(strings::formatC("20%02d/%02d/%02d %02d:%02d:%02d", content[13], content[12],
                                         content[11], content[10], content[9], content[8]));
    decoded.wavelength = static_cast<float>(link::readU32(content, 16)) / static_cast<float>(stepsPerNm);
    decoded.totalTime = link::readU16(content, 20);
    decoded.step = static_cast<float>(kInstrumentSteps[content[22]]) / 10.0f;
    // The flag is used as stored, not byte-reversed.
    const int flag = content[43] | (content[44] << 8);
    if (flag != 0) {
        decoded.beginTime = link::readU16(content, 27);
        decoded.endTime = link::readU16(content, 29);
        decoded.factor = link::readFloat(content, 31);
        decoded.printRate = flag;
        decoded.rateResult = link::readFloat(content, 39) * decoded.factor * 60.0f;
    }
    if (!decoded.allocatePoints())
        return false;
    // Only a shorter record is incomplete; the instrument may send more than the grid's points.
    if (content.size() < dataOffset + 4 * decoded.points().size()) {
        if (incomplete)
            *incomplete = true;
        return false;
    }
    const std::size_t available = (content.size() - dataOffset) / 4;
    for (std::size_t i = 0; i < decoded.points().size() && i < available; ++i)
        decoded.points()[i] = link::readFloat(content, dataOffset + 4 * i);
    decoded.count = static_cast<int>(decoded.points().size());
    decoded.lamp = 255;
    decoded.slit = 0.0f;
    decoded.modified = true;
    curve = std::move(decoded);
    return true;
}

} // namespace spectavo::scan
