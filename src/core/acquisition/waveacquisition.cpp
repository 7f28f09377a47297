#include "core/acquisition/waveacquisition.h"

#include <algorithm>

#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "core/dataproc/pointcount.h"
#include "core/link/linkcodes.h"
#include "core/scan/chartstyle.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo {
namespace {

constexpr const char *kFinished = "Finish scanning the sample, please continue your work.";
constexpr const char *kBroken = "Wavelength scanning has been broken.";
constexpr const char *kAutorunComplete = "Complete auto run.";

// A cell name of the changer is 18 characters; all blanks means the operator gave none.
bool blankCellName(const std::string &name) {
    return name.empty() || std::all_of(name.begin(), name.end(), [](char c) { return c == ' '; });
}

} // namespace

std::string deconflictedScanName(const scan::RecordList<scan::CWaveSpectrum> &spectra, std::string name,
                                 const std::string &suffix) {
    for (std::size_t i = spectra.size(); i-- > 1;)
        if (spectra.at(i).name == name)
            name += suffix;
    return name;
}

WaveAcquisition::WaveAcquisition(Program program, scan::RecordList<scan::CWaveSpectrum> &spectra,
                                 link::NotifyTarget *window, WaveAcquisitionView &view)
    : m_program(program), m_spectra(spectra), m_window(window), m_view(view) {}

bool WaveAcquisition::instrumentReady() const {
    const link::StationStatus &status = m_program.link.status();
    return status.linkOnline.load() == 1 && status.stationReady.load() != 0 &&
           m_program.flags.lampStable != 0 && !m_program.link.acquisition().open.load() &&
           m_program.flags.autorunActive == 0;
}

bool WaveAcquisition::scanning() const {
    return m_target != nullptr;
}

std::optional<std::string> WaveAcquisition::refusalFor(float high, float low, float step) {
    const std::size_t points = dataproc::spectrumPointCount(low, high, step);
    if (points <= kMaxScanPoints)
        return std::nullopt;
    return strings::formatC(
        "A scan from %.1f nm to %.1f nm in steps of %g nm has %zu points; at most %zu can be "
        "scanned. Choose a larger step or a narrower range.",
        static_cast<double>(high), static_cast<double>(low), static_cast<double>(step), points,
        kMaxScanPoints);
}

bool WaveAcquisition::sendScanParameters() {
    return sendParameters().has_value();
}

std::optional<WaveAcquisition::Grid> WaveAcquisition::sendParameters() {
    scan::ScanSettings &settings = m_program.shared.scan;
    const ProfileFile file(scan::ScanSettings::kFileName, true);
    const float step = scan::ScanSettings::stepNm(file, settings.stepIndex);
    const int filter = scan::ScanSettings::filterCode(file, settings.filterIndex);
    settings.adjustLowEnd(step);
    // The reference holds 20,000 values and a corrected scan reads one per point: a longer scan would
    // read past it, so it is refused before the instrument hears of it.
    if (const std::optional<std::string> refusal = refusalFor(settings.high, settings.low, step)) {
        m_view.refuse(*refusal);
        return std::nullopt;
    }
    scan::CWaveSpectrum &baseline = *m_program.shared.baseline;
    const scan::BaselineGrid reference{baseline.start, baseline.end, baseline.step, baseline.filter};
    if (!settings.baselineMatches(reference, step, filter))
        std::fill(baseline.points().begin(), baseline.points().end(), 0.0f);
    if (!m_program.link.operations().SendScanSetup(settings.high, settings.low, step,
                                                   static_cast<std::uint8_t>(filter)))
        return std::nullopt;
    return Grid{step, filter};
}

scan::CWaveSpectrum &WaveAcquisition::insertScanSpectrum(std::uint32_t colour, const Grid &grid) {
    auto spectrum = std::make_unique<scan::CWaveSpectrum>(scan::CWaveSpectrum::makeNew(colour));
    spectrum->acquiring = true;
    spectrum->end = m_program.shared.scan.high;
    spectrum->start = m_program.shared.scan.low;
    spectrum->step = grid.step;
    spectrum->filter = static_cast<std::uint8_t>(grid.filter);
    return m_spectra.insertFront(std::move(spectrum));
}

// The fill cursors start at the last point: the instrument scans from the high end down.
static void prepareForScan(scan::CWaveSpectrum &spectrum) {
    spectrum.allocatePoints();
    const int last = static_cast<int>(spectrum.pointCount()) - 1;
    spectrum.nextIndex = last;
}

bool WaveAcquisition::startOnLink(int kind, scan::CWaveSpectrum *target, scan::CWaveSpectrum *second) {
    link::StationLink &link = m_program.link;
    const bool wasOpen = link.acquisition().open.load();
    if (link.operations().StartScan(kind, target, second, m_window)) {
        m_target = target;
        m_startedAt = MeasuredClock::now();
        return true;
    }
    // Opened for this window but the start command never got through: nothing will fill the spectra.
    if (!wasOpen && link.acquisition().open.load())
        link.operations().CloseAcquisition();
    return false;
}

void WaveAcquisition::removeMadeSpectra(int count) {
    for (int i = 0; i < count; ++i) {
        m_spectra.at(0).acquiring = false;
        m_spectra.remove(0);
    }
}

bool WaveAcquisition::startSampleScan(std::optional<std::string> name, std::optional<int> colourIndex) {
    const std::optional<Grid> grid = sendParameters();
    if (!grid) {
        m_baselineMode = false;
        return false;
    }
    // A new spectrum takes the settings' colour, or the next one no spectrum of the window has.
    const int colour =
        colourIndex ? *colourIndex
                    : scan::nextFreeColourIndex(
                          ProfileFile(scan::ScanSettings::kFileName, true).GetInt("Curve", "ThisColor", 4),
                          m_spectra.colours());
    scan::CWaveSpectrum &spectrum = insertScanSpectrum(scan::indexedColour(colour), *grid);
    spectrum.modified = true;

    const std::string given = name ? *name : strings::formatC("Sample-%zu", m_spectra.size());
    spectrum.setSampleName(given);
    spectrum.name = deconflictedScanName(m_spectra, given, "-T");
    prepareForScan(spectrum);
    m_program.shared.baseline->nextIndex = spectrum.nextIndex.load();

    scan::CWaveSpectrum *reference = m_baselineMode ? nullptr : m_program.shared.baseline.get();
    if (!startOnLink(m_baselineMode ? link::kScanAbsorbance : link::kScanAgainstBaseline, &spectrum,
                     reference)) {
        removeMadeSpectra(1);
        m_baselineMode = false;
        return false;
    }
    m_spectra.setCurrent(0);
    m_view.spectraChanged();
    m_view.showState(SPECTAVO_TEXT("Wait..."));
    return true;
}

bool WaveAcquisition::startBaselineScan() {
    m_baselineMode = true;
    return startSampleScan();
}

bool WaveAcquisition::startEnergyScan() {
    const std::optional<Grid> grid = sendParameters();
    if (!grid)
        return false;
    m_view.switchToAbsorbance();
    const ProfileFile file(scan::ScanSettings::kFileName, true);
    const int beams = m_program.link.config().beamType.load() == link::kDoubleBeam ? 2 : 1;
    scan::CWaveSpectrum *made[2] = {nullptr, nullptr};
    for (int beam = 1; beam <= beams; ++beam) {
        const int colour = file.GetIntAt("Energy", "Color", beam, beam + 8);
        scan::CWaveSpectrum &spectrum = insertScanSpectrum(scan::indexedColour(colour), *grid);
        spectrum.modified = true;
        spectrum.name =
            deconflictedScanName(m_spectra, file.GetStringAt("Energy", "Name", beam, "Energy"), "-A");
        spectrum.setSampleName(spectrum.name);
        prepareForScan(spectrum);
        made[beam - 1] = &spectrum;
    }
    if (!startOnLink(link::kScanEnergies, made[0], made[1])) {
        removeMadeSpectra(beams);
        return false;
    }
    m_spectra.setCurrent(0);
    m_view.spectraChanged();
    m_view.showState(SPECTAVO_TEXT("Wait..."));
    return true;
}

bool WaveAcquisition::startSlitWidthScan() {
    scan::ScanSettings &settings = m_program.shared.scan;
    settings.high = 670.0f;
    settings.low = 640.0f;
    settings.stepIndex = 0;
    settings.filterIndex = 3;
    if (!sendScanParameters())
        return false;
    auto spectrum = std::make_unique<scan::CWaveSpectrum>(scan::CWaveSpectrum::makeNew(255));
    spectrum->acquiring = true;
    spectrum->end = 670.0f;
    spectrum->start = 640.0f;
    spectrum->step = 0.1f;
    spectrum->filter = 10;
    spectrum->name = strings::formatC("Width-%zu", m_spectra.size() + 1);
    spectrum->setSampleName(spectrum->name);
    scan::CWaveSpectrum &made = m_spectra.insertFront(std::move(spectrum));
    prepareForScan(made);
    if (!startOnLink(link::kScanSampleEnergy, &made, nullptr)) {
        removeMadeSpectra(1);
        return false;
    }
    m_spectra.setCurrent(0);
    m_view.spectraChanged();
    m_view.showState(SPECTAVO_TEXT("Wait..."));
    return true;
}

bool WaveAcquisition::startAutorun() {
    m_program.link.status().currentCell.store(0);
    m_program.flags.autorunActive = 1;
    startNextCell();
    return m_program.flags.autorunActive != 0;
}

void WaveAcquisition::startNextCell() {
    link::StationStatus &status = m_program.link.status();
    const int cellCount = std::min<int>(status.cellCount.load(), program::CellSelection::kCells);
    int cell = status.currentCell.load();
    while (cell < cellCount && m_program.cells.cellInstalled[static_cast<std::size_t>(cell)] == 0)
        ++cell;
    if (cell >= cellCount) {
        m_program.flags.autorunActive = 0;
        int highest = 0;
        for (int i = 0; i < cellCount; ++i)
            if (m_program.cells.cellInstalled[static_cast<std::size_t>(i)] != 0)
                highest = i;
        status.currentCell.store(static_cast<std::uint8_t>(highest));
        m_view.inform(kAutorunComplete);
        return;
    }
    m_program.link.operations().RequestCell(static_cast<std::uint8_t>(cell));
    status.currentCell.store(static_cast<std::uint8_t>(cell));
    const std::string &cellName = m_program.cells.cellName[static_cast<std::size_t>(cell)];
    std::optional<std::string> name;
    if (!blankCellName(cellName))
        name = cellName;
    if (!startSampleScan(name, cell + 8)) {
        // Nothing will finish this scan: the run cannot go on.
        m_program.flags.autorunActive = 0;
    }
}

void WaveAcquisition::advanceAutorun() {
    link::StationStatus &status = m_program.link.status();
    status.currentCell.store(static_cast<std::uint8_t>(status.currentCell.load() + 1));
    startNextCell();
}

void WaveAcquisition::remoteStart(int code) {
    if (m_program.link.acquisition().open.load())
        return;
    if (code == link::kRemoteMeasure) {
        m_program.flags.remoteStartFlag = 1;
        if (!startSampleScan())
            m_program.flags.remoteStartFlag = 0;
    } else if (m_program.flags.lampStable != 0) {
        startBaselineScan();
    }
}

void WaveAcquisition::watch(Clock::time_point now) {
    if (!scanning()) {
        m_lastData.reset();
        return;
    }
    const int received = progress().received;
    if (!m_lastData || received != m_lastReceived) {
        m_lastData = now;
        m_lastReceived = received;
        return;
    }
    const bool offline = m_program.link.status().linkOnline.load() != 1;
    if (!offline && now - *m_lastData < kStallLimit)
        return;
    m_lastData.reset();
    m_view.refuse(kStalled);
    // Stopping posts the stop to this window while the acquisition is open; one the link already
    // closed gets it from here, so the scan ends either way.
    if (m_program.link.acquisition().open.load())
        m_program.link.operations().StopMeasurement();
    else
        m_window->post(link::Notification::acquisition(link::kAcqStopped, 0));
}

void WaveAcquisition::handleNotification(const link::Notification &notification) {
    if (notification.kind != link::NotifyKind::Acquisition)
        return;
    switch (notification.code) {
    case link::kAcqNewData:
        m_view.pointsArrived();
        break;
    case link::kAcqFinished:
        finish();
        break;
    case link::kAcqStopped:
        abort();
        break;
    default:
        break;
    }
}

WaveAcquisition::Progress WaveAcquisition::progress() const {
    if (!m_target)
        return {};
    const int total = static_cast<int>(m_target->pointCount());
    const int next = m_target->nextIndex.load(std::memory_order_acquire);
    return {std::clamp(total - 1 - next, 0, total), total};
}

void WaveAcquisition::clearAcquiringFlags(bool recomputeMarks) {
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        scan::CWaveSpectrum &spectrum = m_spectra.at(i);
        if (!spectrum.acquiring.load())
            continue;
        spectrum.acquiring = false;
        spectrum.nextIndex = -1;
        if (recomputeMarks)
            spectrum.recomputeMarks(m_program.flags.peakHeight);
    }
}

// The baseline spectrum becomes the reference: its grid and texts, its values (the first point
// scanned becomes the blank and is itself zeroed), and it leaves the list.
void WaveAcquisition::adoptBaseline(const scan::CWaveSpectrum *baselineScan) {
    std::optional<std::size_t> index;
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (&m_spectra.at(i) == baselineScan)
            index = i;
    if (!index)
        return;
    scan::CWaveSpectrum &scanned = m_spectra.at(*index);
    scan::CWaveSpectrum &reference = *m_program.shared.baseline;
    reference.name = scanned.name;
    reference.colour = scanned.colour;
    reference.start = scanned.start;
    reference.end = scanned.end;
    reference.step = scanned.step;
    reference.filter = scanned.filter;
    reference.setDateText(scanned.dateText());
    reference.slit = scanned.slit;
    const std::size_t count = std::min(scanned.points().size(), reference.points().size());
    std::copy_n(scanned.points().begin(), count, reference.points().begin());
    if (count > 0) {
        m_program.link.acquisition().blankAbsorbance.store(reference.points()[count - 1]);
        reference.points()[count - 1] = 0.0f;
    }
    scanned.modified = false;
    m_spectra.remove(*index);
}

std::string WaveAcquisition::recordMissingPoints() {
    std::string text;
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        scan::CWaveSpectrum &spectrum = m_spectra.at(i);
        if (!spectrum.acquiring.load())
            continue;
        const int total = static_cast<int>(spectrum.points().size());
        const int missing = total - std::clamp(spectrum.arrived.load(), 0, total);
        if (missing <= 0)
            continue;
        const std::string note = strings::formatC(link::kPointsMissing, missing, total);
        appendMemoLine(spectrum.memo, note);
        if (text.empty())
            text = note;
    }
    return text;
}

void WaveAcquisition::keepMeasuredParts() {
    for (std::size_t i = m_spectra.size(); i-- > 0;) {
        scan::CWaveSpectrum &spectrum = m_spectra.at(i);
        if (!spectrum.acquiring.load())
            continue;
        const int total = static_cast<int>(spectrum.points().size());
        const int firstMeasured = std::clamp(spectrum.nextIndex.load() + 1, 0, total);
        if (firstMeasured >= total) {
            spectrum.acquiring = false;
            m_spectra.remove(i);
            continue;
        }
        spectrum.start = spectrum.wavelengthAt(static_cast<std::size_t>(firstMeasured));
        std::vector<float> measured(spectrum.points().begin() + firstMeasured, spectrum.points().end());
        spectrum.arrived = std::min(spectrum.arrived.load(), static_cast<int>(measured.size()));
        spectrum.allocatePoints();
        std::copy_n(measured.begin(), std::min(measured.size(), spectrum.points().size()),
                    spectrum.points().begin());
    }
}

void WaveAcquisition::finish() {
    const scan::CWaveSpectrum *scanned = m_target;
    m_target = nullptr;
    m_view.showState(SPECTAVO_TEXT("Ready"));
    const bool baselineEnded = m_baselineMode;
    const std::string missing = recordMissingPoints();
    if (!missing.empty() && m_program.flags.remoteStartFlag == 0)
        m_view.refuse(missing);
    clearAcquiringFlags(!baselineEnded);
    if (scanned)
        m_view.measured(*scanned, missing.empty() ? MeasuredState::Complete : MeasuredState::Incomplete,
                        m_startedAt);
    if (baselineEnded) {
        adoptBaseline(scanned);
        m_baselineMode = false;
    }
    if (m_program.flags.autorunActive != 0)
        advanceAutorun();
    else if (m_program.flags.remoteStartFlag == 0)
        m_view.inform(kFinished);
    m_view.spectraChanged();
    if (m_program.flags.remoteStartFlag != 0) {
        m_program.flags.remoteStartFlag = 0;
        m_program.link.commands().RemoteMeasureDone();
    }
}

void WaveAcquisition::abort() {
    const scan::CWaveSpectrum *scanned = m_target;
    m_target = nullptr;
    m_view.showState(SPECTAVO_TEXT("Ready"));
    // The spectrum of a broken baseline scan stays, an ordinary spectrum of what was measured.
    keepMeasuredParts();
    recordMissingPoints();
    clearAcquiringFlags(true);
    // A scan stopped before its first point left no spectrum to keep.
    for (std::size_t i = 0; scanned && i < m_spectra.size(); ++i)
        if (&m_spectra.at(i) == scanned)
            m_view.measured(*scanned, MeasuredState::Stopped, m_startedAt);
    m_baselineMode = false;
    if (m_program.flags.autorunActive != 0)
        advanceAutorun();
    else if (m_program.flags.remoteStartFlag == 0)
        m_view.inform(kBroken);
    m_view.spectraChanged();
    m_program.flags.remoteStartFlag = 0;
}

} // namespace spectavo
