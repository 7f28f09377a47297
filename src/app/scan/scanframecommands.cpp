// The commands of a wavelength-scan window: its menus and the "Spectrum" toolbar.

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>

#include "app/scan/scanframe.h"
#include "app/scan/scanlistview.h"
#include "app/scan/waveview.h"
#include "app/widgets/colourbox.h"
#include "app/widgets/menucommands.h"
#include "core/scan/chartstyle.h"

namespace spectavo::app {
QAction *CScanFrame::addCommand(QMenu *menu, Command command, const QString &text,
                                std::function<void()> handler, bool checkable) {
    QAction *action = addMenuCommand(menu, text);
    action->setObjectName(QString("scan%1").arg(static_cast<int>(command)));
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    m_actions[command] = action;
    return action;
}

void CScanFrame::buildCommands() {
    auto *file = new QMenu("&Spectrum");
    addCommand(file, kOpen, "&Open...", [this] { openSpectrum(); });
    addCommand(file, kLoad, "&Load...", [this] { openSpectrum(); });
    addCommand(file, kSave, "&Save\tCtrl+S", [this] { saveSpectrum(); });
    addCommand(file, kSaveAs, "Save &As...", [this] { saveSpectrum(); });
    addCommand(file, kExport, "&Export",
               [this] { exportSpectrum(formatFilter("txt"), "txt", &CScanFrame::exportCurrentTable); });
    addCommand(file, kExportCsv, "Export as CSV...",
               [this] { exportSpectrum(formatFilter("csv"), "csv", &CScanFrame::exportCurrentCsv); });
    addCommand(file, kExportJcamp, "Export as JCAMP-DX...",
               [this] { exportSpectrum(formatFilter("jdx"), "jdx", &CScanFrame::exportCurrentJcamp); });
    addCommand(file, kRemove, "&Remove", [this] { removeSpectrum(); });
    file->addSeparator();
    addCommand(file, kCopy, "&Copy", [this] { copyPicture(); });
    file->addSeparator();
    addCommand(file, kOpenInstrumentFile, "Open file from &UV-Rediradozu", [this] { openInstrumentFile(); });
    file->addSeparator();
    addCommand(file, kPrint, "&Print...\tCtrl+P", [this] { print(); });
    addCommand(file, kPrintPreview, "Print Pre&view", [this] { printPreview(); });
    addCommand(file, kExportPdf, "Export as PDF...", [this] { exportPdf(); });

    auto *measure = new QMenu("&Measure");
    addCommand(measure, kSetup, "Setup the measurement method", [this] { setupScan(); });
    addCommand(
        measure, kStart, "&Start\tF5", [this] { m_acquisition.startSampleScan(); }, true);
    addCommand(measure, kBaseline, "&Automatic Blank Calibration", [this] {
        m_acquisition.startBaselineScan();
    })->setStatusTip("Calibrate the baseline at the current cell");
    addCommand(measure, kZeroCalibration, "Automatic Zero Calibration", [this] {
        m_acquisition.startBaselineScan();
    })->setStatusTip("Automatically calibrate the fullsale energy");
    addCommand(measure, kEnergy, "&Energy scan", [this] { startEnergyScan(); });
    addCommand(measure, kSlitWidth, "Spectrum &Slitwidth", [this] { m_acquisition.startSlitWidthScan(); });
    addCommand(measure, kAutorun, "&Autorun", [this] {
        m_acquisition.startAutorun();
    })->setStatusTip("Auto change sample cell and run");

    auto *view = new QMenu("&View");
    addCommand(
        view, kMagnify, "&Magnify",
        [this] {
            m_view->setZoomMode(!m_view->zoomMode());
            refreshCommands();
        },
        true)
        ->setStatusTip("Activate the ZOOM Function");
    addCommand(view, kRestore, "&Restore", [this] { restoreScales(); })->setStatusTip("Original Scales");
    addCommand(
        view, kSearch, "S&earch",
        [this] {
            m_view->setSearchMode(!m_view->searchMode());
            refreshCommands();
        },
        true)
        ->setStatusTip("Trace Cursor");
    addCommand(view, kDisplayRange, "Display &Range", [this] {
        showDisplayRangeDialog();
    })->setStatusTip("Display Range Setup");
    addCommand(view, kUndoScales, "&Undo Scales\tCtrl+Z", [this] { undoScales(); });
    view->addSeparator();
    const auto modeCommandOf = [this](bool absorbance) {
        return [this, absorbance] {
            if (m_host.modeCommand)
                m_host.modeCommand(absorbance);
            else
                modeCommand(absorbance);
        };
    };
    addCommand(view, kAbsorbanceMode, "Absorbance Mode", modeCommandOf(true), true);
    addCommand(view, kTransmittanceMode, "Transmittance Mode", modeCommandOf(false), true);
    addCommand(view, kCustomize, "C&ustomize", [this] { customize(); });
    view->addSeparator();
    addCommand(
        view, kShowPeaks, "&Peaks", [this] { togglePeakSwitch(true); }, true)
        ->setStatusTip("List out Peaks of a Spectrum");
    addCommand(
        view, kShowValleys, "&Valleys", [this] { togglePeakSwitch(false); }, true)
        ->setStatusTip("List out Valleys of a Spectrum");

    auto *compute = new QMenu("&Compute");
    addCommand(compute, kSavGol, "Savitzky-&Golay Smoothing Filter", [this] { savitzkyGolay(); });
    addCommand(compute, kSmooth, "Smooth", [this] { smooth(); })->setStatusTip("Smooth the current spectrum");
    addCommand(compute, kDerivative, "&Derivate", [this] { derive(); });
    addCommand(compute, kResample, "&Resample", [this] { resample(); });
    compute->addSeparator();
    addCommand(compute, kAdd, "&Add", [this] { computeArithmetic(SpectrumOperation::Add); });
    addCommand(compute, kSubtract, "&Sub", [this] { computeArithmetic(SpectrumOperation::Subtract); });
    addCommand(compute, kMultiply, "&Multiple", [this] { computeArithmetic(SpectrumOperation::Multiply); });
    addCommand(compute, kDivide, "Di&vide", [this] { computeArithmetic(SpectrumOperation::Divide); });

    auto *settings = new QMenu("Se&ttings");
    addCommand(settings, kThreshold, "Peak &Height", [this] {
        setupThreshold();
    })->setStatusTip("Setup the Peak/Valley Threshold");
    m_menus = {file, measure, view, compute, settings};
}

// The "Spectrum" toolbar: the spectrum list box, its colour, the chart's background.
void CScanFrame::buildToolBar() {
    m_toolBar = new QToolBar("Spectrum");
    m_spectrumBox = new QComboBox;
    m_spectrumBox->setObjectName("spectrumBox");
    m_spectrumBox->setFixedWidth(160);
    m_colourBox = makeColourIndexBox();
    m_colourBox->setFixedWidth(60);
    m_backgroundBox = makeColourIndexBox();
    m_backgroundBox->setFixedWidth(60);
    m_toolBar->addWidget(m_spectrumBox);
    m_toolBar->addWidget(m_colourBox);
    m_toolBar->addWidget(m_backgroundBox);
    m_toolBar->addAction(m_actions.at(kSmooth));
    m_toolBar->addAction(m_actions.at(kAbsorbanceMode));
    m_toolBar->addAction(m_actions.at(kTransmittanceMode));
    connect(m_spectrumBox, &QComboBox::activated, this, [this](int index) {
        if (const auto found = m_spectra.findByName(m_spectrumBox->itemText(index).toStdString())) {
            m_spectra.setCurrent(*found);
            refresh();
        }
    });
    connect(m_colourBox, &QComboBox::activated, this, [this](int index) {
        if (const auto found = m_spectra.findByName(m_spectrumBox->currentText().toStdString())) {
            m_spectra.at(*found).colour = scan::indexedColour(index);
            m_view->invalidate();
        }
    });
    connect(m_backgroundBox, &QComboBox::activated, this, [this](int index) {
        m_display.pushUndo(m_absorbance);
        m_display.range().background = index;
        redraw();
    });
}

void CScanFrame::refillSpectrumBox() {
    if (!m_spectrumBox)
        return;
    m_spectrumBox->clear();
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        m_spectrumBox->addItem(QString::fromStdString(m_spectra.at(i).name));
    // The colour box shows the current spectrum's colour, or none when it is not a table colour (or
    // there is no spectrum): never the previous spectrum's.
    int colour = -1;
    if (const auto current = m_spectra.currentIndex()) {
        m_spectrumBox->setCurrentIndex(static_cast<int>(*current));
        for (int i = 0; i < m_colourBox->count() && colour < 0; ++i)
            if (scan::indexedColour(i) == m_spectra.at(*current).colour)
                colour = i;
    }
    m_colourBox->setCurrentIndex(colour);
    m_backgroundBox->setCurrentIndex(std::clamp(m_display.range().background, 0, 19));
}

} // namespace spectavo::app
