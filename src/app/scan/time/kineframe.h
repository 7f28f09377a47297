#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QPointer>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>

#include "app/measurementwindow.h"
#include "app/shell/notifyevent.h"
#include "core/scan/displayrange.h"
#include "core/scan/recordlist.h"
#include "core/scan/spectrumsheet.h"
#include "core/scan/time/kineacquisition.h"
#include "core/scan/time/kinespectrum.h"
#include "core/scan/wavecommandrules.h"

class QAction;
class QMenu;
class QComboBox;

namespace spectavo::app {

class CKineView;
class CScanListView;
class SpectrumPrinter;

// The window timers of the multicell run, as Qt timers.
class QtKineTimers : public KineTimers {
public:
    QtKineTimers(std::function<void()> cycle, std::function<void()> settle);
    void startCycle(int milliseconds) override { m_cycle.start(milliseconds); }
    void stopCycle() override { m_cycle.stop(); }
    void startSettle(int milliseconds) override { m_settle.start(milliseconds); }
    void stopSettle() override { m_settle.stop(); }

private:
    QTimer m_cycle;
    QTimer m_settle;
};

// A time-scan window: the chart of its curves left, the peak list right, the curve and colour boxes
// on its toolbar. Every curve is loaded and saved on its own.
class CKineFrame : public QSplitter, public MeasurementWindow, private KineAcquisitionView {
public:
    using Command = scan::WaveCommand;
    using enum scan::WaveCommand;

    // `timers`: the multicell run's timers; none: Qt timers of this window.
    explicit CKineFrame(WindowHost host, KineTimers *timers = nullptr, QWidget *parent = nullptr);
    ~CKineFrame() override;

    QWidget *widget() override { return this; }
    shell::DocumentKind kind() const override { return shell::DocumentKind::TimeScan; }
    // Adds the curve of a .kin file in front of the list and makes it current.
    bool openFile(const QString &path) override;
    RecordList<CKineSpectrum> &curves() { return m_curves; }
    scan::DisplayHistory &display() { return m_display; }
    KineAcquisition &acquisition() { return m_acquisition; }
    CKineView *view() const { return m_view; }
    CScanListView *peakList() const { return m_list; }
    QComboBox *curveBox() const { return m_curveBox; }
    bool absorbance() const { return m_absorbance; }
    void setAbsorbance(bool absorbance);
    void modeCommand(bool absorbance);
    // Refills the peak list from the current curve, the boxes, and redraws the chart.
    void refresh();
    void redraw();

    QAction *action(Command command) const { return m_actions.at(command); }
    QList<QMenu *> menus() const override { return m_menus; }
    QToolBar *toolBar() const override { return m_toolBar; }
    void refreshCommands() override;
    scan::WaveWindowState commandState() const;

    bool confirmClose() override;
    bool takeInstrumentFile(const shell::FileManagementModel::Choice &choice) override;
    bool acceptsRemoteStart() const override { return true; }
    void remoteStart(int code) override { m_acquisition.remoteStart(code); }
    void photometricModeCommand(bool absorbance) override { modeCommand(absorbance); }
    void followPhotometricMode(bool absorbance) override { setAbsorbance(absorbance); }

    bool exportCurrentTable(const QString &path);
    bool exportCurrentCsv(const QString &path);
    bool exportCurrentJcamp(const QString &path);
    void applySettingsSheet(const scan::SpectrumSheet &values);
    bool printToPdf(const QString &path);
    int printedPageCount() const { return m_printedPages; }
    // The setup's OK with its values stored: the monochromator moves to the wavelength.
    void setupConfirmed();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    // KineAcquisitionView
    void showState(const std::string &text) override;
    void inform(const std::string &text) override;
    void curvesChanged() override { refresh(); }
    void pointsArrived() override;
    void scanEnded() override { refresh(); }

    void buildCommands();
    void buildToolBar();
    QAction *addCommand(QMenu *menu, Command command, const QString &text, std::function<void()> handler,
                        bool checkable = false);
    void fitListWidth();
    void refillCurveBox();
    bool servedByLink() const;

    void setupScan();
    void openCurve();
    void saveCurve();
    void exportCurve(const QString &filter, const QString &suffix,
                     bool (CKineFrame::*writer)(const QString &));
    void removeCurve();
    bool offerSave(CKineSpectrum &curve);
    void copyPicture();
    void setupThreshold();
    void openInstrumentFile();
    void acceptArrivedFile();
    void addProcessed(std::optional<CKineSpectrum> made);
    void savitzkyGolay();
    void smooth();
    void derive();
    void resample();
    void computeArithmetic(bool add);
    void customize();
    std::unique_ptr<SpectrumPrinter> makePrinter() const;
    void print();
    void printPreview();
    void printSetup();
    void exportPdf();
    void showDisplayRangeDialog();
    void undoScales();
    void restoreScales();
    void togglePeakSwitch(bool peaks);

    WindowHost m_host;
    RecordList<CKineSpectrum> m_curves;
    scan::DisplayHistory m_display;
    scan::BaseScales m_base;
    bool m_absorbance;
    QtNotifyTarget m_target{this};
    std::unique_ptr<QtKineTimers> m_ownTimers;
    KineAcquisition m_acquisition;
    CKineView *m_view;
    CScanListView *m_list;
    std::map<Command, QAction *> m_actions;
    QList<QMenu *> m_menus;
    QPointer<QToolBar> m_toolBar;
    QComboBox *m_curveBox = nullptr;
    QComboBox *m_colourBox = nullptr;
    QComboBox *m_backgroundBox = nullptr;
    int m_printedPages = 0;
    bool m_awaitingFile = false;
};

} // namespace spectavo::app
