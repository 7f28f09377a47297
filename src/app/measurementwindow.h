#pragma once

#include <functional>
#include <string>

#include <QList>
#include <QString>

#include "core/link/notify.h"
#include "core/program/programrecords.h"
#include "core/shell/documentfiles.h"
#include "core/shell/filemanagementmodel.h"
#include "store/resultstore.h"

class QMenu;
class QToolBar;
class QWidget;

namespace spectavo::app {

// What the main window lends a measurement window: the program-wide records and the ways to show a
// run in the main window.
struct WindowHost {
    program::ProgramRecords program;
    // The state pane ("Wait...", "Ready").
    std::function<void(const std::string &)> showState = [](const std::string &) {};
    // Points received of the total; a total of 0 hides the progress.
    std::function<void(int, int)> showProgress = [](int, int) {};
    // The program-wide photometric mode changes (the mode commands and undo).
    std::function<void(bool)> setAbsorbance = [](bool) {};
    // The operator's Abs / T% command, for every window of the program; none: this window alone.
    std::function<void(bool)> modeCommand = nullptr;
    // The multicell dialog (with concentrations when asked); true when confirmed.
    std::function<bool(bool)> multicellDialog = [](bool) { return false; };
    // The window saved a document under this path: its title and the recent files follow.
    std::function<void(QWidget *, const QString &)> documentSaved = [](QWidget *, const QString &) {};
    // A measurement ended: its result goes to the results store (the operator and the instrument are
    // added there).
    std::function<void(store::ResultRecord)> keepResult = [](store::ResultRecord) {};
    // A document was exported or printed to a file ("document exported", "document printed").
    std::function<void(const char *, const QString &)> fileWritten = [](const char *, const QString &) {};
    // The audit trail's head for printouts ("Audit trail: event %d, %s"); empty without a store.
    std::function<std::string()> trailHead = [] { return std::string(); };
};

// What the main window needs of any document window. The main window knows its documents only
// through this and the table of document kinds, so a new kind of window touches neither.
class MeasurementWindow {
public:
    virtual ~MeasurementWindow() = default;

    virtual QWidget *widget() = 0;
    virtual shell::DocumentKind kind() const = 0;
    // The window's own menus and toolbar, shown while it is active (menus before "Help").
    virtual QList<QMenu *> menus() const { return {}; }
    virtual QToolBar *toolBar() const { return nullptr; }
    // Re-evaluates the enabling rules and check marks.
    virtual void refreshCommands() {}
    // Opens a stored document; false when it cannot be read (the main window tells the operator).
    virtual bool openFile(const QString &path) = 0;
    // The close check: false while the window must stay (a run in progress, a cancelled save).
    virtual bool confirmClose() { return true; }
    // Whether a remote-start request (0x402) is this window's to run, and running it.
    virtual bool acceptsRemoteStart() const { return false; }
    virtual void remoteStart(int /*code*/) {}
    // The operator's Abs / T% command (the window keeps its display for undo), and the program-wide
    // mode followed.
    virtual void photometricModeCommand(bool /*absorbance*/) {}
    virtual void followPhotometricMode(bool /*absorbance*/) {}
    // The multicell setup when this window has its own variant of it (true: done here).
    virtual bool multicellSetup() { return false; }
    // The operator's Stop (the instrument has already been told): a run of several measurements ends.
    virtual void stopRequested() {}
    // A station notification the main window has handled, for windows that show the instrument.
    virtual void stationNotified(const link::Notification & /*notification*/) {}
    // A file chosen in the instrument's file browser ("Open file from ..."): false when this window
    // does not take files of that type (the operator is told by the window).
    virtual bool takeInstrumentFile(const shell::FileManagementModel::Choice & /*choice*/) { return false; }

    // Exit asks every window first and closes them only when all have answered: a window it settled
    // closes without asking again.
    void settleClose() { m_closeSettled = true; }

protected:
    bool closeSettled() const { return m_closeSettled; }

private:
    bool m_closeSettled = false;
};

// The measurement window a document widget is, or null.
MeasurementWindow *measurementWindow(QWidget *widget);

} // namespace spectavo::app
