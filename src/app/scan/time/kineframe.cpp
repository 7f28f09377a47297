#include "app/scan/time/kineframe.h"

#include "app/scan/measuredresult.h"
#include "core/scan/time/kinefile.h"
#include "core/strings/cformat.h"

#include <QComboBox>

#include "app/scan/scanlistview.h"
#include "app/scan/time/kineview.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/program/sharedsettings.h"
#include "core/scan/time/kinefile.h"

namespace spectavo::app {

QtKineTimers::QtKineTimers(std::function<void()> cycle, std::function<void()> settle) {
    QObject::connect(&m_cycle, &QTimer::timeout, std::move(cycle));
    QObject::connect(&m_settle, &QTimer::timeout, std::move(settle));
}

namespace {

KineTimers &timersOf(KineTimers *given, std::unique_ptr<QtKineTimers> &own) {
    return given ? *given : *own;
}

} // namespace

CKineFrame::CKineFrame(WindowHost host, KineTimers *timers, QWidget *parent)
    : CScanWindow(std::move(host),
                  scan::CDisplayRange::loadKinetic(ProfileFile(program::KineticsSettings::kFileName, true)),
                  scan::BaseScales::loadKinetic(ProfileFile(kAnalystSettingsFile, true)),
                  program::KineticsSettings::kFileName, parent),
      m_ownTimers(timers ? nullptr
                         : std::make_unique<QtKineTimers>([this] { m_acquisition.cycleTick(); },
                                                          [this] { m_acquisition.settleTick(); })),
      m_acquisition(m_host.program, m_curves, &m_target, *this, timersOf(timers, m_ownTimers)) {
    m_undoEndsManual = true;
    m_view = new CKineView(m_curves, m_display, m_absorbance, this);
    m_list->setHeaderLabels({ui("Time(s)"), ui("Abs"), ui("Peak/Valley")});
    placePanes(m_view);
    m_view->onTimeReached = [this](const std::string &text) { m_host.showState(text); };
    buildCommands();
    buildToolBar();
    refresh();
}

CKineFrame::~CKineFrame() {
    // Nothing of the link may write into these curves or post to this window once they are gone.
    m_host.program.link.operations().CloseAcquisitionOf(&m_target);
    if (m_host.program.flags.autorunActive != 0 && m_acquisition.running())
        m_host.program.flags.autorunActive = 0;
    delete m_view; // it shows this window's curves and display record, which go before the children
}

CChartView *CKineFrame::chart() const {
    return m_view;
}

void CKineFrame::refillList() {
    const scan::CDisplayRange &range = m_display.range();
    m_list->refill(m_curves.current(), m_absorbance, range.showPeaks != 0, range.showValleys != 0);
    if (m_curves.empty() && m_view->searchMode())
        m_view->setSearchMode(false);
}

std::string CKineFrame::currentName() const {
    const scan::CKineSpectrum *current = m_curves.current();
    return current ? current->name : std::string();
}

void CKineFrame::recomputeMarks(float threshold) {
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        m_curves.at(i).recomputeMarkers(threshold);
}

std::optional<scan::DataExtent> CKineFrame::dataExtent() const {
    std::optional<scan::DataExtent> extent;
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        const scan::CKineSpectrum &curve = m_curves.at(i);
        // A curve read from a file may carry no count of its own: all its points then count.
        const int stored = static_cast<int>(curve.points().size());
        const int count = curve.count.load() >= 0 ? std::min(curve.count.load(), stored) : stored;
        if (curve.acquiring.load() || count <= 0)
            continue;
        const std::span<const float> measured(curve.points().data(), static_cast<std::size_t>(count));
        const double last = static_cast<double>(count - 1) * static_cast<double>(curve.step);
        if (const auto own = scan::valuesExtent(0.0, last, measured, m_absorbance))
            extent = extent ? scan::merged(*extent, *own) : *own;
    }
    return extent;
}

bool CKineFrame::openFile(const QString &path) {
    auto curve = std::make_unique<scan::CKineSpectrum>(scan::CKineSpectrum::makeNew());
    if (!readCurveFile(path.toStdString(), *curve))
        return false;
    curve->recomputeMarkers(m_host.program.flags.peakHeight);
    curve->recomputeRate();
    m_curves.insertFront(std::move(curve));
    m_curves.setCurrent(0);
    refresh();
    return true;
}

void CKineFrame::focusInEvent(QFocusEvent *event) {
    CScanWindow::focusInEvent(event);
    refillRecordBox();
}

bool CKineFrame::event(QEvent *event) {
    if (event->type() == NotifyEvent::eventType()) {
        const link::Notification &notification = static_cast<NotifyEvent *>(event)->notification();
        if (notification.kind == link::NotifyKind::Station) {
            if (notification.code == link::kStationTransferDone && m_awaitingFile)
                acceptArrivedFile();
        } else {
            m_acquisition.handleNotification(notification);
        }
        refreshCommands();
        return true;
    }
    return CScanWindow::event(event);
}

void CKineFrame::showState(const std::string &text) {
    m_host.showState(text);
}

void CKineFrame::inform(const std::string &text) {
    messages().show("Spectavo", text, shell::MessageService::Icon::Information);
}

void CKineFrame::pointsArrived() {
    m_view->addArrivedSegments();
}

bool CKineFrame::servedByLink() const {
    return m_acquisition.running() || m_awaitingFile;
}

scan::ScanWindowState CKineFrame::commandState() const {
    link::StationLink &link = m_host.program.link;
    const bool noAcquisition = !link.acquisition().open.load();
    scan::ScanWindowState state;
    state.instrumentReady = m_acquisition.instrumentFree();
    state.linkFree = link.status().linkOnline.load() == 1 && noAcquisition;
    state.installedCells = m_acquisition.installedCellCount();
    state.servedByLink = servedByLink();
    const scan::CKineSpectrum *current = m_curves.current();
    state.currentSaveable = current && !current->acquiring.load();
    state.spectrumCount = static_cast<int>(m_curves.size());
    state.canUndoScales = m_display.canUndo();
    state.zoomMode = m_view->zoomMode();
    state.searchMode = m_view->searchMode();
    state.absorbance = m_absorbance;
    state.showPeaks = m_display.range().showPeaks != 0;
    state.showValleys = m_display.range().showValleys != 0;
    state.setupAvailable = noAcquisition && m_host.program.flags.lampStable != 0;
    state.sampling =
        link.acquisition().mode.load() == link::kModeTimedSampling || m_acquisition.waitingForWavelength();
    return state;
}

void CKineFrame::measured(const scan::CKineSpectrum &curve, MeasuredState state,
                          MeasuredClock::time_point started) {
    const std::string method =
        strings::formatC("%.1f nm, every %.1f s for %d s", static_cast<double>(curve.wavelength),
                         static_cast<double>(curve.step), curve.totalTime);
    m_host.keepResult(measuredResult("timescan", state, started, curve.sampleName(), method, "kin",
                                     scan::curveFileText(curve)));
}

} // namespace spectavo::app
