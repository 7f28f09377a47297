#include "core/acquisition/kineacquisition.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "core/link/commands.h"
#include "core/program/sharedsettings.h"
#include "core/scan/chartstyle.h"
#include "core/scan/time/kinesetup.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo {
namespace {

// A cell name of the changer is 18 characters; all blanks means the operator gave none.
bool blankCellName(const std::string &name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return c == ' '; });
}

int periodMilliseconds(float step) {
    return static_cast<int>(step * 1000.0f);
}

} // namespace

KineAcquisition::KineAcquisition(program::ProgramRecords program,
                                 scan::RecordList<scan::CKineSpectrum> &curves, link::NotifyTarget *window,
                                 KineAcquisitionView &view, KineTimers &timers)
    : m_program(program), m_curves(curves), m_window(window), m_view(view), m_timers(timers) {}

bool KineAcquisition::instrumentFree() const {
    const link::StationStatus &status = m_program.link.status();
    return status.linkOnline.load() == 1 && status.stationReady.load() != 0 &&
           m_program.flags.lampStable != 0 && !m_program.link.acquisition().open.load() &&
           m_program.flags.autorunActive == 0;
}

int KineAcquisition::installedCellCount() const {
    const int cells = std::min<int>(m_program.link.status().cellCount.load(), program::CellSelection::kCells);
    int installed = 0;
    for (int cell = 0; cell < cells; ++cell)
        installed += m_program.cells.installed(cell) ? 1 : 0;
    return installed;
}

bool KineAcquisition::gotoWavelength(float nanometres) {
    return m_program.link.operations().GotoWavelength(nanometres, m_window);
}

std::string KineAcquisition::nextSampleName() const {
    return strings::formatC("Sample-%zu", m_curves.size() + 1);
}

scan::CKineSpectrum &KineAcquisition::insertScanCurve(const std::string &name, std::uint32_t colour) {
    const program::KineticsSettings &parameters = m_program.shared.kinetics;
    auto curve = std::make_unique<scan::CKineSpectrum>(scan::CKineSpectrum::makeNew(colour));
    curve->name = name;
    curve->setSampleName(name);
    curve->wavelength = parameters.wavelength;
    curve->step = parameters.step;
    curve->totalTime = static_cast<int>(parameters.totalTime);
    curve->endTime = parameters.totalTime;
    curve->modified = true;
    curve->allocatePoints();
    curve->count = 0;
    curve->acquiring = true;
    return m_curves.insertFront(std::move(curve));
}

bool KineAcquisition::onList(const scan::CKineSpectrum *curve) const {
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        if (&m_curves.at(i) == curve)
            return true;
    return false;
}

bool KineAcquisition::parametersUsable() {
    const program::KineticsSettings &p = m_program.shared.kinetics;
    const bool usable = p.step > 0.0f && p.step <= static_cast<float>(scan::kMaxTotalTime) &&
                        p.totalTime >= 0.0f && p.totalTime <= static_cast<float>(scan::kMaxTotalTime);
    if (!usable)
        m_view.inform(kUnusableSetup);
    return usable;
}

bool KineAcquisition::startSingle() {
    if (running() || m_program.link.acquisition().mode.load() == link::kModeTimedSampling ||
        !parametersUsable())
        return false;
    const int preferred =
        ProfileFile(program::KineticsSettings::kFileName, true).GetInt("Curve", "ThisColor", 4);
    scan::CKineSpectrum &curve = insertScanCurve(
        nextSampleName(), scan::indexedColour(scan::nextFreeColourIndex(preferred, m_curves.colours())));
    m_arrivalBlank = m_program.link.acquisition().blankAbsorbance.load();
    if (curve.points().empty() ||
        !m_program.link.operations().GotoAndRead(link::kModeGotoAndRead, m_program.shared.kinetics.wavelength,
                                                 &m_arrivalBlank, &m_arrivalReading, m_window)) {
        curve.acquiring = false;
        m_curves.remove(0);
        return false;
    }
    m_single = &curve;
    m_startedAt = MeasuredClock::now();
    m_waitingForWavelength = true;
    m_stopHandled = false;
    m_lastRunBroken = false;
    m_curves.setCurrent(0);
    m_view.curvesChanged();
    m_view.showState(SPECTAVO_TEXT("Wait..."));
    m_timers.startSettle(kReadingWaitMilliseconds);
    return true;
}

// The first reading at the wavelength is in: the drive has arrived, and the sampling starts.
void KineAcquisition::beginSampling() {
    m_waitingForWavelength = false;
    m_timers.stopSettle();
    m_program.link.operations().CloseAcquisitionOf(m_window);
    scan::CKineSpectrum *curve = m_single && onList(m_single) ? m_single : nullptr;
    if (curve && m_program.link.operations().StartTimedSampling(
                     periodMilliseconds(m_program.shared.kinetics.step), curve, m_window))
        return;
    m_single = nullptr;
    m_lastRunBroken = true;
    if (curve) {
        curve->acquiring = false;
        for (std::size_t i = 0; i < m_curves.size(); ++i)
            if (&m_curves.at(i) == curve) {
                m_curves.remove(i);
                break;
            }
        m_view.curvesChanged();
    }
    m_view.showState(SPECTAVO_TEXT("Ready"));
    if (m_program.flags.remoteStartFlag == 0)
        m_view.inform(kBroken);
    reportRemoteDone();
}

// No reading came at the wavelength: the scan ends as a stop would, with nothing measured.
void KineAcquisition::giveUpWaiting() {
    m_program.link.operations().CloseAcquisitionOf(m_window);
    stopped();
}

int KineAcquisition::firstInstalledCell() const {
    return installedCellAfter(-1);
}

int KineAcquisition::installedCellAfter(int cell) const {
    const int cells = std::min<int>(m_program.link.status().cellCount.load(), program::CellSelection::kCells);
    for (int next = cell + 1; next < cells; ++next)
        if (m_program.cells.installed(next))
            return next;
    return -1;
}

bool KineAcquisition::startAutorun() {
    if (!parametersUsable())
        return false;
    program::KineticsSettings &parameters = m_program.shared.kinetics;
    // The changer visits every cell within one step: a shorter step could never be kept.
    parameters.step = std::max(parameters.step, kMinimumCycleStep);
    int colourIndex = ProfileFile(program::KineticsSettings::kFileName, true).GetInt("Curve", "ThisColor", 4);
    m_cellCurves.fill(nullptr);
    const int cells = std::min<int>(m_program.link.status().cellCount.load(), program::CellSelection::kCells);
    int made = 0;
    for (int cell = 0; cell < cells; ++cell) {
        if (!m_program.cells.installed(cell))
            continue;
        const std::string &cellName = m_program.cells.cellName[static_cast<std::size_t>(cell)];
        const std::string name = blankCellName(cellName) ? nextSampleName() : cellName;
        colourIndex = scan::nextFreeColourIndex(colourIndex, m_curves.colours());
        scan::CKineSpectrum &curve = insertScanCurve(name, scan::indexedColour(colourIndex++));
        m_cellCurves[static_cast<std::size_t>(cell)] = &curve;
        m_startedAt = MeasuredClock::now();
        ++made;
    }
    if (made == 0 || !m_program.link.operations().OpenAcquisition(m_window, link::kModeCellReading)) {
        for (int i = 0; i < made; ++i) {
            m_curves.at(0).acquiring = false;
            m_curves.remove(0);
        }
        m_cellCurves.fill(nullptr);
        return false;
    }
    m_autorun = true;
    m_stopHandled = false;
    m_lastRunBroken = false;
    m_cycle = -1;
    m_armedCell = -1;
    m_armedCycle = -1;
    m_cellMissing.fill(0);
    m_program.flags.autorunActive = 1;
    m_curves.setCurrent(0);
    m_view.curvesChanged();
    m_timers.startCycle(1);
    m_view.showState(SPECTAVO_TEXT("Wait..."));
    return true;
}

void KineAcquisition::cycleTick() {
    if (!m_autorun || m_program.flags.autorunActive == 0)
        return;
    // A reading armed in the last cycle and not yet taken would be one of a moving changer.
    m_timers.stopSettle();
    m_armedCell = -1;
    ++m_cycle;
    const bool timeIsUp =
        std::any_of(m_cellCurves.begin(), m_cellCurves.end(), [this](scan::CKineSpectrum *c) {
            return c && onList(c) && c->acquiring.load() &&
                   static_cast<std::size_t>(m_cycle) >= c->points().size();
        });
    if (timeIsUp) {
        endRun();
        return;
    }
    m_timers.startCycle(periodMilliseconds(m_program.shared.kinetics.step));
    const int first = firstInstalledCell();
    m_program.link.operations().RequestCell(static_cast<std::uint8_t>(first < 0 ? 100 : first));
}

void KineAcquisition::settleTick() {
    m_timers.stopSettle();
    if (m_waitingForWavelength) {
        giveUpWaiting();
        return;
    }
    if (m_autorun && m_program.flags.autorunActive != 0) {
        m_armedCell = m_program.link.status().currentCell.load();
        m_armedCycle = m_cycle;
        m_program.link.operations().ArmAcquisition();
    }
}

void KineAcquisition::remoteStart(int code) {
    if (!instrumentFree())
        return;
    if (code == link::kRemoteMeasure) {
        m_program.flags.remoteStartFlag = 1;
        if (!startSingle())
            m_program.flags.remoteStartFlag = 0;
        return;
    }
    m_program.link.operations().TakeBlank(m_window);
    m_program.link.commands().RemoteMeasureDone();
}

void KineAcquisition::handleNotification(const link::Notification &notification) {
    if (notification.kind != link::NotifyKind::Acquisition)
        return;
    switch (notification.code) {
    case link::kAcqFinished:
        finishSingle();
        break;
    case link::kAcqStopped:
        stopped();
        break;
    case link::kAcqCellReached:
        if (m_autorun && m_program.flags.autorunActive != 0)
            m_timers.startSettle(kSettleMilliseconds);
        break;
    case link::kAcqCellReading:
        takeCellReading(notification.floatValue());
        break;
    case link::kAcqAcknowledged:
        // The setup's move ends with its acknowledgement; a start's move ends with a reading.
        if (notification.value == link::kGotoWavelength &&
            m_program.link.acquisition().mode.load() == link::kModeGotoOnly)
            m_program.link.operations().CloseAcquisitionOf(m_window);
        break;
    case link::kAcqNewData:
        if (m_waitingForWavelength)
            beginSampling();
        else
            m_view.pointsArrived();
        break;
    default:
        m_view.pointsArrived();
        break;
    }
}

void KineAcquisition::reportRemoteDone() {
    if (m_program.flags.remoteStartFlag == 0)
        return;
    m_program.flags.remoteStartFlag = 0;
    m_program.link.commands().RemoteMeasureDone();
}

void KineAcquisition::finishSingle() {
    if (m_stopHandled) {
        // The completion a stop brings: the stop has said everything.
        m_stopHandled = false;
        return;
    }
    if (!m_single)
        return;
    scan::CKineSpectrum *scanned = onList(m_single) ? m_single : nullptr;
    m_single = nullptr;
    m_view.showState(SPECTAVO_TEXT("Ready"));
    const float threshold = m_program.flags.peakHeight;
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        m_curves.at(i).recomputeMarkers(threshold);
        m_curves.at(i).recomputeRate();
    }
    std::string message = kCompleted;
    if (scanned) {
        const std::string note =
            noteMissingPoints(*scanned, m_program.link.acquisition().missingPoints.load());
        if (!note.empty())
            message += "\n" + note;
        m_view.measured(*scanned, note.empty() ? MeasuredState::Complete : MeasuredState::Incomplete,
                        m_startedAt);
    }
    if (m_program.flags.remoteStartFlag == 0)
        m_view.inform(message);
    m_view.scanEnded();
    reportRemoteDone();
}

std::string KineAcquisition::noteMissingPoints(scan::CKineSpectrum &curve, int missing) {
    const int total = static_cast<int>(curve.points().size());
    missing = std::min(missing, total);
    if (missing <= 0)
        return {};
    const std::string note = strings::formatC(link::kPointsMissing, missing, total);
    appendMemoLine(curve.memo, note);
    return note;
}

bool KineAcquisition::keepMeasured(scan::CKineSpectrum &curve, int measured) {
    measured = std::clamp(measured, 0, static_cast<int>(curve.points().size()));
    curve.acquiring = false;
    if (measured == 0)
        return false;
    if (measured < static_cast<int>(curve.points().size())) {
        // Every measured point stays. The file keeps the total time in whole seconds, so it is the
        // last point's time rounded up; the points themselves end at that last point.
        const double lastTime = (measured - 1) * double(curve.step);
        curve.totalTime = static_cast<int>(std::ceil(lastTime - 0.001));
        curve.points().resize(static_cast<std::size_t>(measured));
        curve.endTime = std::min(curve.endTime, static_cast<float>(lastTime));
        curve.beginTime = std::min(curve.beginTime, curve.endTime);
    }
    curve.count = static_cast<int>(curve.points().size());
    return true;
}

void KineAcquisition::stopped() {
    m_lastRunBroken = true;
    m_view.showState(SPECTAVO_TEXT("Ready"));
    std::string message = kBroken;
    std::vector<const scan::CKineSpectrum *> empty;
    const bool sampled = !m_waitingForWavelength;
    if (m_waitingForWavelength) {
        m_waitingForWavelength = false;
        m_timers.stopSettle();
    }
    if (m_single && onList(m_single)) {
        const int measured = sampled ? m_program.link.acquisition().sampledPoints.load() : 0;
        if (!keepMeasured(*m_single, measured)) {
            empty.push_back(m_single);
        } else {
            if (const std::string note =
                    noteMissingPoints(*m_single, m_program.link.acquisition().missingPoints.load());
                !note.empty())
                message += "\n" + note;
            m_view.measured(*m_single, MeasuredState::Stopped, m_startedAt);
        }
        // The link ends its sampling with a completion after the stop.
        m_stopHandled = sampled;
    }
    if (m_program.flags.remoteStartFlag == 0)
        m_view.inform(message);
    m_single = nullptr;
    for (std::size_t cell = 0; cell < m_cellCurves.size(); ++cell) {
        scan::CKineSpectrum *curve = m_cellCurves[cell];
        if (!curve || !onList(curve) || !curve->acquiring.load())
            continue;
        if (!keepMeasured(*curve, curve->count.load())) {
            empty.push_back(curve);
        } else {
            noteMissingPoints(*curve, m_cellMissing[cell]);
            m_view.measured(*curve, MeasuredState::Stopped, m_startedAt);
        }
    }
    for (std::size_t i = m_curves.size(); i-- > 0;)
        if (std::find(empty.begin(), empty.end(), &m_curves.at(i)) != empty.end())
            m_curves.remove(i);
    const float threshold = m_program.flags.peakHeight;
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        m_curves.at(i).recomputeMarkers(threshold);
        m_curves.at(i).recomputeRate();
    }
    m_autorun = false;
    m_cellCurves.fill(nullptr);
    m_program.flags.autorunActive = 0;
    m_timers.stopCycle();
    m_timers.stopSettle();
    if (!empty.empty())
        m_view.curvesChanged();
    m_view.scanEnded();
    reportRemoteDone();
}

void KineAcquisition::endCurve(scan::CKineSpectrum &curve) {
    curve.acquiring = false;
    curve.count = static_cast<int>(curve.points().size());
    curve.recomputeMarkers(m_program.flags.peakHeight);
    curve.recomputeRate();
}

// The run's time is up or every curve is full: curves end where they are, points that never came
// are missing, and the operator hears how many.
void KineAcquisition::endRun() {
    int missing = 0, total = 0;
    for (std::size_t cell = 0; cell < m_cellCurves.size(); ++cell) {
        scan::CKineSpectrum *curve = m_cellCurves[cell];
        if (!curve || !onList(curve) || !curve->acquiring.load())
            continue;
        const int stored = std::clamp(curve->count.load(), 0, static_cast<int>(curve->points().size()));
        m_cellMissing[cell] += static_cast<int>(curve->points().size()) - stored;
        std::fill(curve->points().begin() + stored, curve->points().end(), 0.0f);
        endCurve(*curve);
        noteMissingPoints(*curve, m_cellMissing[cell]);
        m_view.measured(*curve, m_cellMissing[cell] > 0 ? MeasuredState::Incomplete : MeasuredState::Complete,
                        m_startedAt);
        missing += m_cellMissing[cell];
        total += static_cast<int>(curve->points().size());
    }
    m_autorun = false;
    m_cellCurves.fill(nullptr);
    m_program.flags.autorunActive = 0;
    m_timers.stopCycle();
    m_timers.stopSettle();
    m_program.link.operations().CloseAcquisitionOf(m_window);
    m_view.showState(SPECTAVO_TEXT("Ready"));
    if (missing > 0 && m_program.flags.remoteStartFlag == 0)
        m_view.inform(strings::formatC(link::kPointsMissing, missing, total));
    m_view.scanEnded();
}

void KineAcquisition::storeCycleReading(std::size_t cell, scan::CKineSpectrum &curve, float absorbance) {
    const int stored = curve.count.load();
    const int index = m_armedCycle;
    // A reading of a cycle whose point is already in (a duplicate) or beyond the curve is not used.
    if (stored < 0 || index < stored || static_cast<std::size_t>(index) >= curve.points().size())
        return;
    std::fill(curve.points().begin() + stored, curve.points().begin() + index, 0.0f);
    m_cellMissing[cell] += index - stored;
    curve.points()[static_cast<std::size_t>(index)] = absorbance;
    curve.count = index + 1;
}

void KineAcquisition::takeCellReading(float absorbance) {
    if (!m_autorun || m_program.flags.autorunActive == 0)
        return;
    const int cell = m_program.link.status().currentCell.load();
    // Only the reading armed for this cell after it settled is a point.
    if (cell < 0 || cell >= program::CellSelection::kCells || cell != m_armedCell)
        return;
    m_armedCell = -1;
    scan::CKineSpectrum *curve = m_cellCurves[static_cast<std::size_t>(cell)];
    if (curve && onList(curve) && curve->acquiring.load())
        storeCycleReading(static_cast<std::size_t>(cell), *curve, absorbance);
    const bool allFull =
        std::none_of(m_cellCurves.begin(), m_cellCurves.end(), [this](scan::CKineSpectrum *c) {
            return c && onList(c) && c->acquiring.load() &&
                   static_cast<std::size_t>(c->count.load()) < c->points().size();
        });
    const int next = installedCellAfter(cell);
    if (allFull) {
        endRun();
    } else if (next >= 0) {
        m_program.link.operations().RequestCell(static_cast<std::uint8_t>(next));
    }
    m_view.pointsArrived();
}

} // namespace spectavo
