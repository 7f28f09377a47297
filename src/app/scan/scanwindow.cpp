#include "app/scan/scanwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QInputDialog>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>

#include "app/scan/chartview.h"
#include "app/scan/displayrangedialog.h"
#include "app/scan/scanlistview.h"
#include "app/scan/spectrumprinter.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/clipboardpicture.h"
#include "app/widgets/colourbox.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/menucommands.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/chartstyle.h"
#include "core/scan/datafileformats.h"
#include "core/scan/peaklist.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {

QString formatFilter(const std::string &extension) {
    const scan::DataFileFormat *format = scan::dataFileFormatFor("x." + extension);
    return format ? ui(format->filter) : QString();
}

CScanWindow::CScanWindow(WindowHost host, scan::CDisplayRange range, scan::BaseScales base,
                         const char *settingsFile, QWidget *parent)
    : QSplitter(Qt::Horizontal, parent), m_host(std::move(host)), m_settingsFile(settingsFile),
      m_display(range), m_base(base), m_absorbance(m_host.program.flags.absorbanceMode == 1),
      m_list(new CScanListView) {}

CScanWindow::~CScanWindow() {
    delete m_toolBar;
    qDeleteAll(m_menus);
    ProfileFile file(m_settingsFile, true);
    ProfileFile::Batch batch(file);
    m_display.range().save(batch);
}

void CScanWindow::placePanes(CChartView *chart) {
    addWidget(chart);
    m_list->setMinimumWidth(120);
    addWidget(m_list);
    setStretchFactor(0, 1);
    setMinimumSize(600, 380);
    chart->onDisplayChanged = [this] { redraw(); };
    chart->onStatus = [this](const std::string &text) { m_host.showState(text); };
    chart->onContextMenu = [this](QPoint at) {
        QMenu menu;
        for (QMenu *popup : m_menus)
            menu.addMenu(popup);
        menu.exec(at);
    };
}

void CScanWindow::setAbsorbance(bool absorbance) {
    m_absorbance = absorbance;
    refresh();
}

void CScanWindow::modeCommand(bool absorbance) {
    m_display.pushUndo(m_absorbance);
    m_display.range().manual = 0;
    ProfileFile(m_settingsFile, true).PutInt("Grid", "ManualSet", 0);
    setAbsorbance(absorbance);
}

void CScanWindow::refresh() {
    refillList();
    fitListWidth();
    redraw();
}

// Ranges, background or colours changed: the peak list stays as it is.
void CScanWindow::redraw() {
    refillRecordBox();
    chart()->invalidate();
    refreshCommands();
}

// The peak list keeps its width when the window is resized: 160 pixels, or what its columns need
// when the font is wider.
void CScanWindow::fitListWidth() {
    const int listWidth = std::max(160, m_list->naturalWidth());
    setSizes({std::max(width() - listWidth - handleWidth(), 0), listWidth});
}

void CScanWindow::resizeEvent(QResizeEvent *event) {
    QSplitter::resizeEvent(event);
    fitListWidth();
}

std::string CScanWindow::unsavedQuestion(const std::string &name) {
    return strings::trFormat("%s has not been saved. Save it now?", name.c_str());
}

void CScanWindow::tellStillMeasured(const std::string &sampleName) {
    messages().show(
        "Spectavo",
        strings::trFormat("%s has not completed. This window should not be closed.", sampleName.c_str()),
        shell::MessageService::Icon::Information);
}

bool CScanWindow::settleUnsaved(const std::vector<std::string> &names, Records records,
                                const std::function<bool(std::size_t)> &save) {
    if (names.empty())
        return true;
    std::string listed;
    for (const std::string &name : names)
        listed += "\n" + name;
    const std::string question =
        names.size() == 1 ? unsavedQuestion(names.front())
        : records == Records::Spectra
            ? strings::trFormat("These spectra have not been saved:%s\nSave them now?", listed.c_str())
            : strings::trFormat("These curves have not been saved:%s\nSave them now?", listed.c_str());
    // Cancel (Escape, the box's close button) keeps the window with every record.
    const auto answer = messages().askOrCancel("Spectavo", question, shell::MessageService::Icon::Question);
    if (answer == shell::MessageService::Answer::Cancel)
        return false;
    if (answer == shell::MessageService::Answer::Yes)
        for (std::size_t k = 0; k < names.size(); ++k)
            if (!save(k))
                return false;
    return true;
}

void CScanWindow::closeEvent(QCloseEvent *event) {
    if (closeSettled() || confirmClose())
        event->accept();
    else
        event->ignore();
}

void CScanWindow::refreshCommands() {
    const scan::ScanWindowState state = commandState();
    for (const auto &[command, action] : m_actions) {
        const scan::CommandState rule = commandRule(command, state);
        action->setEnabled(rule.enabled);
        if (action->isCheckable())
            action->setChecked(rule.checked);
    }
    const bool exportable = commandRule(kExport, state).enabled;
    for (const auto &[name, action] : m_exportActions)
        action->setEnabled(exportable);
    if (m_colourBox)
        m_colourBox->setEnabled(state.spectrumCount > 0);
}

QAction *CScanWindow::addCommand(QMenu *menu, Command command, const QString &text,
                                 std::function<void()> handler, bool checkable) {
    QAction *action = addMenuCommand(menu, text);
    action->setObjectName(QString("scan%1").arg(static_cast<int>(command)));
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
        handler();
        refreshCommands();
    });
    m_actions[command] = action;
    return action;
}

// One action a format of the table that exports; all follow the export rule.
void CScanWindow::addExportCommands(QMenu *file) {
    for (const scan::DataFileFormat *format : scan::exportFormats()) {
        QAction *action = file->addAction(ui(format->exportText));
        action->setObjectName(QString("scanExport.%1").arg(format->name));
        connect(action, &QAction::triggered, this, [this, format] {
            exportCurrent(*format);
            refreshCommands();
        });
        m_exportActions[format->name] = action;
    }
}

QMenu *CScanWindow::fileMenu(const QString &title, const char *pictureName) {
    auto *file = new QMenu(title);
    addCommand(file, kOpen, ui("&Open..."), [this] { openRecord(); });
    addCommand(file, kLoad, ui("&Load..."), [this] { openRecord(); });
    addCommand(file, kSave, ui("&Save\tCtrl+S"), [this] { saveRecord(); });
    addCommand(file, kSaveAs, ui("Save &As..."), [this] { saveRecord(); });
    addExportCommands(file);
    addCommand(file, kRemove, ui("&Remove"), [this] { removeRecord(); });
    file->addSeparator();
    addCommand(file, kCopy, ui("&Copy"), [this, pictureName] { copyPicture(pictureName); });
    file->addSeparator();
    addCommand(file, kOpenInstrumentFile, ui("Open file from &UV-Rediradozu"),
               [this] { openInstrumentFile(); });
    file->addSeparator();
    addCommand(file, kPrint, ui("&Print...\tCtrl+P"), [this] { print(); });
    addCommand(file, kPrintPreview, ui("Print Pre&view"), [this] { printPreview(); });
    addCommand(file, kPrintSetup, ui("P&rint Setup..."), [this] { printSetup(); });
    addCommand(file, kExportPdf, ui("Export as PDF..."), [this] { exportPdf(); });
    return file;
}

QMenu *CScanWindow::viewMenu(const QString &peaksTip, const QString &valleysTip) {
    auto *view = new QMenu(ui("&View"));
    addCommand(
        view, kMagnify, ui("&Magnify"), [this] { chart()->setZoomMode(!chart()->zoomMode()); }, true)
        ->setStatusTip(ui("Activate the ZOOM Function"));
    addCommand(view, kRestore, ui("&Restore"), [this] {
        restoreScales();
    })->setStatusTip(ui("Original Scales"));
    addCommand(
        view, kSearch, ui("S&earch"), [this] { chart()->setSearchMode(!chart()->searchMode()); }, true)
        ->setStatusTip(ui("Trace Cursor"));
    addCommand(view, kDisplayRange, ui("Display &Range"), [this] {
        showDisplayRangeDialog();
    })->setStatusTip(ui("Display Range Setup"));
    addCommand(view, kUndoScales, ui("&Undo Scales\tCtrl+Z"), [this] { undoScales(); });
    addCommand(view, kFitToData, ui("Fit to &Data"), [this] {
        fitToData();
    })->setStatusTip(ui("The scales that show every curve whole"));
    view->addSeparator();
    const auto modeCommandOf = [this](bool absorbance) {
        return [this, absorbance] {
            if (m_host.modeCommand)
                m_host.modeCommand(absorbance);
            else
                modeCommand(absorbance);
        };
    };
    addCommand(view, kAbsorbanceMode, ui("Absorbance Mode"), modeCommandOf(true), true);
    addCommand(view, kTransmittanceMode, ui("Transmittance Mode"), modeCommandOf(false), true);
    addCommand(view, kCustomize, ui("C&ustomize"), [this] { customize(); });
    view->addSeparator();
    addCommand(
        view, kShowPeaks, ui("&Peaks"), [this] { togglePeakSwitch(true); }, true)
        ->setStatusTip(peaksTip);
    addCommand(
        view, kShowValleys, ui("&Valleys"), [this] { togglePeakSwitch(false); }, true)
        ->setStatusTip(valleysTip);
    return view;
}

void CScanWindow::addBoxes(const QString &recordBoxName, std::function<void(int)> pickRecord,
                           std::function<void(std::uint32_t)> pickColour) {
    m_recordBox = new QComboBox;
    m_recordBox->setObjectName(recordBoxName);
    m_recordBox->setFixedWidth(160);
    m_colourBox = makeColourIndexBox();
    m_colourBox->setFixedWidth(60);
    m_backgroundBox = makeColourIndexBox();
    m_backgroundBox->setFixedWidth(60);
    m_toolBar->addWidget(m_recordBox);
    m_toolBar->addWidget(m_colourBox);
    m_toolBar->addWidget(m_backgroundBox);
    connect(m_recordBox, &QComboBox::activated, this,
            [pickRecord = std::move(pickRecord)](int index) { pickRecord(index); });
    connect(m_colourBox, &QComboBox::activated, this, [this, pickColour = std::move(pickColour)](int index) {
        pickColour(scan::indexedColour(index));
        chart()->invalidate();
    });
    connect(m_backgroundBox, &QComboBox::activated, this, [this](int index) {
        m_display.pushUndo(m_absorbance);
        m_display.range().background = index;
        redraw();
    });
}

void CScanWindow::showColours(std::optional<std::uint32_t> current) {
    int colour = -1;
    for (int i = 0; current && i < m_colourBox->count() && colour < 0; ++i)
        if (scan::indexedColour(i) == *current)
            colour = i;
    m_colourBox->setCurrentIndex(colour);
    m_backgroundBox->setCurrentIndex(std::clamp(m_display.range().background, 0, 19));
}

void CScanWindow::setupThreshold() {
    bool ok = false;
    const double value = QInputDialog::getDouble(
        this, ui("Setup peak/valley threshold"), ui("Please key in the threshold(Abs)"),
        m_host.program.flags.peakHeight, scan::kThresholdMin, scan::kThresholdMax, 4, &ok);
    if (!ok)
        return;
    m_host.program.flags.peakHeight = static_cast<float>(value);
    recomputeMarks(m_host.program.flags.peakHeight);
    refresh();
}

void CScanWindow::showDisplayRangeDialog() {
    CDisplayRangeDialog dialog(m_display, m_base, m_absorbance, this);
    if (dialog.exec() == QDialog::Accepted)
        redraw();
}

void CScanWindow::undoScales() {
    // An entry may bring back another mode or other peak switches: the list is refilled too.
    if (const std::optional<bool> mode = m_display.undo(m_absorbance)) {
        m_absorbance = *mode;
        m_host.setAbsorbance(*mode);
    }
    if (m_undoEndsManual) {
        m_display.range().manual = 0;
        ProfileFile(m_settingsFile, true).PutInt("Grid", "ManualSet", 0);
    }
    refresh();
}

void CScanWindow::restoreScales() {
    m_display.restore(m_base);
    redraw();
}

void CScanWindow::fitToData() {
    if (const std::optional<scan::DataExtent> extent = dataExtent()) {
        m_display.fitTo(m_absorbance, *extent);
        redraw();
        refreshCommands();
    }
}

void CScanWindow::fitAfterMeasurement() {
    if (ProfileFile(kAnalystSettingsFile, true).GetInt("ZAV Range", "FitAfterMeasurement", 1) != 0)
        fitToData();
}

void CScanWindow::togglePeakSwitch(bool peaks) {
    m_display.pushUndo(m_absorbance);
    std::int32_t &flag = peaks ? m_display.range().showPeaks : m_display.range().showValleys;
    flag = flag ? 0 : 1;
    refresh();
}

bool CScanWindow::printToPdf(const QString &path) {
    const auto pages = makePrinter();
    if (!pages)
        return false;
    const bool printed = printPagesToPdf(*pages, path);
    m_printedPages = pages->pageCount();
    return printed;
}

void CScanWindow::exportPdf() {
    const std::string name = currentName();
    if (name.empty())
        return;
    const QString path = fileChooser().proposeSave(
        this, ui("PDF document(*.pdf)"), QString::fromStdString(scan::exportFileName(name, "pdf")), "pdf");
    if (!path.isEmpty() && printToPdf(path))
        m_host.fileWritten("document printed", path);
}

void CScanWindow::print() {
    if (const auto pages = makePrinter())
        printOnPrinter(*pages, this, [this] { exportPdf(); });
}

void CScanWindow::printPreview() {
    if (const auto pages = makePrinter())
        previewPages(*pages, this);
}

void CScanWindow::printSetup() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(scanPageLayout());
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        scanPageLayout() = printer.pageLayout();
}

void CScanWindow::exportCurrent(const scan::DataFileFormat &format) {
    // Never a record still being measured: its points are not all there.
    if (!commandState().currentSaveable)
        return;
    const std::string &suffix = format.extensions.front();
    const QString path = fileChooser().proposeSave(
        this, ui(format.filter), QString::fromStdString(scan::exportFileName(currentName(), suffix)),
        QString::fromStdString(suffix));
    if (path.isEmpty())
        return;
    scan::DataFileContent content = currentContent();
    const bool hasRecord = content.spectrum || content.curve;
    if (hasRecord && format.write(content, path.toStdString()).empty())
        m_host.fileWritten("document exported", path);
    else
        messages().show("Spectavo", strings::trFormat("Cannot write %s.", path.toStdString().c_str()),
                        shell::MessageService::Icon::Error);
}

// The chart as the clipboard's picture: SVG (described as the program's chart) and PNG.
void CScanWindow::copyPicture(const char *pictureName) {
    const SpectrumChartScene scene = chart()->scene();
    if (scene.spectra.empty())
        return;
    copyPictureToClipboard(chart()->rect(), pictureName, [&scene](QPainter &painter, const QRect &area) {
        paintSpectrumChart(painter, area, scene);
    });
}

} // namespace spectavo::app
