#include "commands.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "core/config/atomicfile.h"
#include "core/config/profilefile.h"
#include "core/dataproc/pointcount.h"
#include "core/link/acquisition.h"
#include "core/link/stationmodel.h"
#include "core/link/storedrecords.h"
#include "core/scan/datafileformats.h"
#include "core/scan/time/kinefile.h"
#include "core/scan/wave/scansettings.h"
#include "core/scan/wave/wavefile.h"
#include "core/strings/cformat.h"
#include "core/strings/pathtext.h"
#include "outputfile.h"

namespace spectavo::cli {
namespace {

using link::Notification;
using link::NotifyKind;

std::function<bool(const Notification &)> is(NotifyKind kind, int code) {
    return [kind, code](const Notification &n) { return n.kind == kind && n.code == code; };
}

std::optional<float> numberOption(const Arguments &args, const std::string &name) {
    if (!args.has(name))
        return std::nullopt;
    std::size_t used = 0;
    const float value = strings::scanFloatC(args.get(name), &used);
    return used > 0 ? std::optional(value) : std::nullopt;
}

float currentWavelength(CliSession &session) {
    return static_cast<float>(session.link().status().currentWavelengthTenths.load()) / 10.0f;
}

std::string tristate(int value) {
    return value < 0 ? "unknown" : value == 0 ? "fault" : "ok";
}

// The directory of the instrument's store, fresh.
std::string readDirectory(CliSession &session) {
    session.window().clear();
    if (!session.link().operations().OpenCommandAcquisition(link::kFileDirectory, &session.window()))
        return "the instrument is busy with another acquisition";
    const bool complete = session.window()
                              .waitFor(is(NotifyKind::Station, link::kStationTransferDone), session.timeout())
                              .has_value();
    session.link().operations().CloseAcquisition();
    return complete ? "" : "the directory did not arrive";
}

std::optional<link::DirectoryEntry> findFile(CliSession &session, const std::string &name) {
    for (const auto &entry : session.link().fileTransfer().directory())
        if (entry.name == name)
            return entry;
    return std::nullopt;
}

// Spectra and curves arrive decoded as the windows decode them, and are written in the format the
// output's name asks for; every other record keeps its bytes, under its own extension.
std::string saveDownloaded(CliSession &session, const std::string &name,
                           std::span<const std::uint8_t> content, const std::string &output) {
    const std::optional<int> type = link::storedFileType(name);
    link::StationLink &link = session.link();
    bool incomplete = false;
    scan::DataFileContent decoded;
    if (type == 1) {
        const ProfileFile model(link::stationModelFile(link.status().modelName.get()), true);
        scan::CWaveSpectrum spectrum = scan::CWaveSpectrum::makeNew();
        if (!decodeInstrumentSpectrum(content, link.config().stepsPerNm.load(), model, spectrum, &incomplete))
            return incomplete ? link::kIncompleteFile : "the instrument's file is not a spectrum";
        decoded.spectrum = std::move(spectrum);
    } else if (type == 2) {
        scan::CKineSpectrum curve;
        if (!decodeInstrumentCurve(content, link.config().stepsPerNm.load(), link.config().beamType.load(),
                                   curve, &incomplete))
            return incomplete ? link::kIncompleteFile : "the instrument's file is not a time scan";
        decoded.curve = std::move(curve);
    }
    if (decoded.spectrum || decoded.curve)
        return scan::writeDataFile(decoded, output);
    if (type && !link::storedRecordComplete(*type, content))
        return link::kIncompleteFile;
    const std::string extension = strings::lowerExtension(name);
    if (strings::lowerExtension(output) != extension)
        return "a ." + extension + " file from the instrument keeps its bytes and is saved under a ." +
               extension + " name";
    const std::string bytes(reinterpret_cast<const char *>(content.data()), content.size());
    return writeFileAtomically(output, bytes) ? "" : "cannot write " + output;
}

} // namespace

std::string selectCellOption(CliSession &session, const Arguments &args) {
    if (!args.has("--cell"))
        return "";
    Arguments cell;
    cell.words.push_back(args.get("--cell"));
    Report ignored;
    return cellCommand(session, cell, ignored);
}

std::string Arguments::get(const std::string &option, const std::string &fallback) const {
    const auto found = options.find(option);
    return found == options.end() ? fallback : found->second;
}

std::string statusCommand(CliSession &session, const Arguments &, Report &report) {
    link::StationLink &station = session.link();
    const link::StationStatus &status = station.status();
    const link::StationConfig &config = station.config();
    report.boolean("linked", status.linkOnline.load() == 1);
    report.text("model", status.modelName.get());
    report.text("serial", status.serialText.get());
    report.text("version", status.versionText.get());
    report.text("hardware_word", strings::formatC("0x%08X", status.hardwareWord.load()));
    report.integer("beam_type", config.beamType.load());
    report.integer("channels", config.channels.load());
    report.number("wavelength_min_nm", config.wlMinTenths.load() / 10.0, 1);
    report.number("wavelength_max_nm", config.wlMaxTenths.load() / 10.0, 1);
    report.integer("steps_per_nm", config.stepsPerNm.load());
    report.number("wavelength_nm", currentWavelength(session), 1);
    report.integer("cells", status.cellCount.load());
    report.integer("current_cell", status.currentCell.load() + 1);
    report.text("multicells", tristate(status.multicellStatus.load()));
    report.text("color_filter", tristate(status.filterStatus.load()));
    report.text("wavelength_drive", tristate(status.wavelengthDriveStatus.load()));
    report.text("adc", tristate(status.adcStatus.load()));
    report.text("d2_energy", tristate(status.d2EnergyStatus.load()));
    report.text("w_energy", tristate(status.wEnergyStatus.load()));
    report.text("wavelength_calibration", tristate(status.wavelengthCalStatus.load()));
    report.text("power", tristate(status.powerStatus.load()));
    report.boolean("sipper", status.sipperPresent.load() == 1);
    return "";
}

std::string gotoCommand(CliSession &session, const Arguments &args, Report &report) {
    std::size_t used = 0;
    const float target = args.words.empty() ? 0.0f : strings::scanFloatC(args.words[0], &used);
    if (used == 0)
        return "goto needs a wavelength in nm";
    session.window().clear();
    if (!session.link().operations().GotoWavelength(target, &session.window()))
        return "the instrument is busy with another acquisition";
    const bool arrived = session.window()
                             .waitFor(is(NotifyKind::Acquisition, link::kAcqAcknowledged), session.timeout())
                             .has_value();
    session.link().operations().CloseAcquisition();
    if (!arrived)
        return "the instrument did not reach the wavelength";
    report.number("wavelength_nm", currentWavelength(session), 1);
    return "";
}

std::string readCommand(CliSession &session, const Arguments &args, Report &report) {
    if (const std::string error = selectCellOption(session, args); !error.empty())
        return error;
    const float target = numberOption(args, "--wl").value_or(currentWavelength(session));
    std::atomic<float> blank{session.link().acquisition().blankAbsorbance.load()}, result{0.0f};
    session.window().clear();
    if (!session.link().operations().GotoAndRead(link::kModeGotoAndRead, target, &blank, &result,
                                                 &session.window()))
        return "the instrument is busy with another acquisition";
    const bool read = session.window()
                          .waitFor(is(NotifyKind::Acquisition, link::kAcqNewData), session.timeout())
                          .has_value();
    session.link().operations().CloseAcquisition();
    if (!read)
        return "no reading arrived";
    const double absorbance = result.load();
    report.number("wavelength_nm", currentWavelength(session), 1);
    report.number("absorbance", absorbance, 4);
    report.number("transmittance_percent", std::pow(10.0, 2.0 - absorbance), 2);
    return "";
}

std::string blankCommand(CliSession &session, const Arguments &, Report &report) {
    session.frame().clear();
    if (!session.link().operations().TakeBlank(&session.window()))
        return "the instrument is busy with another acquisition";
    if (!session.frame().waitFor(is(NotifyKind::Station, link::kStationBlankTaken), session.timeout())) {
        session.link().operations().CloseAcquisition();
        return "no reading arrived for the blank";
    }
    report.number("blank_absorbance", session.link().acquisition().blankAbsorbance.load(), 4);
    return "";
}

// Waits for the scan's end while points keep coming. A scan whose link goes offline, or that receives
// nothing for the give-up time, ends at once with the reason, never after its whole duration.
std::string waitForScanEnd(CliSession &session, ScanBuffer &spectrum, std::size_t count) {
    using namespace std::chrono_literals;
    const auto quiet = std::chrono::milliseconds(5000); // the link's give-up time
    auto lastChange = std::chrono::steady_clock::now();
    int lastArrived = -1;
    const bool progress = isatty(fileno(stderr)) != 0;
    for (;;) {
        if (session.window().waitFor(is(NotifyKind::Acquisition, link::kAcqFinished), 200ms))
            break;
        if (session.link().status().linkOnline.load() != 1)
            return "the link to the instrument went away during the scan";
        const int arrived = spectrum.arrived();
        const auto now = std::chrono::steady_clock::now();
        if (arrived != lastArrived) {
            lastArrived = arrived;
            lastChange = now;
            if (progress)
                std::fprintf(stderr, "\r%d of %zu points", arrived, count);
        } else if (now - lastChange > quiet) {
            return "the instrument stopped sending the scan";
        }
    }
    if (progress)
        std::fprintf(stderr, "\r%zu of %zu points\n", static_cast<std::size_t>(std::max(lastArrived, 0)),
                     count);
    return "";
}

std::string scanCommand(CliSession &session, const Arguments &args, Report &report) {
    if (const std::string error = selectCellOption(session, args); !error.empty())
        return error;
    const ProfileFile file(scan::ScanSettings::kFileName, true);
    scan::ScanSettings settings;
    settings.load(file);
    settings.high = numberOption(args, "--from").value_or(settings.high);
    settings.low = numberOption(args, "--to").value_or(settings.low);
    if (settings.high < settings.low)
        std::swap(settings.high, settings.low);
    // Checked before the link was made: whole numbers within the tables.
    if (args.has("--step-index"))
        settings.stepIndex = strings::scanIntC(args.get("--step-index"));
    if (args.has("--filter-index"))
        settings.filterIndex = strings::scanIntC(args.get("--filter-index"));
    const float step = scan::ScanSettings::stepNm(file, settings.stepIndex);
    const int filter = scan::ScanSettings::filterCode(file, settings.filterIndex);
    settings.adjustLowEnd(step);

    const std::string kind = args.get("--kind", "absorbance");
    const int dataKind = kind == "energy" ? link::kScanEnergies
                         : kind == "slit" ? link::kScanSampleEnergy
                                          : link::kScanAbsorbance;
    if (kind != "absorbance" && kind != "baseline" && kind != "energy" && kind != "slit")
        return "unknown scan kind '" + kind + "' (absorbance, baseline, energy or slit)";
    const std::size_t count = dataproc::spectrumPointCount(settings.low, settings.high, step);
    if (count == 0)
        return "the scan range and step hold no points";
    if (!session.link().operations().SendScanSetup(settings.high, settings.low, step,
                                                   static_cast<std::uint8_t>(filter)))
        return "the instrument is busy with another acquisition";

    ScanBuffer spectrum(count, settings.low, step);
    session.window().clear();
    if (!session.link().operations().StartScan(dataKind, &spectrum, nullptr, &session.window()))
        return "the instrument is busy with another acquisition";
    const std::string stalled = waitForScanEnd(session, spectrum, count);
    // Closing (or stopping) waits for any decode still writing into the buffer, which dies here.
    if (!stalled.empty())
        session.link().operations().StopMeasurement();
    else
        session.link().operations().CloseAcquisition();
    const int missing = static_cast<int>(count) - spectrum.arrived();
    const std::string failure = !stalled.empty() ? stalled
                                : missing > 0
                                    ? strings::formatC(link::kPointsMissing, missing, static_cast<int>(count))
                                    : std::string{};

    // A point that never arrived is an empty cell: nothing that reads the file takes it for data.
    std::string csv = "wavelength_nm,absorbance\n";
    std::vector<double> wavelengths, values;
    for (std::size_t i = 0; i < count; ++i) {
        wavelengths.push_back(settings.low + static_cast<double>(step) * static_cast<double>(i));
        const float value = spectrum.points()[i];
        values.push_back(std::isnan(value) ? 0.0 : value);
        csv += std::isnan(value) ? strings::formatC("%.1f,\n", wavelengths.back())
                                 : strings::formatC("%.1f,%.6f\n", wavelengths.back(), values.back());
    }
    const std::string output = measuredOutputPath(args.get("-o"), failure.empty());
    if (!output.empty() && (failure.empty() || spectrum.arrived() > 0)) {
        if (!writeFileAtomically(output, csv))
            return "cannot write " + output;
        report.text("file", output);
        if (!failure.empty())
            std::fprintf(stderr, "spectavo-cli: what was measured is in %s\n", output.c_str());
    }
    report.number("from_nm", settings.high, 1);
    report.number("to_nm", settings.low, 1);
    report.number("step_nm", step, 2);
    report.integer("points", static_cast<long long>(count));
    if (args.get("-o").empty() && args.has("--json")) {
        report.numbers("wavelength_nm", wavelengths, 1);
        report.numbers("absorbance", values, 6);
    } else if (args.get("-o").empty()) {
        report.lines("csv", csv);
    }
    // What was measured is written first; a scan with holes is still not a success.
    return failure;
}

std::string cellCommand(CliSession &session, const Arguments &args, Report &report) {
    const int cell = args.words.empty() ? 0 : strings::scanIntC(args.words[0]);
    const int cells = session.link().status().cellCount.load();
    if (cells < 1)
        return "the instrument did not report its cell changer";
    if (cell < 1 || cell > cells)
        return strings::formatC("cell must be 1 to %d", cells);
    session.window().clear();
    if (!session.link().operations().OpenAcquisition(&session.window(), link::kModeNone))
        return "the instrument is busy with another acquisition";
    session.link().operations().RequestCell(static_cast<std::uint8_t>(cell - 1));
    const bool arrived = session.window()
                             .waitFor(is(NotifyKind::Acquisition, link::kAcqCellReached), session.timeout())
                             .has_value();
    session.link().operations().CloseAcquisition();
    if (!arrived)
        return "the cell changer did not report the cell";
    report.integer("cell", session.link().status().currentCell.load() + 1);
    return "";
}

std::string darkCommand(CliSession &session, const Arguments &, Report &report) {
    session.window().clear();
    if (!session.link().operations().OpenCommandAcquisition(link::kReadDarkCurrent, &session.window()))
        return "the instrument is busy with another acquisition";
    const bool done = session.window()
                          .waitFor(
                              [](const Notification &n) {
                                  return n.kind == NotifyKind::Station && n.code == link::kStationOperation &&
                                         n.value == link::kOperationFinished;
                              },
                              session.timeout())
                          .has_value();
    session.link().operations().CloseAcquisition();
    if (!done)
        return "the dark current table did not arrive";
    const link::StationStatus &status = session.link().status();
    std::vector<std::vector<Report::Field>> rows;
    for (int level = 0; level < status.darkLevelCount.load() && level < 20; ++level)
        rows.push_back(
            {Report::numberField("level", level, 0),
             Report::numberField("sample", status.darkSample[static_cast<std::size_t>(level)].load(), 0),
             Report::numberField("reference", status.darkReference[static_cast<std::size_t>(level)].load(),
                                 0)});
    report.list("dark_current", std::move(rows));
    return "";
}

std::string filesCommand(CliSession &session, const Arguments &args, Report &report) {
    if (const std::string error = readDirectory(session); !error.empty())
        return error;
    const int type = args.has("--type") ? strings::scanIntC(args.get("--type")) : -1; // checked: 0 .. 7
    std::vector<link::DirectoryEntry> entries = type >= 0 ? session.link().fileTransfer().entriesOfType(type)
                                                          : session.link().fileTransfer().directory();
    std::vector<std::vector<Report::Field>> rows;
    for (const auto &entry : entries)
        rows.push_back(
            {Report::textField("name", entry.name),
             Report::textField("handle", strings::formatC("%02X%02X", entry.handle[0], entry.handle[1]))});
    report.list("files", std::move(rows));
    return "";
}

std::string downloadCommand(CliSession &session, const Arguments &args, Report &report) {
    if (args.words.empty() || !args.has("-o"))
        return "download needs a file name and -o FILE";
    if (const std::string error = readDirectory(session); !error.empty())
        return error;
    const std::optional<link::DirectoryEntry> entry = findFile(session, args.words[0]);
    if (!entry)
        return "the instrument holds no file named " + args.words[0];
    if (const std::string problem = outputProblem(args.get("-o"), {}); !problem.empty())
        return problem;
    session.window().clear();
    if (!session.link().operations().OpenWordAcquisition(link::kFileOpen, entry->handle[0], entry->handle[1],
                                                         &session.window()))
        return "the instrument is busy with another acquisition";
    const bool complete = session.window()
                              .waitFor(is(NotifyKind::Station, link::kStationTransferDone), session.timeout())
                              .has_value();
    session.link().operations().CloseAcquisition();
    if (!complete)
        return "the file did not arrive";
    const link::FileTransfer &transfer = session.link().fileTransfer();
    if (transfer.conversionRefused())
        return "the file is in an older layout that cannot be converted";
    const auto content = transfer.content().first(transfer.contentBytes());
    if (const std::string problem = saveDownloaded(session, entry->name, content, args.get("-o"));
        !problem.empty())
        return problem;
    report.text("file", args.get("-o"));
    report.integer("bytes", static_cast<long long>(content.size()));
    return "";
}

std::string deleteCommand(CliSession &session, const Arguments &args, Report &report) {
    if (args.words.empty())
        return "delete needs a file name";
    // Listed twice: a delete goes out only for a name whose handle both listings agree on.
    if (const std::string error = readDirectory(session); !error.empty())
        return error;
    const std::vector<link::DirectoryEntry> first = session.link().fileTransfer().directory();
    if (!findFile(session, args.words[0]))
        return "the instrument holds no file named " + args.words[0];
    if (const std::string error = readDirectory(session); !error.empty())
        return error;
    const auto handle =
        link::confirmedHandle(first, session.link().fileTransfer().directory(), args.words[0]);
    if (!handle)
        return "the instrument's listings of " + args.words[0] + " do not agree; nothing was deleted";
    if (!session.link().operations().OpenWordAcquisition(link::kFileDelete, (*handle)[0], (*handle)[1],
                                                         &session.window()))
        return "the instrument is busy with another acquisition";
    session.link().operations().CloseAcquisition();
    report.text("deleted", args.words[0]);
    return "";
}

} // namespace spectavo::cli
