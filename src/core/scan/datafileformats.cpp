#include "core/scan/datafileformats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/config/atomicfile.h"
#include "core/scan/exchangeformats.h"
#include "core/scan/scanfiletext.h"
#include "core/scan/seriesconversion.h"
#include "core/scan/time/kinefile.h"
#include "core/scan/wave/wavefile.h"
#include "core/strings/cformat.h"
#include "core/strings/pathtext.h"
#include "core/strings/translation.h"

namespace spectavo::scan {
namespace {

std::string readSpectrum(const std::string &path, DataFileContent &content) {
    CWaveSpectrum spectrum = CWaveSpectrum::makeNew();
    if (!readSpectrumFile(path, spectrum, &content.pointsInFile))
        return "cannot read " + path + " as a spectrum file";
    content.pointsExpected = spectrum.points().size();
    content.spectrum = std::move(spectrum);
    return "";
}

std::string readCurve(const std::string &path, DataFileContent &content) {
    CKineSpectrum curve;
    if (!readCurveFile(path, curve, &content.pointsInFile))
        return "cannot read " + path + " as a time-scan file";
    content.pointsExpected = curve.points().size();
    content.curve = std::move(curve);
    return "";
}

// Spectra and curves are both stored in the native layouts; a ".txt" name gives the data lines alone.
std::string writeNative(DataFileContent &content, const std::string &path) {
    // A conversion is not the operator's own save: the settings' memo stays as it is.
    const bool written = content.spectrum
                             ? writeSpectrumFile(*content.spectrum, path, MemoUse::LeaveSettings)
                             : content.curve && writeCurveFile(*content.curve, path, MemoUse::LeaveSettings);
    return written ? "" : "cannot write " + path;
}

std::string writeSpectrumOnly(DataFileContent &content, const std::string &path) {
    if (!content.spectrum)
        return "a curve cannot be written as '" + path + "'";
    return writeNative(content, path);
}

std::string writeCurveOnly(DataFileContent &content, const std::string &path) {
    if (!content.curve)
        return "a spectrum cannot be written as '" + path + "'";
    return writeNative(content, path);
}

std::string fromSeries(const std::string &path, const std::optional<EvenSeries> &series,
                       const std::string &error, DataFileContent &content) {
    if (!series)
        return path + ": " + error;
    if (series->timeAxis) {
        CKineSpectrum curve;
        if (!fillCurve(*series, curve))
            return path + ": the times do not start at 0 in whole seconds";
        content.curve = std::move(curve);
    } else {
        CWaveSpectrum spectrum;
        if (!fillSpectrum(*series, spectrum))
            return path + ": the wavelengths do not form a spectrum's grid";
        content.spectrum = std::move(spectrum);
    }
    return "";
}

template <auto Parse>
std::string readExchange(const std::string &path, DataFileContent &content) {
    const auto text = scanfile::readWholeFile(path);
    if (!text)
        return "cannot read " + path;
    std::string error;
    const auto series = Parse(*text, &error);
    return fromSeries(path, series, error, content);
}

EvenSeries seriesOfContent(const DataFileContent &content) {
    return content.spectrum ? seriesOf(*content.spectrum) : seriesOf(*content.curve);
}

// The Abs/T% table an operator exports for a spreadsheet, unlike the bare data lines of a conversion.
std::string writeAbsorbanceTable(DataFileContent &content, const std::string &path) {
    const bool written = content.spectrum ? exportSpectrumTable(*content.spectrum, path)
                                          : content.curve && exportCurveTable(*content.curve, path);
    return written ? "" : "cannot write " + path;
}

std::string writeCsv(DataFileContent &content, const std::string &path) {
    return writeFileAtomically(path, csvText(seriesOfContent(content))) ? "" : "cannot write " + path;
}

std::string writeJcamp(DataFileContent &content, const std::string &path) {
    return writeFileAtomically(path, jcampText(seriesOfContent(content))) ? "" : "cannot write " + path;
}

} // namespace

std::string DataFileContent::shortFileNote() const {
    if (pointsInFile >= pointsExpected)
        return "";
    return strings::formatC(scanfile::kShortFile, static_cast<int>(pointsInFile),
                            static_cast<int>(pointsExpected));
}

const std::vector<DataFileFormat> &dataFileFormats() {
    static const std::vector<DataFileFormat> formats = {
        {"spectrum",
         {"sca"},
         SPECTAVO_TEXT("wavelength scan spectra(*.sca)"),
         readSpectrum,
         writeSpectrumOnly},
        {"older spectrum", {"wav"}, SPECTAVO_TEXT("Previous Data Format(*.wav)"), readSpectrum, nullptr},
        {"time scan", {"kin"}, SPECTAVO_TEXT("kinetics analysis spectra(*.kin)"), readCurve, writeCurveOnly},
        {"data lines", {"txt"}, SPECTAVO_TEXT("Text file(*.txt)"), nullptr, writeNative},
        {"Abs/T% table",
         {"txt"},
         SPECTAVO_TEXT("Text file(*.txt)"),
         nullptr,
         writeAbsorbanceTable,
         SPECTAVO_TEXT("&Export")},
        {"CSV",
         {"csv"},
         SPECTAVO_TEXT("Comma-separated values(*.csv)"),
         readExchange<parseCsv>,
         writeCsv,
         SPECTAVO_TEXT("Export as CSV...")},
        {"JCAMP-DX",
         {"jdx", "dx"},
         SPECTAVO_TEXT("JCAMP-DX spectra(*.jdx *.dx)"),
         readExchange<parseJcamp>,
         writeJcamp,
         SPECTAVO_TEXT("Export as JCAMP-DX...")},
    };
    return formats;
}

std::vector<const DataFileFormat *> exportFormats() {
    std::vector<const DataFileFormat *> formats;
    for (const DataFileFormat &format : dataFileFormats())
        if (format.exportText && format.write)
            formats.push_back(&format);
    return formats;
}

const DataFileFormat *dataFileFormatFor(const std::string &path) {
    const std::string extension = strings::lowerExtension(path);
    for (const DataFileFormat &format : dataFileFormats())
        if (std::find(format.extensions.begin(), format.extensions.end(), extension) !=
            format.extensions.end())
            return &format;
    return nullptr;
}

std::string exportFileName(const std::string &name, const std::string &extension) {
    const std::size_t dot = name.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && dot > 0 && name.find_first_of("/\\", dot) == std::string::npos;
    return (hasExtension ? name.substr(0, dot) : name) + "." + extension;
}

std::string readableExtensions() {
    std::string list;
    for (const DataFileFormat &format : dataFileFormats())
        if (format.read)
            for (const std::string &extension : format.extensions)
                list += (list.empty() ? "." : ", .") + extension;
    return list;
}

std::string readDataFile(const std::string &path, DataFileContent &content) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored))
        return "no such file: " + path;
    const DataFileFormat *format = dataFileFormatFor(path);
    if (!format || !format->read)
        return "unknown file kind '" + path + "' (" + readableExtensions() + ")";
    return format->read(path, content);
}

std::string writeDataFile(DataFileContent &content, const std::string &path) {
    const DataFileFormat *format = dataFileFormatFor(path);
    if (format && !format->write)
        return std::string("the ") + format->name + " layout is read only";
    if (!format)
        return "cannot write " + std::string(content.spectrum ? "a spectrum" : "a curve") + " as '" + path +
               "'";
    return format->write(content, path);
}

} // namespace spectavo::scan
