#pragma once

#include <array>
#include <map>
#include <memory>

#include <QMainWindow>
#include <QPointer>
#include <QToolBar>

#include "app/measurementwindow.h"
#include "app/shell/notifyevent.h"
#include "app/shell/timersource.h"
#include "core/link/stationlink.h"
#include "core/program/sharedsettings.h"
#include "core/shell/documentfiles.h"
#include "core/shell/mainframemodel.h"
#include "core/shell/messageservice.h"
#include "core/shell/roles.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QTimer;
class QToolBar;

namespace spectavo::app {
class CStatusWindow;
class CHelpViewer;
class ResultsRecorder;
} // namespace spectavo::app

namespace spectavo::app {

// The multi-document main window: the status panes, the instrument menus with their enabling rules,
// the start-up timers and the reaction to the instrument's notifications. Its rules live in
// shell::MainFrameModel; this class shows them.
// The link's messages to the operator, called from any thread: each is queued to the main window's
// thread and shown there.
class QtLinkMessages : public link::LinkMessages {
public:
    QtLinkMessages(QObject *context, shell::MessageService *messages)
        : m_context(context), m_messages(messages) {}
    void showLinkMessage(const std::string &caption, const std::string &text) override;

private:
    QObject *m_context;
    shell::MessageService *m_messages;
};

class CMainFrame : public QMainWindow {
public:
    CMainFrame(link::StationLink &link, shell::MessageService *messages, int connected);
    ~CMainFrame() override;

    const shell::MainFrameModel &model() const { return m_model; }
    // Where the windows' results and the program's events go; none: nowhere (tests).
    void setRecorder(ResultsRecorder *recorder);
    // File > Results... and Audit Trail...: the store's windows (nothing without a recorder).
    void showResults();
    void showAuditTrail();
    // Regulated mode, for a lab manager: the accounts.
    void showUserAccounts();
    // What the logged-in account's role allows; everything in the single-password mode.
    bool permits(shell::Permission permission) const;
    // A document file was saved, loaded, exported or printed: the trail keeps its path and SHA-256.
    void recordFile(const char *kind, const QString &path);
    program::SharedSettings &shared() { return m_shared; }
    QString paneText(int pane) const;
    QMdiArea *documents() const { return m_documents; }
    // Opens a new document of a kind, or one from a file; false (and the operator told) when the file
    // cannot be read.
    bool newDocument(shell::DocumentKind kind, const QString &file = {});
    // The active document window, and every open one.
    MeasurementWindow *activeWindow() const;
    std::vector<MeasurementWindow *> openWindows() const;
    // A file given by the desktop (command line, another instance, a drop): a document of its kind.
    bool openDocumentFile(const QString &path);
    // Several files at once (the command line, a drop, Open with several chosen): the workspace is
    // laid out and drawn once when all have arrived, not once per window.
    void openDocumentFiles(const QStringList &paths);
    const shell::RecentFiles &recentFiles() const { return m_recent; }
    // Re-evaluates every enabling rule and check mark (Qt has no idle cycle).
    void refreshCommands();
    // The clock of the one-shot timers started from now on.
    void setTimers(TimerSource *timers) { m_timers = timers; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // One menu command: its id, its text (a separator without one), its action, whether it is checkable.
    struct MenuCommand {
        int id = 0;
        const char *text = nullptr;
        std::function<void()> run;
        bool checkable = false;
    };
    void addCommands(QMenu *menu, std::initializer_list<MenuCommand> commands);
    void buildMenus();
    void buildFileMenu();
    QMenu *buildSystemMenu();
    void buildInstrumentCommands(QMenu *instrument);
    QMenu *buildSlitMenu(QMenu *instrument);
    QMenu *buildCellMenu(QMenu *instrument);
    QMenu *buildSipperMenu(QMenu *instrument);
    void buildToolBars();
    void buildHelpMenu();
    void chooseStatusFont();
    WindowHost windowHost(shell::DocumentKind kind);
    // The multicell setup of a window kind's selection, or of the main window's for none.
    bool chooseCells(std::optional<shell::DocumentKind> kind, bool withConcentrations);
    void documentSaved(QWidget *document, const QString &path);
    void keepInsideWorkspace(QMdiSubWindow *window) const;
    void openInstrumentFile();
    void setPhotometricMode(bool absorbance);
    void photometricModeCommand(bool absorbance);
    QAction *command(QMenu *menu, int id, const QString &text, std::function<void()> handler,
                     bool checkable = false);
    void onNotification(const link::Notification &notification);
    void startTimer(const shell::MainFrameModel::TimerStart &start);
    void showPanes();
    void toggleLink();
    // The link command's lamp and tip: linked or not.
    void showLinkState(bool linked);
    void switchD2Lamp();
    void shutDownLink();
    void openHubSetup();
    void showStatusWindow();
    void applyAppearance();
    void fitAvailableArea();
    void showAccessoryBar(bool sipper);
    void openHelp(int commandId);
    void fillRecentMenu();
    void buildWindowMenu();
    int activeHelpTopic() const;
    void applyPaneFont();
    void installScanSetupProvider();
    void showDocumentCommands(QMdiSubWindow *window);
    void showScanProgress(int received, int total);
    void forwardRemoteStart(int code);

    link::StationLink &m_link;
    shell::MessageService *m_messages;
    shell::MainFrameModel m_model;
    program::SharedSettings m_shared;
    shell::RecentFiles m_recent;
    QMenu *m_recentMenu = nullptr;
    QtNotifyTarget m_target{this};
    QtLinkMessages m_linkMessages{this, m_messages};
    QMdiArea *m_documents;
    std::array<QLabel *, shell::kPaneCount> m_panes{};
    std::map<int, QAction *> m_commands;
    QTimer *m_refresh;
    TimerSource *m_timers = &qtTimers();
    QToolBar *m_accessoryBar = nullptr;
    CStatusWindow *m_statusWindow = nullptr; // made at first use, kept while the window lives
    CHelpViewer *m_helpViewer = nullptr;     // the same
    QProgressBar *m_progress = nullptr;
    ResultsRecorder *m_recorder = nullptr;
    // Regulated mode asks for the user ID at the first signing of a session only.
    bool m_signedThisSession = false;
    QAction *m_resultsAction = nullptr;
    QAction *m_auditAction = nullptr;
    QAction *m_accountsAction = nullptr;
    QLabel *m_storePane = nullptr;
    // The menus and toolbar of the active document, shown while it is active.
    QList<QPointer<QAction>> m_documentMenus;
    QPointer<QToolBar> m_documentBar;
    QPointer<QMdiSubWindow> m_shownDocument;
    bool m_linkShutDown = false;
    bool m_coverScreen = false;
};

} // namespace spectavo::app
