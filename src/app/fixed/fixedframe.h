#pragma once

#include <map>

#include <QString>
#include <QWidget>

#include "app/measurementwindow.h"
#include "core/fixed/fixedcommandrules.h"

class QAction;
class QMenu;

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

    // A table as text; false when the file could not be written (the operator told).
    bool exportTable(bool standards, const QString &path);

private:
    void buildCommands();
    QAction *addCommand(QMenu *menu, Command command, const QString &text, std::function<void()> handler);
    void exportTableAsText(bool standards);
    void chooseDataFont();

    WindowHost m_host;
    shell::DocumentKind m_kind;
    CFixedDoc m_document;
    CFixedView *m_view;
    std::map<Command, QAction *> m_actions;
    QList<QMenu *> m_menus;
};

// The fixed points document window.
MeasurementWindow *makeFixedPointsWindow(const WindowHost &host);

} // namespace spectavo::app
