#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QPointer>
#include <QSplitter>
#include <QToolBar>

#include "app/scan/scanwindow.h"
#include "app/shell/notifyevent.h"
#include "core/acquisition/waveacquisition.h"
#include "core/scan/displayrange.h"
#include "core/scan/recordlist.h"
#include "core/scan/scancommandrules.h"
#include "core/scan/scanoperations.h"
#include "core/scan/spectrumsheet.h"
#include "core/scan/wave/wavecompute.h"
#include "core/scan/wave/wavespectrum.h"
#include "core/shell/filemanagementmodel.h"

class QAction;
class QMenu;
class QComboBox;

namespace spectavo::app {

class CWaveView;

using ScanFrameHost = WindowHost;

// A wavelength-scan window: the chart left, the peak list right, its commands and its scans.
class CScanFrame : public CScanWindow, private WaveAcquisitionView {
public:
    CScanFrame(ScanFrameHost host, QWidget *parent = nullptr);
    ~CScanFrame() override;

    shell::DocumentKind kind() const override { return shell::DocumentKind::WavelengthScan; }
    // Adds the spectrum of a .sca or .wav file in front of the list and makes it current.
    bool openFile(const QString &path) override;
    scan::RecordList<scan::CWaveSpectrum> &spectra() { return m_spectra; }
    WaveAcquisition &acquisition() { return m_acquisition; }
    CWaveView *view() const { return m_view; }

    // The state the command rules look at.
    scan::ScanWindowState commandState() const override;

    // The close check: false (and the window stays) while a scan runs or a save was cancelled.
    bool confirmClose() override;
    // Asks the instrument for a stored file chosen in its file browser; only wavelength scans are
    // taken. The spectrum joins the list when the file has arrived.
    bool takeInstrumentFile(const shell::FileManagementModel::Choice &choice) override;
    // A remote-start request forwarded by the main window.
    bool acceptsRemoteStart() const override { return true; }
    void remoteStart(int code) override { m_acquisition.remoteStart(code); }

    // The settings sheet's OK with these values.
    void applySettingsSheet(const scan::SpectrumSheet &values);

protected:
    bool event(QEvent *event) override;
    CChartView *chart() const override;
    void refillList() override;
    void refillRecordBox() override;
    scan::CommandState commandRule(Command command, const scan::ScanWindowState &state) const override {
        return scan::scanCommandState(command, state);
    }
    std::unique_ptr<SpectrumPrinter> makePrinter() const override;
    std::string currentName() const override;
    void recomputeMarks(float threshold) override;
    void customize() override;
    std::optional<scan::DataExtent> dataExtent() const override;
    void openRecord() override;
    void saveRecord() override;
    void removeRecord() override;
    void openInstrumentFile() override;
    scan::DataFileContent currentContent() const override;

private:
    // A scan has just ended: the next change of the spectra fits the chart to them.
    bool m_fitPending = false;
    // WaveAcquisitionView
    void showState(const std::string &text) override;
    void inform(const std::string &text) override;
    void refuse(const std::string &text) override;
    void spectraChanged() override;
    void pointsArrived() override;
    void switchToAbsorbance() override;
    void measured(const scan::CWaveSpectrum &spectrum, MeasuredState state,
                  MeasuredClock::time_point started) override;

    void buildCommands();
    void buildToolBar();
    bool currentSaveable() const;
    bool servedByLink() const;

    // The commands.
    void setupScan();
    void startEnergyScan();
    void acceptArrivedFile();
    void compute(const scan::OperationInfo &info);
    // A derived spectrum joins the list in front and becomes current.
    void addDerived(std::optional<scan::CWaveSpectrum> derived,
                    std::optional<int> colourIndex = std::nullopt);
    int unusedColourIndex() const;
    bool offerSave(scan::CWaveSpectrum &spectrum, const QString &suffix);

    scan::RecordList<scan::CWaveSpectrum> m_spectra;
    QtNotifyTarget m_target{this};
    WaveAcquisition m_acquisition;
    CWaveView *m_view;
    bool m_awaitingFile = false;
};

} // namespace spectavo::app
