#include "app/scan/scanframe.h"

#include "app/scan/measuredresult.h"
#include "core/scan/wave/wavefile.h"
#include "core/strings/cformat.h"

#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include "app/scan/scanlistview.h"
#include "app/scan/waveview.h"
#include "app/shell/qtmessageservice.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/chartstyle.h"
#include "core/scan/scanfiletext.h"
#include "core/scan/wave/wavefile.h"
#include "core/shell/documentfiles.h"
#include "core/strings/cformat.h"

namespace spectavo::app {

CScanFrame::CScanFrame(ScanFrameHost host, QWidget *parent)
    : CScanWindow(std::move(host),
                  scan::CDisplayRange::load(ProfileFile(scan::CDisplayRange::kFileName, true)),
                  scan::BaseScales::load(ProfileFile(kAnalystSettingsFile, true)),
                  scan::CDisplayRange::kFileName, parent),
      m_acquisition(m_host.program, m_spectra, &m_target, *this) {
    m_view = new CWaveView(m_spectra, m_display, m_absorbance, this);
    placePanes(m_view);
    buildCommands();
    buildToolBar();
    auto *watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, [this] { m_acquisition.watch(WaveAcquisition::Clock::now()); });
    watch->start(1000);
}

CScanFrame::~CScanFrame() {
    // Nothing of the link may write into these spectra or post to this window once they are gone.
    m_host.program.link.operations().CloseAcquisitionOf(&m_target);
    delete m_view; // it shows this window's spectra and display record, which go before the children
}

CChartView *CScanFrame::chart() const {
    return m_view;
}

void CScanFrame::refillList() {
    const scan::CDisplayRange &range = m_display.range();
    m_list->refill(m_spectra.current(), m_absorbance, range.showPeaks != 0, range.showValleys != 0);
}

std::optional<scan::DataExtent> CScanFrame::dataExtent() const {
    std::optional<scan::DataExtent> extent;
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        const scan::CWaveSpectrum &spectrum = m_spectra.at(i);
        if (spectrum.acquiring.load() || spectrum.points().empty())
            continue;
        const double last = spectrum.wavelengthAt(spectrum.points().size() - 1);
        if (const auto own = scan::valuesExtent(spectrum.start, last, spectrum.points(), m_absorbance))
            extent = extent ? scan::merged(*extent, *own) : *own;
    }
    return extent;
}

std::string CScanFrame::currentName() const {
    const scan::CWaveSpectrum *current = m_spectra.current();
    return current ? current->name : std::string();
}

void CScanFrame::recomputeMarks(float threshold) {
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (!m_spectra.at(i).acquiring.load())
            m_spectra.at(i).recomputeMarks(threshold);
}

bool CScanFrame::openFile(const QString &path) {
    auto spectrum = std::make_unique<scan::CWaveSpectrum>(scan::CWaveSpectrum::makeNew());
    std::size_t supplied = 0;
    if (!readSpectrumFile(path.toStdString(), *spectrum, &supplied))
        return false;
    // The missing points read as 0, as stored files always have; the operator is told.
    if (supplied < spectrum->points().size())
        messages().show("Spectavo",
                        strings::trFormat(scan::scanfile::kShortFile, static_cast<int>(supplied),
                                          static_cast<int>(spectrum->points().size())),
                        shell::MessageService::Icon::Warning);
    spectrum->recomputeMarks(m_host.program.flags.peakHeight);
    m_spectra.insertFront(std::move(spectrum));
    m_spectra.setCurrent(0);
    refresh();
    return true;
}

bool CScanFrame::event(QEvent *event) {
    if (event->type() == NotifyEvent::eventType()) {
        const link::Notification &notification = static_cast<NotifyEvent *>(event)->notification();
        if (notification.kind == link::NotifyKind::Station &&
            notification.code == link::kStationTransferDone && m_awaitingFile)
            acceptArrivedFile();
        else
            m_acquisition.handleNotification(notification);
        return true;
    }
    return CScanWindow::event(event);
}

// --- what the scans show ---

void CScanFrame::showState(const std::string &text) {
    m_host.showState(text);
    if (text == "Ready") {
        m_host.showProgress(0, 0);
        m_fitPending = true;
    }
}

void CScanFrame::inform(const std::string &text) {
    messages().show("Spectavo", text, shell::MessageService::Icon::Information);
}

void CScanFrame::refuse(const std::string &text) {
    messages().show("Spectavo", text, shell::MessageService::Icon::Error);
}

void CScanFrame::spectraChanged() {
    if (std::exchange(m_fitPending, false))
        fitAfterMeasurement();
    refresh();
    const WaveAcquisition::Progress progress = m_acquisition.progress();
    m_host.showProgress(progress.received, progress.total);
}

void CScanFrame::measured(const scan::CWaveSpectrum &spectrum, MeasuredState state,
                          MeasuredClock::time_point started) {
    const std::string method = strings::formatC(
        "%.1f-%.1f nm, step %.2f nm, filter %d", static_cast<double>(spectrum.end),
        static_cast<double>(spectrum.start), static_cast<double>(spectrum.step), spectrum.filter);
    m_host.keepResult(measuredResult("wavescan", state, started, spectrum.sampleName(), method, "sca",
                                     scan::spectrumFileText(spectrum)));
}

void CScanFrame::pointsArrived() {
    m_view->addArrivedSegments();
    const WaveAcquisition::Progress progress = m_acquisition.progress();
    m_host.showProgress(progress.received, progress.total);
}

// The energy scan shows its values as they come, as the Abs command would.
void CScanFrame::switchToAbsorbance() {
    modeCommand(true);
    m_host.setAbsorbance(true);
}

// --- enabling rules ---

bool CScanFrame::servedByLink() const {
    return m_acquisition.scanning() || m_awaitingFile;
}

bool CScanFrame::currentSaveable() const {
    const scan::CWaveSpectrum *current = m_spectra.current();
    return current && !current->acquiring.load();
}

scan::ScanWindowState CScanFrame::commandState() const {
    link::StationLink &link = m_host.program.link;
    scan::ScanWindowState state;
    state.instrumentReady = m_acquisition.instrumentReady();
    state.linkFree = link.status().linkOnline.load() == 1 && !link.acquisition().open.load();
    for (int cell : m_host.program.cells.cellInstalled)
        state.installedCells += cell != 0;
    state.servedByLink = servedByLink();
    state.currentSaveable = currentSaveable();
    state.spectrumCount = static_cast<int>(m_spectra.size());
    state.canUndoScales = m_display.canUndo();
    state.zoomMode = m_view->zoomMode();
    state.searchMode = m_view->searchMode();
    state.absorbance = m_absorbance;
    state.showPeaks = m_display.range().showPeaks != 0;
    state.showValleys = m_display.range().showValleys != 0;
    return state;
}

} // namespace spectavo::app
