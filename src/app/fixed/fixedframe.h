#pragma once

#include <map>

#include <QString>
#include <QWidget>

#include "app/measurementwindow.h"
#include "app/shell/notifyevent.h"
#include "core/fixed/fixedcommandrules.h"

class QAction;
class QMenu;
class QPagedPaintDevice;

namespace spectavo::app {

class CFixedView;

// What a fixed-wavelength document is beyond its pages: where it was stored.
struct CFixedDoc {
    QString path;
};

// A fixed-wavelength document window: its tabbed view, its menus and its part in the program (remote
// start, photometric mode, Stop, the close check).
class CFixedFrame : public QWidget, public MeasurementWindow {
public:
    using Command = fixed::FixedCommand;

    CFixedFrame(const WindowHost &host, shell::DocumentKind kind, CFixedView *view,
                QWidget *parent = nullptr);
    ~CFixedFrame() override;

    QWidget *widget() override { return this; }
    shell::DocumentKind kind() const override { return m_kind; }
    CFixedView &view() const { return *m_view; }
    CFixedDoc &document() { return m_document; }
    QAction *action(Command command) const { return m_actions.at(command); }

    QList<QMenu *> menus() const override { return m_menus; }
    void refreshCommands() override;
    bool openFile(const QString &path) override;
    bool confirmClose() override;
    bool acceptsRemoteStart() const override { return true; }
    void remoteStart(int code) override;
    void photometricModeCommand(bool absorbance) override;
    void stopRequested() override;
    bool multicellSetup() override;
    bool takeInstrumentFile(const shell::FileManagementModel::Choice &choice) override;

    // The close check: unsaved results are offered for saving first; false while the window stays.
    bool SaveModified();
    // The results are offered for saving, then the tables emptied under no file name.
    bool startNewDocument();
    // Prints the report into a PDF file (the same pages as on paper); false when nothing was written.
    bool printToPdf(const QString &path);
    int printedPageCount() const { return m_printedPages; }

    // A table as text; false when the file could not be written (the operator told).
    bool exportTable(bool standards, const QString &path);

protected:
    bool event(QEvent *event) override;
    // Every way the window closes (its close box, the main window's Exit or close) asks about unsaved
    // results first.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCommands();
    void buildFileCommands(QMenu *menu);
    // The document commands.
    void openDocument();
    bool saveDocumentAs(bool offerMethodOnly);
    // Save: into the document's own file when it has one (as the kind its name says), else as Save As.
    bool saveDocument();
    QString proposedDocumentName() const;
    bool saveTo(const QString &path, bool methodOnly);
    void openInstrumentFile();
    void acceptArrivedFile();
    void print();
    void exportPdf();
    bool printReport(QPagedPaintDevice &device, const QString &documentName);
    QAction *addCommand(QMenu *menu, Command command, const QString &text, std::function<void()> handler);
    void exportTableAsText(bool standards);
    void chooseDataFont();

    WindowHost m_host;
    shell::DocumentKind m_kind;
    CFixedDoc m_document;
    CFixedView *m_view;
    std::map<Command, QAction *> m_actions;
    QList<QMenu *> m_menus;
    QtNotifyTarget m_target{this};
    bool m_awaitingFile = false;
    int m_printedPages = 0;
};

// The fixed points document window.
MeasurementWindow *makeFixedPointsWindow(const WindowHost &host);

} // namespace spectavo::app
