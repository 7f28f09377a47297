// The commands of a time-scan window: its menus and its toolbar with the curve and colour boxes.

#include <utility>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>

#include "app/scan/scanlistview.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kineview.h"
#include "app/widgets/uitext.h"
#include "core/scan/chartstyle.h"
#include "core/scan/scanoperations.h"

namespace spectavo::app {
namespace {

// A box entry names its own curve, so that two curves of one name stay apart.
QVariant entryOf(const scan::CKineSpectrum &curve) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(&curve));
}

std::optional<std::size_t> curveOfEntry(const scan::RecordList<scan::CKineSpectrum> &curves,
                                        const QVariant &entry) {
    for (std::size_t i = 0; i < curves.size(); ++i)
        if (entryOf(curves.at(i)) == entry)
            return i;
    return std::nullopt;
}

} // namespace

void CKineFrame::buildCommands() {
    QMenu *file = fileMenu(ui("&Curve"), "ZAV.Kin");

    auto *measure = new QMenu(ui("&Measure"));
    addCommand(measure, kSetup, ui("Setup the measurement method"), [this] { setupScan(); });
    addCommand(
        measure, kStart, ui("&Start\tF5"), [this] { m_acquisition.startSingle(); }, true);
    addCommand(measure, kAutorun, ui("&Autorun"), [this] {
        m_acquisition.startAutorun();
    })->setStatusTip(ui("Auto change sample cell and run"));
    addCommand(measure, kZeroCalibration, ui("&Automatic Blank Calibration"), [this] {
        m_host.program.link.operations().TakeBlank(&m_target);
    })->setStatusTip(ui("Calibrate the blank at the current cell"));
    measure->addSeparator();
    addCommand(measure, kDynamicAnalysis, ui("&Dynamic Analysis..."), [this] {
        openSettingsSheet(true);
    })->setStatusTip(ui("The reaction rate of the current curve"));

    QMenu *view = viewMenu(ui("List out Peaks of a Curve"), ui("List out Valleys of a Curve"));

    auto *compute = new QMenu(ui("&Compute"));
    int inputs = 2;
    for (const scan::OperationInfo *info : scan::curveOperations()) {
        // The operations on one curve follow the arithmetic, set apart.
        if (std::exchange(inputs, info->inputs) != info->inputs)
            compute->addSeparator();
        addCommand(compute, info->command, ui(info->curveMenuText), [this, info] { this->compute(*info); });
    }

    auto *settings = new QMenu(ui("Se&ttings"));
    addCommand(settings, kThreshold, ui("Peak &Height"), [this] {
        setupThreshold();
    })->setStatusTip(ui("Setup the Peak/Valley Threshold"));
    m_menus = {file, measure, view, compute, settings};
}

void CKineFrame::buildToolBar() {
    m_toolBar = new QToolBar(ui("Time Scan"));
    m_toolBar->addAction(m_actions.at(kSetup));
    addBoxes(
        "curveBox",
        [this](int index) {
            if (const auto found = curveOfEntry(m_curves, m_recordBox->itemData(index))) {
                m_curves.setCurrent(*found);
                refresh();
            }
        },
        [this](std::uint32_t colour) {
            if (const auto found = curveOfEntry(m_curves, m_recordBox->currentData()))
                m_curves.at(*found).colour = colour;
        });
    m_toolBar->addAction(m_actions.at(kAbsorbanceMode));
    m_toolBar->addAction(m_actions.at(kTransmittanceMode));
}

// The box lists the curves in list order, the current one chosen; the colour box shows its colour.
void CKineFrame::refillRecordBox() {
    if (!m_recordBox)
        return;
    m_recordBox->clear();
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        m_recordBox->addItem(QString::fromStdString(m_curves.at(i).name), entryOf(m_curves.at(i)));
    std::optional<std::uint32_t> colour;
    if (const auto current = m_curves.currentIndex()) {
        m_recordBox->setCurrentIndex(static_cast<int>(*current));
        colour = m_curves.at(*current).colour;
    }
    showColours(colour);
}

} // namespace spectavo::app
