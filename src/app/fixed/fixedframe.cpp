#include "app/fixed/fixedframe.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QVBoxLayout>

#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/menucommands.h"
#include "app/widgets/uitext.h"

namespace spectavo::app {

CFixedFrame::CFixedFrame(const WindowHost &host, shell::DocumentKind kind, CFixedView *view, QWidget *parent)
    : QWidget(parent), m_host(host), m_kind(kind), m_view(view) {
    setMinimumSize(600, 410);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view->setParent(this);
    layout->addWidget(view);
    view->commandsChanged = [this] { refreshCommands(); };
    view->printRequested = [this] { print(); };
    view->newDocumentRequested = [this] { return startNewDocument(); };
    buildCommands();
    refreshCommands();
}

CFixedFrame::~CFixedFrame() {
    m_host.program.link.operations().CloseAcquisitionOf(&m_target);
    qDeleteAll(m_menus);
}

QAction *CFixedFrame::addCommand(QMenu *menu, Command command, const QString &text,
                                 std::function<void()> handler) {
    QAction *action = addMenuCommand(menu, text);
    action->setObjectName(QString("fixed%1").arg(static_cast<int>(command)));
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    m_actions[command] = action;
    return action;
}

void CFixedFrame::buildFileCommands(QMenu *file) {
    addCommand(file, fixed::kOpen, ui("&Open..."), [this] {
        openDocument();
    })->setStatusTip(ui("Open a document"));
    addCommand(file, fixed::kLoad, ui("&Load..."), [this] {
        openDocument();
    })->setStatusTip(ui("Load a document or a method"));
    addCommand(file, fixed::kSave, ui("&Save\tCtrl+S"), [this] { saveDocument(); });
    addCommand(file, fixed::kSaveAs, ui("Save &As..."), [this] { saveDocumentAs(true); });
    file->addSeparator();
    addCommand(file, fixed::kOpenInstrumentFile, ui("Open file from &UV-Rediradozu"),
               [this] { openInstrumentFile(); });
    file->addSeparator();
    addCommand(file, fixed::kPrint, ui("&Print...\tCtrl+P"), [this] { print(); });
    addCommand(file, fixed::kExportPdf, ui("Export as PDF..."), [this] { exportPdf(); });
}

void CFixedFrame::buildCommands() {
    CFixedView &view = *m_view;
    auto *file = new QMenu(ui("&Document"));
    buildFileCommands(file);
    auto *measure = new QMenu(ui("&Measure"));
    addCommand(measure, fixed::kStart, ui("&Start\tF5"), [&view] {
        view.Start();
    })->setStatusTip(ui("Measure the sample at predefined points"));
    addCommand(measure, fixed::kModify, ui("&Modify"), [&view] {
        view.Modify();
    })->setStatusTip(ui("Modify the measurement by testing the sample again"));
    addCommand(measure, fixed::kDelete, ui("&Delete"), [&view] {
        view.Delete();
    })->setStatusTip(ui("Delete a sample."));
    addCommand(measure, fixed::kAutorun, ui("&Autorun"), [&view] {
        view.Autorun();
    })->setStatusTip(ui("Auto change sample cell and run"));
    measure->addSeparator();
    addCommand(measure, fixed::kBlankCalibration, ui("&Blank Calibration"), [&view] {
        view.BlankCalibration();
    })->setStatusTip(ui("Calibrate the baseline at the current cell"));
    addCommand(measure, fixed::kAutoBlankCalibration, ui("&Automatic Blank Calibration"),
               [&view] { view.AutoBlankCalibration(); });
    measure->addSeparator();
    addCommand(measure, fixed::kExportSample, ui("Export Sam&ple"), [this] { exportTableAsText(false); });
    if (m_view->StandardTable()) {
        addCommand(measure, fixed::kExportStandard, ui("Export S&tandard"),
                   [this] { exportTableAsText(true); });
        measure->addSeparator();
        addCommand(measure, fixed::kStandardSetup, ui("Standard &Parameter Setup"),
                   [&view] { view.StandardSetup(); });
        addCommand(measure, fixed::kDeletePresets, ui("De&lete Standard Parameters"),
                   [&view] { view.DeletePresets(); });
    }

    auto *viewMenu = new QMenu(ui("&View"));
    addCommand(viewMenu, fixed::kMethodPage, ui("&Method"), [&view] {
        view.SwitchToPage(CFixedView::kMethodKey);
    })->setStatusTip(ui("Setup the measurement method."));
    addCommand(viewMenu, fixed::kDisplayPage, ui("&Display Setup"), [&view] {
        view.SwitchToPage(CFixedView::kMemoKey);
    })->setStatusTip(ui("Display Setup."));
    addCommand(viewMenu, fixed::kTraceCursor, ui("&Trace Cursor"), [&view] {
        view.SwitchToPage(CFixedView::kSampleKey);
    })->setStatusTip(ui("Activate the Trace Cursor"));
    viewMenu->addSeparator();
    addCommand(viewMenu, fixed::kTransmittanceMode, ui("Transmittance Mode"), [this] {
        m_host.modeCommand(false);
    })->setCheckable(true);
    addCommand(viewMenu, fixed::kAbsorbanceMode, ui("Absorbance Mode"), [this] {
        m_host.modeCommand(true);
    })->setCheckable(true);
    viewMenu->addSeparator();
    addCommand(viewMenu, fixed::kDataFont, ui("Data &Font..."), [this] { chooseDataFont(); });
    if (m_view->chartScene()) {
        viewMenu->addSeparator();
        addCommand(viewMenu, fixed::kCopyCurve, ui("&Copy"), [this] {
            m_view->copyCurve();
        })->setStatusTip(ui("Copy the calibration curve"));
    }
    m_menus = {file, measure, viewMenu};
}

void CFixedFrame::refreshCommands() {
    const fixed::FixedWindowState state = m_view->commandState();
    for (const auto &[command, action] : m_actions) {
        const fixed::CommandState rule = fixed::fixedCommandState(command, state);
        action->setEnabled(rule.enabled);
        if (action->isCheckable())
            action->setChecked(rule.checked);
    }
    for (CFixedSample *table : m_view->tablePages())
        table->applyCommandState(state);
    if (CFixedMethod *method = m_view->MethodPage())
        method->setEditable(fixed::fixedCommandState(fixed::kEditMethod, state).enabled);
}

void CFixedFrame::remoteStart(int code) {
    m_view->remoteStart(code);
}

// The operator changed the mode: every fixed-wavelength document converts its tables.
void CFixedFrame::photometricModeCommand(bool absorbance) {
    if (m_host.program.flags.photometricModeChanged != 0)
        m_view->photometricModeChanged(absorbance);
    refreshCommands();
}

void CFixedFrame::stopRequested() {
    m_view->stopRequested();
}

bool CFixedFrame::exportTable(bool standards, const QString &path) {
    CFixedSample *table = standards ? m_view->StandardTable() : m_view->SamplePage();
    if (!table)
        return true;
    if (table->table().exportText(path.toStdString())) {
        m_host.fileWritten("document exported", path);
        return true;
    }
    messages().show("Spectavo", QString("Cannot write %1.").arg(path).toStdString(),
                    shell::MessageService::Icon::Error);
    return false;
}

// A text table is offered under a name of its own, never over the document it comes from.
void CFixedFrame::exportTableAsText(bool standards) {
    const QString what = standards ? ui("standards") : ui("samples");
    const QString base =
        m_document.path.isEmpty() ? what : QFileInfo(m_document.path).completeBaseName() + "-" + what;
    const QString path = fileChooser().proposeSave(this, ui("Text file(*.txt)"), base + ".txt", "txt");
    if (!path.isEmpty())
        exportTable(standards, path);
}

bool CFixedFrame::multicellSetup() {
    const bool done = m_view->multicellSetup();
    refreshCommands();
    return done;
}

void CFixedFrame::chooseDataFont() {
    if (CFixedSample *sample = m_view->SamplePage())
        sample->OnDataFont();
}

MeasurementWindow *makeFixedPointsWindow(const WindowHost &host) {
    return new CFixedFrame(host, shell::DocumentKind::FixedPoints, new CQuanView(host));
}

} // namespace spectavo::app
