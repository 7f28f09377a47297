#pragma once

#include <functional>
#include <memory>

#include <QTimer>

#include "app/scan/scanwindow.h"
#include "app/shell/notifyevent.h"
#include "core/acquisition/kineacquisition.h"
#include "core/scan/displayrange.h"
#include "core/scan/recordlist.h"
#include "core/scan/scancommandrules.h"
#include "core/scan/scanoperations.h"
#include "core/scan/spectrumsheet.h"
#include "core/scan/time/kinespectrum.h"

class QAction;
class QMenu;
class QComboBox;

namespace spectavo::app {

class CKineView;

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
class CKineFrame : public CScanWindow, private KineAcquisitionView {
public:
    // `timers`: the multicell run's timers; none: Qt timers of this window.
    explicit CKineFrame(WindowHost host, KineTimers *timers = nullptr, QWidget *parent = nullptr);
    ~CKineFrame() override;

    shell::DocumentKind kind() const override { return shell::DocumentKind::TimeScan; }
    // Adds the curve of a .kin file in front of the list and makes it current.
    bool openFile(const QString &path) override;
    scan::RecordList<scan::CKineSpectrum> &curves() { return m_curves; }
    KineAcquisition &acquisition() { return m_acquisition; }
    CKineView *view() const { return m_view; }
    QComboBox *curveBox() const { return m_recordBox; }

    scan::ScanWindowState commandState() const override;
    bool confirmClose() override;
    bool takeInstrumentFile(const shell::FileManagementModel::Choice &choice) override;
    bool acceptsRemoteStart() const override { return true; }
    void remoteStart(int code) override { m_acquisition.remoteStart(code); }

    void applySettingsSheet(const scan::SpectrumSheet &values);
    // The setup's OK with its values stored: the monochromator moves to the wavelength.
    void setupConfirmed();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    CChartView *chart() const override;
    void refillList() override;
    void refillRecordBox() override;
    scan::CommandState commandRule(Command command, const scan::ScanWindowState &state) const override {
        return scan::kineCommandState(command, state);
    }
    std::unique_ptr<SpectrumPrinter> makePrinter() const override;
    std::string currentName() const override;
    void recomputeMarks(float threshold) override;
    void customize() override;
    std::optional<scan::DataExtent> dataExtent() const override;
    // The settings sheet, opened at its first page or at the current curve's rate ("Dynamic Analysis").
    void openSettingsSheet(bool atRatePage);
    void openRecord() override;
    void saveRecord() override;
    void removeRecord() override;
    void openInstrumentFile() override;
    scan::DataFileContent currentContent() const override;

private:
    // KineAcquisitionView
    void showState(const std::string &text) override;
    void inform(const std::string &text) override;
    void curvesChanged() override { refresh(); }
    void pointsArrived() override;
    void measured(const scan::CKineSpectrum &curve, MeasuredState state,
                  MeasuredClock::time_point started) override;
    void scanEnded() override {
        fitAfterMeasurement();
        refresh();
    }

    void buildCommands();
    void buildToolBar();
    bool servedByLink() const;

    void setupScan();
    bool offerSave(scan::CKineSpectrum &curve);
    void acceptArrivedFile();
    void addProcessed(std::optional<scan::CKineSpectrum> made);
    void compute(const scan::OperationInfo &info);

    scan::RecordList<scan::CKineSpectrum> m_curves;
    QtNotifyTarget m_target{this};
    std::unique_ptr<QtKineTimers> m_ownTimers;
    KineAcquisition m_acquisition;
    CKineView *m_view;
    bool m_awaitingFile = false;
};

} // namespace spectavo::app
