#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QPointer>
#include <QSplitter>
#include <QToolBar>

#include "app/measurementwindow.h"
#include "app/shell/notifyevent.h"
#include "core/scan/displayrange.h"
#include "core/scan/recordlist.h"
#include "core/scan/spectrumsheet.h"
#include "core/scan/wave/waveacquisition.h"
#include "core/scan/wave/wavecompute.h"
#include "core/scan/wave/wavespectrum.h"
#include "core/scan/wavecommandrules.h"
#include "core/shell/filemanagementmodel.h"

class QAction;
class QMenu;
class QComboBox;

namespace spectavo::app {

class CWaveView;
class CScanListView;
class SpectrumPrinter;

using ScanFrameHost = WindowHost;

// The file dialog filter of a data-file format, by its extension.
QString formatFilter(const std::string &extension);

// A wavelength-scan window: the chart left, the peak list right, its commands and its scans.
class CScanFrame : public QSplitter, public MeasurementWindow, private WaveAcquisitionView {
public:
    // Command names, also the actions' object names.
    using Command = scan::WaveCommand;
    using enum scan::WaveCommand;

    CScanFrame(ScanFrameHost host, QWidget *parent = nullptr);
    ~CScanFrame() override;

    QWidget *widget() override { return this; }
    shell::DocumentKind kind() const override { return shell::DocumentKind::WavelengthScan; }
    // Adds the spectrum of a .sca or .wav file in front of the list and makes it current.
    bool openFile(const QString &path) override;
    RecordList<CWaveSpectrum> &spectra() { return m_spectra; }
    scan::DisplayHistory &display() { return m_display; }
    WaveAcquisition &acquisition() { return m_acquisition; }
    CScanListView *peakList() const { return m_list; }
    CWaveView *view() const { return m_view; }
    bool absorbance() const { return m_absorbance; }
    void setAbsorbance(bool absorbance);
    // The Abs / T% commands: the display is kept for undo, manual intervals end, the mode changes.
    void modeCommand(bool absorbance);
    // Refills the peak list from the current spectrum and redraws the chart.
    void refresh();
    // Redraws the chart without refilling the peak list.
    void redraw();

    QAction *action(Command command) const { return m_actions.at(command); }
    // The window's menus and its "Spectrum" toolbar, shown by the main window while it is active.
    QList<QMenu *> menus() const override { return m_menus; }
    QToolBar *toolBar() const override { return m_toolBar; }
    // Re-evaluates the enabling rules and check marks.
    void refreshCommands() override;
    // The state the command rules look at.
    scan::WaveWindowState commandState() const;

    // The close check: false (and the window stays) while a scan runs or a save was cancelled.
    bool confirmClose() override;
    // Asks the instrument for a stored file chosen in its file browser; only wavelength scans are
    // taken. The spectrum joins the list when the file has arrived.
    bool takeInstrumentFile(const shell::FileManagementModel::Choice &choice) override;
    // A remote-start request forwarded by the main window.
    bool acceptsRemoteStart() const override { return true; }
    void remoteStart(int code) override { m_acquisition.remoteStart(code); }
    void photometricModeCommand(bool absorbance) override { modeCommand(absorbance); }
    void followPhotometricMode(bool absorbance) override { setAbsorbance(absorbance); }

    // Write the current spectrum as the Abs/T% table, as CSV or as JCAMP-DX.
    bool exportCurrentTable(const QString &path);
    bool exportCurrentCsv(const QString &path);
    bool exportCurrentJcamp(const QString &path);
    // The settings sheet's OK with these values.
    void applySettingsSheet(const scan::SpectrumSheet &values);
    // Prints every page into a PDF file; false (and the operator told) when it cannot be written.
    bool printToPdf(const QString &path);
    // The pages the last print produced.
    int printedPageCount() const { return m_printedPages; }

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // WaveAcquisitionView
    void showState(const std::string &text) override;
    void inform(const std::string &text) override;
    void refuse(const std::string &text) override;
    void spectraChanged() override;
    void pointsArrived() override;
    void switchToAbsorbance() override;

    void buildCommands();
    void buildToolBar();
    QAction *addCommand(QMenu *menu, Command command, const QString &text, std::function<void()> handler,
                        bool checkable = false);
    void fitListWidth();
    void refillSpectrumBox();
    bool currentSaveable() const;
    bool servedByLink() const;

    // The commands.
    void setupScan();
    void startEnergyScan();
    void openSpectrum();
    void saveSpectrum();
    void exportSpectrum(const QString &filter, const QString &suffix,
                        bool (CScanFrame::*writer)(const QString &));
    void removeSpectrum();
    void copyPicture();
    void setupThreshold();
    void openInstrumentFile();
    void acceptArrivedFile();
    void savitzkyGolay();
    void smooth();
    void derive();
    void resample();
    void computeArithmetic(SpectrumOperation operation);
    // A derived spectrum joins the list in front and becomes current.
    void addDerived(std::optional<CWaveSpectrum> derived, std::optional<int> colourIndex = std::nullopt);
    int unusedColourIndex() const;
    void customize();
    std::unique_ptr<SpectrumPrinter> makePrinter() const;
    void print();
    void printPreview();
    void exportPdf();
    void showDisplayRangeDialog();
    void undoScales();
    void restoreScales();
    void togglePeakSwitch(bool peaks);
    bool offerSave(CWaveSpectrum &spectrum, const QString &suffix);

    ScanFrameHost m_host;
    RecordList<CWaveSpectrum> m_spectra;
    scan::DisplayHistory m_display;
    scan::BaseScales m_base;
    bool m_absorbance;
    QtNotifyTarget m_target{this};
    WaveAcquisition m_acquisition;
    CWaveView *m_view;
    CScanListView *m_list;
    std::map<Command, QAction *> m_actions;
    QList<QMenu *> m_menus;
    QPointer<QToolBar> m_toolBar;
    QComboBox *m_spectrumBox = nullptr;
    QComboBox *m_colourBox = nullptr;
    QComboBox *m_backgroundBox = nullptr;
    int m_printedPages = 0;
    bool m_awaitingFile = false;
};

} // namespace spectavo::app
