// The commands of a wavelength-scan window: its menus and the "Spectrum" toolbar.

#include <utility>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>

#include "app/scan/scanframe.h"
#include "app/scan/scanlistview.h"
#include "app/scan/waveview.h"
#include "app/widgets/colourbox.h"
#include "app/widgets/menucommands.h"
#include "app/widgets/uitext.h"
#include "core/scan/chartstyle.h"
#include "core/scan/scanoperations.h"

namespace spectavo::app {
void CScanFrame::buildCommands() {
    QMenu *file = fileMenu(ui("&Spectrum"), "ZAV.SCA");

    auto *measure = new QMenu(ui("&Measure"));
    addCommand(measure, kSetup, ui("Setup the measurement method"), [this] { setupScan(); });
    addCommand(
        measure, kStart, ui("&Start\tF5"), [this] { m_acquisition.startSampleScan(); }, true);
    addCommand(measure, kBaseline, ui("&Automatic Blank Calibration"), [this] {
        m_acquisition.startBaselineScan();
    })->setStatusTip(ui("Calibrate the baseline at the current cell"));
    addCommand(measure, kZeroCalibration, ui("Automatic Zero Calibration"), [this] {
        m_acquisition.startBaselineScan();
    })->setStatusTip(ui("Automatically calibrate the fullsale energy"));
    addCommand(measure, kEnergy, ui("&Energy scan"), [this] { startEnergyScan(); });
    addCommand(measure, kSlitWidth, ui("Spectrum &Slitwidth"),
               [this] { m_acquisition.startSlitWidthScan(); });
    addCommand(measure, kAutorun, ui("&Autorun"), [this] {
        m_acquisition.startAutorun();
    })->setStatusTip(ui("Auto change sample cell and run"));

    QMenu *view = viewMenu(ui("List out Peaks of a Spectrum"), ui("List out Valleys of a Spectrum"));

    auto *compute = new QMenu(ui("&Compute"));
    int inputs = 1;
    for (const scan::OperationInfo &info : scan::operations()) {
        // The arithmetic follows the operations on one spectrum, set apart.
        if (std::exchange(inputs, info.inputs) != info.inputs)
            compute->addSeparator();
        QAction *action = addCommand(compute, info.command, ui(info.spectrumMenuText),
                                     [this, &info] { this->compute(info); });
        if (info.operation == scan::Operation::Smooth)
            action->setStatusTip(ui("Smooth the current spectrum"));
    }

    auto *settings = new QMenu(ui("Se&ttings"));
    addCommand(settings, kThreshold, ui("Peak &Height"), [this] {
        setupThreshold();
    })->setStatusTip(ui("Setup the Peak/Valley Threshold"));
    m_menus = {file, measure, view, compute, settings};
}

// The "Spectrum" toolbar: the spectrum list box, its colour, the chart's background.
void CScanFrame::buildToolBar() {
    m_toolBar = new QToolBar(ui("Spectrum"));
    addBoxes(
        "spectrumBox",
        [this](int index) {
            if (const auto found = m_spectra.findByName(m_recordBox->itemText(index).toStdString())) {
                m_spectra.setCurrent(*found);
                refresh();
            }
        },
        [this](std::uint32_t colour) {
            if (const auto found = m_spectra.findByName(m_recordBox->currentText().toStdString()))
                m_spectra.at(*found).colour = colour;
        });
    m_toolBar->addAction(m_actions.at(kSmooth));
    m_toolBar->addAction(m_actions.at(kAbsorbanceMode));
    m_toolBar->addAction(m_actions.at(kTransmittanceMode));
}

void CScanFrame::refillRecordBox() {
    if (!m_recordBox)
        return;
    m_recordBox->clear();
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        m_recordBox->addItem(QString::fromStdString(m_spectra.at(i).name));
    // The colour box shows the current spectrum's colour, or none when it is not a table colour (or
    // there is no spectrum): never the previous spectrum's.
    std::optional<std::uint32_t> colour;
    if (const auto current = m_spectra.currentIndex()) {
        m_recordBox->setCurrentIndex(static_cast<int>(*current));
        colour = m_spectra.at(*current).colour;
    }
    showColours(colour);
}

} // namespace spectavo::app
