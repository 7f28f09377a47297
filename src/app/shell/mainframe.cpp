#include "app/shell/mainframe.h"
#include "app/shell/accessorydialogs.h"
#include "app/shell/resultsrecorder.h"

#include <algorithm>
#include <thread>

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include "app/measurementwindow.h"
#include "app/widgets/fonts.h"
#include "app/widgets/uitext.h"
#include "app/windowkinds.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/wave/scansettings.h"
#include "core/shell/windowappearance.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {

CMainFrame::CMainFrame(link::StationLink &link, shell::MessageService *messages, int connected)
    : m_link(link), m_messages(messages), m_model(link), m_documents(new QMdiArea(this)),
      m_refresh(new QTimer(this)) {
    setWindowTitle(ui("Spectavo"));
    resize(800, 600);
    setCentralWidget(m_documents);
    for (std::size_t i = 0; i < m_panes.size(); ++i) {
        m_panes[i] = new QLabel(this);
        m_panes[i]->setObjectName(QString("pane%1").arg(i));
        if (i == 0)
            statusBar()->addWidget(m_panes[i], 1);
        else
            statusBar()->addPermanentWidget(m_panes[i]);
    }
    m_progress = new QProgressBar(this);
    m_progress->setObjectName("scanProgress");
    m_progress->setMaximumWidth(160);
    m_progress->setFormat(ui("%v of %m"));
    m_progress->hide();
    statusBar()->addPermanentWidget(m_progress);
    buildMenus();
    connect(m_documents, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow *window) { showDocumentCommands(window); });

    m_shared.load();
    setAcceptDrops(true);
    m_recent.load(ProfileFile(kAnalystSettingsFile, true));
    m_link.setMainTarget(&m_target);
    m_link.setRemoteStartTarget(&m_target);
    m_link.setMessages(&m_linkMessages);
    installScanSetupProvider();
    applyAppearance();
    m_link.readStationStatusFile();
    m_model.accessories().loadCells(ProfileFile(shell::AccessorySettings::kCellsFile, true));
    m_model.accessories().loadSipper(ProfileFile(shell::AccessorySettings::kSipperFile, true));
    const ProfileFile analyst(kAnalystSettingsFile, true);
    m_model.flags().peakHeight = analyst.GetFloat("ZAV Range", "PeakHeight", "0.03");
    for (const auto &start : m_model.onCreated(connected))
        startTimer(start);
    applyPaneFont();
    showPanes();

    // Enabling rules are re-evaluated on a short timer, after every notification and before a menu
    // shows.
    connect(m_refresh, &QTimer::timeout, this, [this] { refreshCommands(); });
    m_refresh->start(200);
    refreshCommands();
    newDocument(shell::documentKindFromNumber(analyst.GetInt("Spectavo", "LastType", 0)));
}

CMainFrame::~CMainFrame() {
    // The documents go after this object's own part: they must not call back into it.
    disconnect(m_documents, nullptr, this, nullptr);
    shutDownLink();
}

// The handshake ends with the scan parameters. The receive thread sends them, so it gets a copy of the
// settings as they are now, never the window's own; the copy is renewed before every link request.
void CMainFrame::installScanSetupProvider() {
    m_link.setScanSetupProvider(
        m_shared.scan.setupProvider(ProfileFile(scan::ScanSettings::kFileName, true)));
}

void CMainFrame::applyAppearance() {
    const shell::WindowAppearance appearance =
        shell::WindowAppearance::load(ProfileFile(kAnalystSettingsFile, true));
    setWindowFlag(Qt::WindowStaysOnTopHint, appearance.stayOnTop);
    setWindowFlag(Qt::FramelessWindowHint, !appearance.titleBar);
    m_coverScreen = appearance.coverScreen;
    if (m_coverScreen)
        fitAvailableArea();
    else
        setMinimumSize(640, 480);
}

// The screen's working area (without panels and docks), frame included: the status bar stays on the
// screen. The frame is known only once the window manager has framed and placed the window, so this
// runs again whenever the window moves: the window's own top and the frame's borders then say how
// much room is left below.
void CMainFrame::fitAvailableArea() {
    if (!m_coverScreen || !screen())
        return;
    const QRect area = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    const int right = frame.right() - inside.right();
    const int bottom = frame.bottom() - inside.bottom();
    const int top = std::max(inside.top(), area.top() + (inside.top() - frame.top()));
    const int left = std::max(inside.left(), area.left() + (inside.left() - frame.left()));
    const QSize size(std::max(area.right() - right - left + 1, 320),
                     std::max(area.bottom() - bottom - top + 1, 240));
    if (size == this->size() && minimumSize() == size && maximumSize() == size)
        return;
    setMinimumSize(size);
    setMaximumSize(size);
    if (frame.topLeft() != area.topLeft())
        move(area.topLeft());
}

void CMainFrame::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        fitAvailableArea();
        for (QMdiSubWindow *window : m_documents->subWindowList())
            keepInsideWorkspace(window);
    });
}

// The window manager frames the window after it is shown: once the frame is known (or changes), the
// window fits again.
void CMainFrame::moveEvent(QMoveEvent *event) {
    QMainWindow::moveEvent(event);
    if (m_coverScreen)
        QTimer::singleShot(0, this, [this] { fitAvailableArea(); });
}

void QtLinkMessages::showLinkMessage(const std::string &caption, const std::string &text) {
    QMetaObject::invokeMethod(
        m_context,
        [messages = m_messages, caption, text] {
            messages->show(caption, text, shell::MessageService::Icon::Error);
        },
        Qt::QueuedConnection);
}

QString CMainFrame::paneText(int pane) const {
    return m_panes.at(static_cast<std::size_t>(pane))->text();
}

void CMainFrame::startTimer(const shell::MainFrameModel::TimerStart &start) {
    m_timers->singleShot(start.milliseconds, this, [this, timer = start.timer] {
        // Every link request ends in a handshake, which sends the scan settings as they are now.
        if (timer == shell::MainFrameModel::Timer::LinkRequest)
            installScanSetupProvider();
        for (const auto &next : m_model.onTimer(timer))
            startTimer(next);
        showPanes();
    });
}

// The panes use font settings entry 0 of the application settings.
void CMainFrame::applyPaneFont() {
    const QFont font = toQFont(ProfileFile(kAnalystSettingsFile, true).GetFont(0));
    for (QLabel *pane : m_panes)
        pane->setFont(font);
}

void CMainFrame::showPanes() {
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        m_panes[i]->setText(ui(m_model.panes()[i]));
}

bool CMainFrame::event(QEvent *event) {
    if (event->type() == NotifyEvent::eventType()) {
        onNotification(static_cast<NotifyEvent *>(event)->notification());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::onNotification(const link::Notification &notification) {
    if (notification.kind == link::NotifyKind::RemoteStart) {
        forwardRemoteStart(notification.code);
        return;
    }
    if (notification.kind != link::NotifyKind::Station)
        return;
    using Reaction = shell::MainFrameModel::Reaction;
    const Reaction reaction = m_model.handleStationNotify(notification.code, notification.value);
    for (MeasurementWindow *document : openWindows())
        document->stationNotified(notification);
    showPanes();
    refreshCommands();
    using Icon = shell::MessageService::Icon;
    switch (reaction) {
    case Reaction::AskRecalibrate:
        m_model.answerBootQuestion(
            m_messages->ask("Spectavo", SPECTAVO_TEXT("Recalibrate System?"), Icon::Information));
        break;
    case Reaction::AskInitFileSystem:
        m_model.answerBootQuestion(m_messages->ask(
            "Spectavo", SPECTAVO_TEXT("File system error.\nInitialize file system?"), Icon::Question));
        break;
    case Reaction::WavelengthOutOfRange:
        m_messages->show("Spectavo", SPECTAVO_TEXT("Wavelength out of range, please restart Photrak!"),
                         Icon::Error);
        break;
    case Reaction::D2EnergyLow:
        m_messages->show(
            "Spectavo",
            SPECTAVO_TEXT(
                "D2 lamp energy too low!\n\nTurn off Photrak and check the system, then try again.\n\n"
                "Or, click the OK button to continue."),
            Icon::Information);
        m_model.acknowledgeD2EnergyLow();
        break;
    case Reaction::RefreshStatusWindow:
        showStatusWindow();
        break;
    default:
        break;
    }
}

bool CMainFrame::openDocumentFile(const QString &path) {
    const auto kind = shell::documentKindForFile(path.toStdString());
    if (!kind)
        return false;
    if (!newDocument(*kind, path))
        return false;
    m_recent.add(path.toStdString());
    recordFile("document loaded", path);
    return true;
}

void CMainFrame::openDocumentFiles(const QStringList &paths) {
    m_documents->setUpdatesEnabled(false);
    for (const QString &path : paths)
        openDocumentFile(path);
    m_documents->setUpdatesEnabled(true);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event) {
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile());
    openDocumentFiles(paths);
    event->acceptProposedAction();
}

WindowHost CMainFrame::windowHost(shell::DocumentKind kind) {
    WindowHost host{{m_link, m_shared, m_model.flags(), m_model.accessories().cellsOf(kind)}};
    host.showState = [this](const std::string &text) {
        m_model.showViewState(text);
        showPanes();
    };
    host.showProgress = [this](int received, int total) { showScanProgress(received, total); };
    host.setAbsorbance = [this](bool absorbance) { setPhotometricMode(absorbance); };
    host.modeCommand = [this](bool absorbance) { photometricModeCommand(absorbance); };
    host.documentSaved = [this](QWidget *document, const QString &path) { documentSaved(document, path); };
    host.fileWritten = [this](const char *what, const QString &path) { recordFile(what, path); };
    host.trailHead = [this] { return m_recorder ? m_recorder->headText() : std::string(); };
    host.keepResult = [this](store::ResultRecord result) {
        if (m_recorder)
            m_recorder->keep(std::move(result));
    };
    host.multicellDialog = [this, kind](bool withConcentrations) {
        return chooseCells(kind, withConcentrations);
    };
    return host;
}

bool CMainFrame::chooseCells(std::optional<shell::DocumentKind> kind, bool withConcentrations) {
    shell::AccessorySettings &accessories = m_model.accessories();
    program::CellSelection chosen = kind ? accessories.cellsOf(*kind) : accessories.cells();
    const QString owner = kind ? ui(shell::documentKindInfo(*kind).title) : QString();
    if (!showMulticellDialog(this, chosen, m_link.status().cellCount.load(), withConcentrations, owner))
        return false;
    if (kind)
        accessories.chooseCells(*kind, chosen);
    else
        accessories.chooseCells(chosen);
    refreshCommands();
    return true;
}

void CMainFrame::documentSaved(QWidget *document, const QString &path) {
    for (QMdiSubWindow *window : m_documents->subWindowList())
        if (window->widget() == document)
            window->setWindowTitle(QFileInfo(path).fileName());
    m_recent.add(path.toStdString());
    recordFile("document saved", path);
}

bool CMainFrame::newDocument(shell::DocumentKind kind, const QString &file) {
    const WindowKind &entry = windowKind(kind);
    MeasurementWindow *document = entry.make(windowHost(kind));
    if (!file.isEmpty() && !document->openFile(file)) {
        delete document->widget();
        m_messages->show("Spectavo", strings::trFormat("Cannot read %s.", file.toStdString().c_str()),
                         shell::MessageService::Icon::Error);
        return false;
    }
    // The next start opens a document of the kind created last, whatever the kind.
    ProfileFile(kAnalystSettingsFile, true).PutInt("Spectavo", "LastType", static_cast<int>(kind));
    QMdiSubWindow *window = m_documents->addSubWindow(document->widget());
    window->setWindowTitle(file.isEmpty() ? ui(shell::documentKindInfo(kind).title)
                                          : QFileInfo(file).fileName());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(entry.initialSize);
    window->show();
    keepInsideWorkspace(window);
    return true;
}

// A new window is never partly outside the workspace, where its close button could not be reached: it
// shrinks to the workspace and moves in from the right and bottom edges.
void CMainFrame::keepInsideWorkspace(QMdiSubWindow *window) const {
    // Before the main window shows, the workspace has no size of its own yet; the first show does this.
    const QSize space = m_documents->viewport()->size();
    if (!m_documents->isVisible() || space.isEmpty())
        return;
    const QSize size = window->size().boundedTo(space);
    const QPoint place(std::clamp(window->x(), 0, space.width() - size.width()),
                       std::clamp(window->y(), 0, space.height() - size.height()));
    window->setGeometry(QRect(place, size));
}

// The current document window, also while another top-level window (the status window, the help)
// has the focus: the main window's commands are still meant for it.
MeasurementWindow *CMainFrame::activeWindow() const {
    QMdiSubWindow *active = m_documents->currentSubWindow();
    return active ? measurementWindow(active->widget()) : nullptr;
}

std::vector<MeasurementWindow *> CMainFrame::openWindows() const {
    std::vector<MeasurementWindow *> windows;
    for (QMdiSubWindow *window : m_documents->subWindowList())
        if (MeasurementWindow *document = measurementWindow(window->widget()))
            windows.push_back(document);
    return windows;
}

void CMainFrame::closeEvent(QCloseEvent *event) {
    // Every window's questions first, and nothing closes until all are answered: the first window that
    // refuses (a run in progress, Cancel on a save question) keeps every window and the program open.
    const QList<QMdiSubWindow *> windows = m_documents->subWindowList();
    for (QMdiSubWindow *window : windows)
        if (MeasurementWindow *document = measurementWindow(window->widget());
            document && !document->confirmClose()) {
            event->ignore();
            return;
        }
    for (QMdiSubWindow *window : windows) {
        if (MeasurementWindow *document = measurementWindow(window->widget()))
            document->settleClose();
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    if (m_link.channel().IsHubConnected() && m_link.status().linkOnline.load() == 1) {
        m_link.commands().Unlink();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    shutDownLink();
    event->accept();
}

void CMainFrame::shutDownLink() {
    if (m_linkShutDown)
        return;
    m_linkShutDown = true;
    m_refresh->stop();
    m_link.operations().EndTimedSampling();
    m_link.operations().CloseAcquisition();
    m_link.channel().StopReceiver();
    if (m_link.channel().IsHubConnected())
        m_link.channel().CloseHub();
    m_link.channel().ReleaseHubDriver();
    m_link.setMainTarget(nullptr);
    m_link.setRemoteStartTarget(nullptr);
    m_link.setMessages(nullptr);
    m_link.setScanSetupProvider(nullptr);
    m_link.writeStationStatusFile();
    m_shared.save();
    {
        ProfileFile::Batch settings(ProfileFile(kAnalystSettingsFile, true));
        m_recent.save(settings);
    }
    {
        ProfileFile::Batch cells(ProfileFile(shell::AccessorySettings::kCellsFile, true));
        m_model.accessories().saveCells(cells, m_link.status().cellCount.load(),
                                        m_link.status().currentCell.load());
    }
    {
        ProfileFile::Batch sipper(ProfileFile(shell::AccessorySettings::kSipperFile, true));
        m_model.accessories().saveSipper(sipper);
    }
    ProfileFile(kAnalystSettingsFile, true).PutFloat("ZAV Range", "PeakHeight", m_model.flags().peakHeight);
}

// The active document's menus go before "Help"; its toolbar joins the main window's.
void CMainFrame::showDocumentCommands(QMdiSubWindow *window) {
    // The area reports no active window while another top-level window has the focus; the current
    // document keeps its menus then.
    if (!window)
        window = m_documents->currentSubWindow();
    if (window && window == m_shownDocument)
        return;
    m_shownDocument = window;
    for (const QPointer<QAction> &menu : m_documentMenus)
        if (menu)
            menuBar()->removeAction(menu);
    m_documentMenus.clear();
    if (m_documentBar) {
        removeToolBar(m_documentBar);
        m_documentBar = nullptr;
    }
    MeasurementWindow *document = window ? measurementWindow(window->widget()) : nullptr;
    if (!document)
        return;
    QAction *help = menuBar()->actions().value(menuBar()->actions().size() - 1);
    for (QMenu *menu : document->menus())
        m_documentMenus.push_back(menuBar()->insertMenu(help, menu));
    m_documentBar = document->toolBar();
    if (m_documentBar) {
        addToolBar(m_documentBar);
        m_documentBar->show();
    }
    document->refreshCommands();
}

void CMainFrame::showScanProgress(int received, int total) {
    m_progress->setVisible(total > 0);
    if (total > 0) {
        m_progress->setRange(0, total);
        m_progress->setValue(received);
    }
}

// A remote start goes to the active window when it takes one, else to the first open one that does.
void CMainFrame::forwardRemoteStart(int code) {
    MeasurementWindow *target = activeWindow();
    if (!target || !target->acceptsRemoteStart()) {
        target = nullptr;
        for (MeasurementWindow *document : openWindows())
            if (!target && document->acceptsRemoteStart())
                target = document;
    }
    if (target)
        target->remoteStart(code);
}

} // namespace spectavo::app
