// The commands of a time-scan window: its menus and its toolbar with the curve and colour boxes.

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>

#include "app/scan/scanlistview.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kineview.h"
#include "app/widgets/colourbox.h"
#include "app/widgets/menucommands.h"
#include "core/scan/chartstyle.h"

namespace spectavo::app {
namespace {

// A box entry names its own curve, so that two curves of one name stay apart.
QVariant entryOf(const CKineSpectrum &curve) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(&curve));
}

std::optional<std::size_t> curveOfEntry(const RecordList<CKineSpectrum> &curves, const QVariant &entry) {
    for (std::size_t i = 0; i < curves.size(); ++i)
        if (entryOf(curves.at(i)) == entry)
            return i;
    return std::nullopt;
}

} // namespace

QAction *CKineFrame::addCommand(QMenu *menu, Command command, const QString &text,
                                std::function<void()> handler, bool checkable) {
    QAction *action = addMenuCommand(menu, text);
    action->setObjectName(QString("kine%1").arg(static_cast<int>(command)));
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
        handler();
        refreshCommands();
    });
    m_actions[command] = action;
    return action;
}

void CKineFrame::buildCommands() {
    auto *file = new QMenu("&Curve");
    addCommand(file, kOpen, "&Open...", [this] { openCurve(); });
    addCommand(file, kLoad, "&Load...", [this] { openCurve(); });
    addCommand(file, kSave, "&Save\tCtrl+S", [this] { saveCurve(); });
    addCommand(file, kSaveAs, "Save &As...", [this] { saveCurve(); });
    addCommand(file, kExport, "&Export",
               [this] { exportCurve("Text file(*.txt)", "txt", &CKineFrame::exportCurrentTable); });
    addCommand(file, kExportCsv, "Export as CSV...",
               [this] { exportCurve("CSV file(*.csv)", "csv", &CKineFrame::exportCurrentCsv); });
    addCommand(file, kExportJcamp, "Export as JCAMP-DX...",
               [this] { exportCurve("JCAMP-DX file(*.jdx)", "jdx", &CKineFrame::exportCurrentJcamp); });
    addCommand(file, kRemove, "&Remove", [this] { removeCurve(); });
    file->addSeparator();
    addCommand(file, kCopy, "&Copy", [this] { copyPicture(); });
    file->addSeparator();
    addCommand(file, kOpenInstrumentFile, "Open file from &UV-Rediradozu", [this] { openInstrumentFile(); });
    file->addSeparator();
    addCommand(file, kPrint, "&Print...\tCtrl+P", [this] { print(); });
    addCommand(file, kPrintPreview, "Print Pre&view", [this] { printPreview(); });
    addCommand(file, kPrintSetup, "P&rint Setup...", [this] { printSetup(); });
    addCommand(file, kExportPdf, "Export as PDF...", [this] { exportPdf(); });

    auto *measure = new QMenu("&Measure");
    addCommand(measure, kSetup, "Setup the measurement method", [this] { setupScan(); });
    addCommand(
        measure, kStart, "&Start\tF5", [this] { m_acquisition.startSingle(); }, true);
    addCommand(measure, kAutorun, "&Autorun", [this] {
        m_acquisition.startAutorun();
    })->setStatusTip("Auto change sample cell and run");
    addCommand(measure, kZeroCalibration, "&Automatic Blank Calibration", [this] {
        m_host.program.link.TakeBlank(&m_target);
    })->setStatusTip("Calibrate the blank at the current cell");

    auto *view = new QMenu("&View");
    addCommand(
        view, kMagnify, "&Magnify", [this] { m_view->setZoomMode(!m_view->zoomMode()); }, true)
        ->setStatusTip("Activate the ZOOM Function");
    addCommand(view, kRestore, "&Restore", [this] { restoreScales(); })->setStatusTip("Original Scales");
    addCommand(
        view, kSearch, "S&earch", [this] { m_view->setSearchMode(!m_view->searchMode()); }, true)
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
        ->setStatusTip("List out Peaks of a Curve");
    addCommand(
        view, kShowValleys, "&Valleys", [this] { togglePeakSwitch(false); }, true)
        ->setStatusTip("List out Valleys of a Curve");

    auto *compute = new QMenu("&Compute");
    addCommand(compute, kAdd, "&Add", [this] { computeArithmetic(true); });
    addCommand(compute, kSubtract, "&Sub", [this] { computeArithmetic(false); });
    compute->addSeparator();
    addCommand(compute, kDerivative, "&Derivate", [this] { derive(); });
    addCommand(compute, kSmooth, "&Moving Windows Averaging", [this] { smooth(); });
    addCommand(compute, kSavGol, "Savitzky-&Golay Smoothing Filter", [this] { savitzkyGolay(); });
    addCommand(compute, kResample, "&Resample", [this] { resample(); });

    auto *settings = new QMenu("Se&ttings");
    addCommand(settings, kThreshold, "Peak &Height", [this] {
        setupThreshold();
    })->setStatusTip("Setup the Peak/Valley Threshold");
    m_menus = {file, measure, view, compute, settings};
}

void CKineFrame::buildToolBar() {
    m_toolBar = new QToolBar("Time Scan");
    m_curveBox = new QComboBox;
    m_curveBox->setObjectName("curveBox");
    m_curveBox->setFixedWidth(160);
    m_colourBox = makeColourIndexBox();
    m_colourBox->setFixedWidth(60);
    m_backgroundBox = makeColourIndexBox();
    m_backgroundBox->setFixedWidth(60);
    m_toolBar->addAction(m_actions.at(kSetup));
    m_toolBar->addWidget(m_curveBox);
    m_toolBar->addWidget(m_colourBox);
    m_toolBar->addWidget(m_backgroundBox);
    m_toolBar->addAction(m_actions.at(kAbsorbanceMode));
    m_toolBar->addAction(m_actions.at(kTransmittanceMode));
    connect(m_curveBox, &QComboBox::activated, this, [this](int index) {
        if (const auto found = curveOfEntry(m_curves, m_curveBox->itemData(index))) {
            m_curves.setCurrent(*found);
            refresh();
        }
    });
    connect(m_colourBox, &QComboBox::activated, this, [this](int index) {
        if (const auto found = curveOfEntry(m_curves, m_curveBox->currentData())) {
            m_curves.at(*found).colour = scan::indexedColour(index);
            m_view->invalidate();
        }
    });
    connect(m_backgroundBox, &QComboBox::activated, this, [this](int index) {
        m_display.range().background = index;
        redraw();
    });
}

// The box lists the curves in list order, the current one chosen; the colour box shows its colour.
void CKineFrame::refillCurveBox() {
    if (!m_curveBox)
        return;
    m_curveBox->clear();
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        m_curveBox->addItem(QString::fromStdString(m_curves.at(i).name), entryOf(m_curves.at(i)));
    int colour = -1;
    if (const auto current = m_curves.currentIndex()) {
        m_curveBox->setCurrentIndex(static_cast<int>(*current));
        for (int i = 0; i < m_colourBox->count() && colour < 0; ++i)
            if (scan::indexedColour(i) == m_curves.at(*current).colour)
                colour = i;
    }
    m_colourBox->setCurrentIndex(colour);
    m_backgroundBox->setCurrentIndex(std::clamp(m_display.range().background, 0, 19));
}

} // namespace spectavo::app
