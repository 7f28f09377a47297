// The main window's menus: each command is an action tagged with its id, enabled and checked by the
// model's rules.

#include <thread>

#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include "app/shell/accessorydialogs.h"
#include "app/shell/filemanagementdialog.h"
#include "app/shell/gotodialog.h"
#include "app/shell/helpviewer.h"
#include "app/shell/hubsetupdialog.h"
#include "app/shell/mainframe.h"

#include "app/shell/qtdesktopservices.h"
#include "app/shell/resultsrecorder.h"
#include "app/shell/servicedialogs.h"
#include "app/shell/smalldialogs.h"
#include "app/widgets/fonts.h"
#include "app/widgets/menucommands.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/config/programdir.h"
#include "core/config/settingsfiles.h"
#include "core/link/stationrules.h"
#include "core/shell/commandids.h"
#include "core/shell/desktopservices.h"

namespace spectavo::app {

using namespace shell;

QAction *CMainFrame::command(QMenu *menu, int id, const QString &text, std::function<void()> handler,
                             bool checkable) {
    QAction *action = addMenuCommand(menu, text);
    action->setCheckable(checkable);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
        handler();
        showPanes();
        refreshCommands();
    });
    m_commands[id] = action;
    return action;
}

void CMainFrame::addCommands(QMenu *menu, std::initializer_list<MenuCommand> commands) {
    for (const MenuCommand &entry : commands) {
        if (!entry.text)
            menu->addSeparator();
        else
            command(menu, entry.id, ui(entry.text), entry.run, entry.checkable);
    }
}

void CMainFrame::buildMenus() {
    buildFileMenu();
    QMenu *system = buildSystemMenu();
    QMenu *instrument = menuBar()->addMenu(ui("&Instrument"));
    buildInstrumentCommands(instrument);
    QMenu *slit = buildSlitMenu(instrument);
    QMenu *cells = buildCellMenu(instrument);
    QMenu *sipper = buildSipperMenu(instrument);
    addCommands(
        instrument,
        {{},
         {kCmdAbsorbance, SPECTAVO_TEXT("&Absorbance"), [this] { photometricModeCommand(true); }, true},
         {kCmdTransmittance, SPECTAVO_TEXT("&%T"), [this] { photometricModeCommand(false); }, true}});
    buildToolBars();
    buildWindowMenu();
    buildHelpMenu();
    for (QMenu *menu : {system, instrument, slit, cells, sipper})
        connect(menu, &QMenu::aboutToShow, this, [this] { refreshCommands(); });
}

void CMainFrame::buildFileMenu() {
    QMenu *file = menuBar()->addMenu(ui("&File"));
    for (const DocumentKindInfo &kind : documentKinds())
        file->addAction(ui(kind.newCommand), this, [this, kind = kind.kind] { newDocument(kind); });
    connect(addMenuCommand(file, "&Open...\tCtrl+O"), &QAction::triggered, this, [this] {
        openDocumentFiles(QFileDialog::getOpenFileNames(this, ui("Open"), {},
                                                        QString::fromStdString(documentFileFilter())));
    });
    m_recentMenu = file->addMenu(ui("Recent &Files"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    file->addSeparator();
    m_resultsAction = file->addAction(ui("Res&ults..."), this, [this] { showResults(); });
    m_auditAction = file->addAction(ui("Au&dit Trail..."), this, [this] { showAuditTrail(); });
    m_accountsAction = file->addAction(ui("User &Accounts..."), this, [this] { showUserAccounts(); });
    m_resultsAction->setEnabled(false);
    m_auditAction->setEnabled(false);
    m_accountsAction->setVisible(false);
    file->addSeparator();
    connect(addMenuCommand(file, "E&xit\tCtrl+Q"), &QAction::triggered, this, [this] { close(); });
}

QMenu *CMainFrame::buildSystemMenu() {
    QMenu *system = menuBar()->addMenu(ui("&System"));
    const auto stop = [this] {
        m_link.operations().StopMeasurement();
        for (MeasurementWindow *document : openWindows())
            document->stopRequested();
    };
    addCommands(
        system,
        {{kCmdLink, SPECTAVO_TEXT("&Link Spectrophotometer"), [this] { toggleLink(); }, true},
         {kCmdReset, SPECTAVO_TEXT("&Reset Spectrophotometer"), [] {}},
         {kCmdEscape, SPECTAVO_TEXT("&Escape"), [this] { m_link.operations().StopMeasurement(); }},
         {kCmdStop, SPECTAVO_TEXT("S&top"), stop},
         {kCmdPause, SPECTAVO_TEXT("&Pause"), [] {}},
         {},
         {kCmdHubSetup, SPECTAVO_TEXT("&Comm hub setup"), [this] { openHubSetup(); }},
         {kCmdInternalKeypad, SPECTAVO_TEXT("Enable &Internal Keypad"), [] {}},
         {kCmdChangePassword, SPECTAVO_TEXT("&Change Password"), [this] { showChangePasswordDialog(this); }},
         {kCmdStatusFont, SPECTAVO_TEXT("Status &font"), [this] { chooseStatusFont(); }}});
    return system;
}

void CMainFrame::chooseStatusFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_panes[0]->font(), this);
    if (!chosen)
        return;
    ProfileFile settings(kAnalystSettingsFile, true);
    settings.PutFont(0, fromQFont(font));
    applyPaneFont();
}

void CMainFrame::buildInstrumentCommands(QMenu *instrument) {
    // Commands the instrument answers later show it as busy at once.
    const auto busy = [this] { m_model.handleStationNotify(link::kStationState, link::kStateBusy); };
    addCommands(instrument,
                {{kCmdStatusWindow, SPECTAVO_TEXT("Status of Spectrophoto&meter"),
                  [this] {
                      showStatusWindow();
                      m_link.commands().QueryStatus();
                  }},
                 {kCmdDarkCurrent, SPECTAVO_TEXT("View Dar&k Current"),
                  [this, busy] {
                      busy();
                      CDarkCurrentDialog dialog(m_link, this);
                      dialog.exec();
                  }},
                 {kCmdAmplifier, SPECTAVO_TEXT("Set A&mplifier"),
                  [this] { showAmplifierDialog(m_link, this, false); }},
                 {kCmdCalibrateBaseline, SPECTAVO_TEXT("&Calibrate System Baseline"),
                  [this, busy] {
                      busy();
                      m_link.commands().CalibrateBaseline();
                  }},
                 {kCmdLocate656, SPECTAVO_TEXT("Locate &656.1nm"),
                  [this, busy] {
                      busy();
                      m_link.commands().Locate656();
                  }},
                 {kCmdGoto, SPECTAVO_TEXT("&Goto Wavelength..."),
                  [this] {
                      CGotoDialog dialog(m_link, m_model.flags().absorbanceMode, this);
                      dialog.exec();
                  }},
                 {kCmdSwitchPoint, SPECTAVO_TEXT("D2/W Switch &Point"),
                  [this, busy] {
                      if (showSwitchPointDialog(this, m_link))
                          busy();
                  }},
                 {kCmdOpenInstrumentFile, SPECTAVO_TEXT("Open file from &UV-Rediradozu"),
                  [this] { openInstrumentFile(); }},
                 {kCmdD2Lamp, SPECTAVO_TEXT("Turn on/off &D2 lamp"), [this] { switchD2Lamp(); }, true},
                 {kCmdWLamp, SPECTAVO_TEXT("Turn on/off &W lamp"), [this] { m_model.switchWLamp(); }, true}});
}

QMenu *CMainFrame::buildSlitMenu(QMenu *instrument) {
    QMenu *slit = instrument->addMenu(ui("Slit &Bandwidth"));
    const char *slits[] = {"0.5nm", "1.0nm", "2.0nm", "4.0nm"};
    for (int i = 0; i < 4; ++i)
        command(
            slit, kCmdSlit05 + i, slits[i],
            [this, i] { m_link.commands().SetSlit(static_cast<std::uint8_t>(link::kSlit05nm + i)); }, true);
    return slit;
}

QMenu *CMainFrame::buildCellMenu(QMenu *instrument) {
    QMenu *cells = instrument->addMenu(ui("&Cells"));
    for (int i = 0; i < 8; ++i)
        command(
            cells, kCmdCell1 + i, ui("Cell &%1").arg(i + 1),
            [this, i] {
                m_link.status().currentCell = static_cast<std::uint8_t>(i);
                m_link.commands().SelectCellOnce(static_cast<std::uint8_t>(i));
            },
            true);
    addCommands(cells, {{kCmdMulticells, SPECTAVO_TEXT("Setup &MultiCells"), [this] {
                             MeasurementWindow *active = activeWindow();
                             if (active && active->multicellSetup())
                                 return;
                             chooseCells(active ? std::optional(active->kind()) : std::nullopt, false);
                         }}});
    return cells;
}

QMenu *CMainFrame::buildSipperMenu(QMenu *instrument) {
    QMenu *sipper = instrument->addMenu(ui("Auto &Sipper"));
    AccessorySettings &accessories = m_model.accessories();
    const auto sippingTime = [this, &accessories] {
        const ProfileFile limits(AccessorySettings::kSipperFile, true);
        showIntegerInput(this, ui("Please input the sipping time(>2s)"), accessories.sipTimeS,
                         AccessorySettings::sipTimeLimits(limits));
    };
    const auto sippingInterval = [this, &accessories] {
        const ProfileFile limits(AccessorySettings::kSipperFile, true);
        showIntegerInput(this, ui("Please input the sipping interval(>2s)"), accessories.sipIntervalS,
                         AccessorySettings::sipIntervalLimits(limits));
    };
    addCommands(
        sipper,
        {{kCmdSipperConnected, SPECTAVO_TEXT("Sipper C&onnected"),
          [&accessories] { accessories.sipperConnected = accessories.sipperConnected ? 0 : 1; }, true},
         {kCmdSipperSetup, SPECTAVO_TEXT("&Sipper Setup"),
          [this, &accessories] { showSipperSetupDialog(this, accessories); }},
         {kCmdSippingTime, SPECTAVO_TEXT("Sipping &Time"), sippingTime},
         {kCmdSippingInterval, SPECTAVO_TEXT("Sipping &Interval"), sippingInterval},
         {kCmdEnableSipper, SPECTAVO_TEXT("&Enable Sipper"), [] {}, true},
         {kCmdDisableSipper, SPECTAVO_TEXT("&Disable Sipper"), [] {}, true},
         {kCmdFlushSipper, SPECTAVO_TEXT("Flush the sipper"), [] {}}});
    return sipper;
}

// Toolbars: the instrument's everyday commands, and the accessory bar (its sipper variant when the
// instrument reports a sipper).
void CMainFrame::buildToolBars() {
    QToolBar *systemBar = addToolBar(ui("System"));
    systemBar->setObjectName("System");
    for (int id : {kCmdLink, kCmdEscape, kCmdStop, kCmdGoto, kCmdCalibrateBaseline})
        systemBar->addAction(m_commands.at(id));
    // The link button carries a lamp beside its text: a checked button alone does not tell an
    // operator that a click will unlink.
    if (auto *linkButton = qobject_cast<QToolButton *>(systemBar->widgetForAction(m_commands.at(kCmdLink))))
        linkButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_accessoryBar = addToolBar(ui("Auto Sampling"));
    m_accessoryBar->setObjectName("Auto Sampling");
    showAccessoryBar(false);
}

void CMainFrame::buildHelpMenu() {
    QMenu *help = menuBar()->addMenu(ui("&Help"));
    // F1: the help of the active window's kind, or the first topic without one.
    connect(addMenuCommand(help, "&Help Topics\tF1"), &QAction::triggered, this,
            [this] { openHelp(activeHelpTopic()); });
    help->addSeparator();
    for (const HelpTopic &topic : helpTopics())
        help->addAction(ui(topic.menuText), this, [this, id = topic.commandId] { openHelp(id); });
    help->addSeparator();
    help->addAction(ui("Add a new printer"), this, [this] {
        QtDesktopServices desktop;
        if (!openPrinterSettings(desktop))
            m_messages->show("Spectavo", kNoPrinterTool, MessageService::Icon::Information);
    });
    help->addAction(ui("&About Spectavo"), this, [this] { showAboutBox(this, m_link.status()); });
}

// Windows opened partly off the screen stay reachable: cascade, tile, or pick one from the list.
void CMainFrame::buildWindowMenu() {
    QMenu *windows = menuBar()->addMenu(ui("&Window"));
    connect(windows, &QMenu::aboutToShow, this, [this, windows] {
        windows->clear();
        windows->addAction(ui("&Cascade"), m_documents, &QMdiArea::cascadeSubWindows);
        windows->addAction(ui("&Tile"), m_documents, &QMdiArea::tileSubWindows);
        windows->addSeparator();
        int number = 1;
        for (QMdiSubWindow *window : m_documents->subWindowList()) {
            QAction *entry =
                windows->addAction(QString("&%1 %2").arg(number++).arg(window->windowTitle()), this,
                                   [this, window] { m_documents->setActiveSubWindow(window); });
            entry->setCheckable(true);
            entry->setChecked(window == m_documents->currentSubWindow());
        }
    });
}

// The help topic of the active window's kind.
int CMainFrame::activeHelpTopic() const {
    const MeasurementWindow *active = activeWindow();
    return shell::helpTopicOf(active ? std::optional(active->kind()) : std::nullopt);
}

void CMainFrame::fillRecentMenu() {
    m_recentMenu->clear();
    int number = 1;
    for (const std::string &path : m_recent.files()) {
        const QString file = QString::fromStdString(path);
        m_recentMenu->addAction(QString("&%1 %2").arg(number++).arg(file), this,
                                [this, file] { openDocumentFile(file); });
    }
}

// The pages show in the program's own viewer: no desktop opener or browser is needed.
void CMainFrame::openHelp(int commandId) {
    if (!m_helpViewer)
        m_helpViewer = new CHelpViewer(QString::fromStdString(programDataPath("help")), this);
    if (!m_helpViewer->showTopic(commandId))
        m_messages->show("Spectavo", kHelpMissing, MessageService::Icon::Information);
}

// The instrument's file browser; the chosen file goes to the active window, which asks for it.
void CMainFrame::openInstrumentFile() {
    MeasurementWindow *target = activeWindow();
    CFileManagementDialog dialog(m_link, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.choice())
        return;
    if (target && target == activeWindow())
        target->takeInstrumentFile(*dialog.choice());
}

void CMainFrame::showAccessoryBar(bool sipper) {
    m_accessoryBar->clear();
    for (int i = 0; i < 8; ++i)
        m_accessoryBar->addAction(m_commands.at(kCmdCell1 + i));
    if (sipper)
        m_accessoryBar->addAction(m_commands.at(kCmdSipperConnected));
}

void CMainFrame::refreshCommands() {
    // A changed accessory: restart after a long operation found it, else the matching accessory bar.
    switch (link::checkAccessoryChange(m_link.status())) {
    case link::AccessoryReaction::AskForRestart:
        m_messages->show("Spectavo", link::kNewDeviceFound, MessageService::Icon::Stop);
        break;
    case link::AccessoryReaction::ShowSipperToolbar:
        showAccessoryBar(true);
        break;
    case link::AccessoryReaction::ShowPlainToolbar:
        showAccessoryBar(false);
        break;
    default:
        break;
    }
    if (MeasurementWindow *active = activeWindow())
        active->refreshCommands();
    const bool children = !m_documents->subWindowList().isEmpty();
    for (auto &[id, action] : m_commands) {
        action->setEnabled(m_model.enabled(id, children));
        if (action->isCheckable())
            action->setChecked(m_model.checked(id));
    }
    showLinkState(m_model.checked(kCmdLink));
}

void CMainFrame::showLinkState(bool linked) {
    QAction *link = m_commands.at(kCmdLink);
    const bool known = link->property("linked").isValid();
    if (known && link->property("linked").toBool() == linked)
        return;
    link->setProperty("linked", linked);
    if (m_recorder && (known || linked))
        m_recorder->recordLink(linked);
    QPixmap lamp(16, 16);
    lamp.fill(Qt::transparent);
    QPainter painter(&lamp);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(linked ? QColor(0, 110, 0) : QColor(120, 120, 120), 1.5));
    painter.setBrush(linked ? QColor(40, 190, 40) : Qt::transparent);
    painter.drawEllipse(QRectF(3, 3, 10, 10));
    painter.end();
    link->setIcon(QIcon(lamp));
    link->setToolTip(linked ? ui("The instrument is linked: click to unlink it")
                            : ui("The instrument is not linked: click to link it"));
}

void CMainFrame::toggleLink() {
    if (m_link.status().linkOnline.load() == 1) {
        if (m_link.channel().IsHubConnected()) {
            m_link.commands().Unlink();
            m_link.channel().WaitSendIdle();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        m_link.status().linkOnline = 0;
        return;
    }
    for (const auto &start : m_model.relink())
        startTimer(start);
}

void CMainFrame::switchD2Lamp() {
    bool showMessage = false;
    if (const auto warmup = m_model.switchD2Lamp(&showMessage))
        startTimer(*warmup);
    if (showMessage)
        m_messages->show("Spectavo", MainFrameModel::kWarmupMessage, MessageService::Icon::Information);
}

void CMainFrame::showStatusWindow() {
    if (!m_statusWindow) {
        m_statusWindow = new CStatusWindow(m_link, this);
        m_statusWindow->setModal(false);
    }
    m_statusWindow->refresh();
    m_statusWindow->show();
}

void CMainFrame::openHubSetup() {
    CHubSetup dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Reload the chosen driver: unlink, stop, close, release, then the start-up timer again.
    if (m_link.status().linkOnline.load() == 1 && m_link.channel().IsHubConnected()) {
        m_link.commands().Unlink();
        m_link.channel().WaitSendIdle();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    m_link.status().linkOnline = 0;
    m_link.channel().StopReceiver();
    if (m_link.channel().IsHubConnected())
        m_link.channel().CloseHub();
    m_link.channel().ReleaseHubDriver();
    startTimer({MainFrameModel::Timer::LinkStart, 100});
}

// The operator's mode command: each scan window keeps its display for undo first.
void CMainFrame::photometricModeCommand(bool absorbance) {
    m_model.setPhotometricMode(absorbance);
    for (MeasurementWindow *document : openWindows())
        document->photometricModeCommand(absorbance);
}

// The mode is program-wide: every open wavelength-scan window follows it.
void CMainFrame::setPhotometricMode(bool absorbance) {
    m_model.setPhotometricMode(absorbance);
    for (MeasurementWindow *document : openWindows())
        document->followPhotometricMode(absorbance);
}

} // namespace spectavo::app
