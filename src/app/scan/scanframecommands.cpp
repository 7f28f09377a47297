// The commands of a wavelength-scan window: menus, the "Spectrum" toolbar and what each does.

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QToolBar>

#include "app/scan/displayrangedialog.h"
#include "app/scan/scanderivative.h"
#include "app/scan/scanframe.h"
#include "app/scan/scanlistview.h"
#include "app/scan/scanproperty.h"
#include "app/scan/scanresample.h"
#include "app/scan/scansetupdialog.h"
#include "app/scan/scansmooth.h"
#include "app/scan/sysmathsavgol.h"
#include "app/scan/wavecompute.h"
#include "app/scan/waveview.h"
#include "app/shell/filemanagementdialog.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/servicedialogs.h"
#include "app/widgets/colourbox.h"
#include "app/widgets/filechooser.h"
#include "core/config/atomicfile.h"
#include "core/config/profilefile.h"
#include "core/link/commands.h"
#include "core/scan/chartstyle.h"
#include "core/scan/exchangeformats.h"
#include "core/scan/seriesconversion.h"
#include "core/scan/wave/wavefile.h"
#include "core/strings/cformat.h"

namespace spectavo::app {
namespace {

const QString kSpectrumFilter = "wavelength scan spectra(*.sca);;Previous Data Format(*.wav)";
using Icon = shell::MessageService::Icon;

} // namespace

QAction *CScanFrame::addCommand(QMenu *menu, Command command, const QString &text,
                                std::function<void()> handler, bool checkable) {
    QAction *action = menu->addAction(text);
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
    addCommand(file, kSave, "&Save", [this] { saveSpectrum(); });
    addCommand(file, kSaveAs, "Save &As...", [this] { saveSpectrum(); });
    addCommand(file, kExport, "&Export",
               [this] { exportSpectrum("Text file(*.txt)", "txt", &CScanFrame::exportCurrentTable); });
    addCommand(file, kExportCsv, "Export as CSV...", [this] {
        exportSpectrum("Comma-separated values(*.csv)", "csv", &CScanFrame::exportCurrentCsv);
    });
    addCommand(file, kExportJcamp, "Export as JCAMP-DX...", [this] {
        exportSpectrum("JCAMP-DX spectra(*.jdx *.dx)", "jdx", &CScanFrame::exportCurrentJcamp);
    });
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
        measure, kStart, "&Start", [this] { m_acquisition.startSampleScan(); }, true);
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
    if (const auto current = m_spectra.currentIndex()) {
        m_spectrumBox->setCurrentIndex(static_cast<int>(*current));
        for (int i = 0; i < m_colourBox->count(); ++i)
            if (scan::indexedColour(i) == m_spectra.at(*current).colour)
                m_colourBox->setCurrentIndex(i);
    }
    m_backgroundBox->setCurrentIndex(std::clamp(m_display.range().background, 0, 19));
}

// --- measuring ---

void CScanFrame::setupScan() {
    CScanSetupDialog dialog(m_host.program.shared.scan, m_acquisition.instrumentReady(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_acquisition.sendScanParameters();
}

void CScanFrame::startEnergyScan() {
    CAmplifierDialog dialog(m_host.program.link, this, true);
    if (dialog.exec() == QDialog::Accepted)
        m_acquisition.startEnergyScan();
}

void CScanFrame::setupThreshold() {
    bool ok = false;
    const double value =
        QInputDialog::getDouble(this, "Setup peak/valley threshold", "Please key in the threshold(Abs)",
                                m_host.program.flags.peakHeight, 0.0, 10.0, 4, &ok);
    if (!ok)
        return;
    m_host.program.flags.peakHeight = static_cast<float>(value);
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (!m_spectra.at(i).acquiring.load())
            m_spectra.at(i).recomputeMarks(m_host.program.flags.peakHeight);
    refresh();
}

// The settings sheet, preset with what the chart uses now.
void CScanFrame::customize() {
    ProfileFile wavescan(scan::CDisplayRange::kFileName, true);
    ProfileFile analyst("..\\config\\tarvesta.zav.analyst.ini", true);
    CScanProperty sheet(scan::SpectrumSheet::preset(m_display.range(), m_absorbance, m_spectra.current(),
                                                    wavescan, analyst, m_view->fonts()),
                        this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    applySettingsSheet(sheet.sheet());
}

void CScanFrame::applySettingsSheet(const scan::SpectrumSheet &values) {
    ProfileFile wavescan(scan::CDisplayRange::kFileName, true);
    ProfileFile analyst("..\\config\\tarvesta.zav.analyst.ini", true);
    scan::ChartFonts fonts = m_view->fonts();
    std::string message;
    {
        ProfileFile::Batch wavescanBatch(wavescan);
        ProfileFile::Batch analystBatch(analyst);
        message =
            values.apply(m_display, m_absorbance, m_spectra.current(), wavescanBatch, analystBatch, fonts);
    }
    m_view->setFonts(fonts);
    if (!message.empty())
        messages().show("Spectavo", message, Icon::Information);
    refresh();
}

// --- mathematics ---

void CScanFrame::addDerived(std::optional<CWaveSpectrum> derived) {
    if (!derived)
        return;
    m_spectra.insertFront(std::make_unique<CWaveSpectrum>(std::move(*derived)));
    m_spectra.setCurrent(0);
    refresh();
}

void CScanFrame::savitzkyGolay() {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CSysMathSavGol dialog(QString::fromStdString(current->sampleName() + "-SavGol"), this);
    if (dialog.exec() == QDialog::Accepted)
        addDerived(savitzkyGolaySpectrum(*current, dialog.degree(), dialog.derivative(), dialog.halfWidth(),
                                         dialog.resultName().toStdString(), m_host.program.flags.peakHeight));
}

void CScanFrame::smooth() {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CScanSmooth dialog(QString::fromStdString(current->sampleName() + "-s"), this);
    if (dialog.exec() == QDialog::Accepted)
        addDerived(smoothSpectrum(*current, dialog.range(), dialog.resultName().toStdString(),
                                  m_host.program.flags.peakHeight));
}

void CScanFrame::derive() {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CScanDerivative dialog(QString::fromStdString(current->sampleName() + "-d"), this);
    if (dialog.exec() == QDialog::Accepted)
        addDerived(derivativeSpectrum(*current, dialog.order(), dialog.resultName().toStdString(),
                                      m_host.program.flags.peakHeight));
}

void CScanFrame::resample() {
    CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CScanResample dialog(this);
    if (dialog.exec() == QDialog::Accepted &&
        resampleSpectrum(*current, dialog.factor(), m_host.program.flags.peakHeight))
        refresh();
}

void CScanFrame::computeArithmetic(SpectrumOperation operation) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (!m_spectra.at(i).acquiring.load())
            names.push_back(m_spectra.at(i).name);
    CWaveCompute dialog(names, operation, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto a = m_spectra.findByName(dialog.first().toStdString());
    const auto b = m_spectra.findByName(dialog.second().toStdString());
    if (a && b)
        addDerived(spectrumArithmetic(m_spectra.at(*a), m_spectra.at(*b), operation,
                                      dialog.resultName().toStdString(), m_host.program.flags.peakHeight));
}

// --- files ---

void CScanFrame::openSpectrum() {
    const QString path = fileChooser().chooseOpen(this, kSpectrumFilter);
    if (path.isEmpty())
        return;
    if (!openFile(path))
        messages().show("Spectavo", strings::formatC("Cannot read %s.", path.toStdString().c_str()),
                        Icon::Error);
}

bool CScanFrame::saveCurrentAs(const QString &path) {
    CWaveSpectrum *current = m_spectra.current();
    if (!current || current->acquiring.load())
        return false;
    if (!writeSpectrumFile(*current, path.toStdString())) {
        messages().show("Spectavo", strings::formatC("Cannot write %s.", path.toStdString().c_str()),
                        Icon::Error);
        return false;
    }
    refresh();
    return true;
}

// Asks for a file name (the spectrum's name offered) and writes the spectrum; false when cancelled or
// the file could not be written.
bool CScanFrame::offerSave(CWaveSpectrum &spectrum, const QString &suffix) {
    const QString path =
        fileChooser().chooseSave(this, kSpectrumFilter, QString::fromStdString(spectrum.name), suffix);
    if (path.isEmpty())
        return false;
    if (!writeSpectrumFile(spectrum, path.toStdString())) {
        messages().show("Spectavo", strings::formatC("Cannot write %s.", path.toStdString().c_str()),
                        Icon::Error);
        return false;
    }
    return true;
}

void CScanFrame::saveSpectrum() {
    if (CWaveSpectrum *current = m_spectra.current();
        current && !current->acquiring.load() && offerSave(*current, "sca"))
        refresh();
}

void CScanFrame::exportSpectrum(const QString &filter, const QString &suffix,
                                bool (CScanFrame::*writer)(const QString &)) {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    const QString path =
        fileChooser().chooseSave(this, filter, QString::fromStdString(current->name), suffix);
    if (!path.isEmpty() && !(this->*writer)(path))
        messages().show("Spectavo", strings::formatC("Cannot write %s.", path.toStdString().c_str()),
                        Icon::Error);
}

bool CScanFrame::exportCurrentTable(const QString &path) {
    const CWaveSpectrum *current = m_spectra.current();
    return current && exportSpectrumTable(*current, path.toStdString());
}

bool CScanFrame::exportCurrentCsv(const QString &path) {
    const CWaveSpectrum *current = m_spectra.current();
    return current && writeFileAtomically(path.toStdString(), csvText(seriesOf(*current)));
}

bool CScanFrame::exportCurrentJcamp(const QString &path) {
    const CWaveSpectrum *current = m_spectra.current();
    return current && writeFileAtomically(path.toStdString(), jcampText(seriesOf(*current)));
}

void CScanFrame::openInstrumentFile() {
    CFileManagementDialog browser(m_host.program.link, this);
    if (browser.exec() == QDialog::Accepted && browser.choice())
        requestInstrumentFile(*browser.choice());
}

bool CScanFrame::requestInstrumentFile(const shell::FileManagementModel::Choice &choice) {
    if (choice.typeIndex != 1) {
        messages().show("Spectavo", "File type mismatched, please select another one.", Icon::Stop);
        return false;
    }
    m_awaitingFile = m_host.program.link.OpenWordAcquisition(link::kFileOpen, choice.handle[0],
                                                             choice.handle[1], &m_target);
    return m_awaitingFile;
}

// The stored scan arrived: it becomes a spectrum in front, and its record's threshold the program's.
void CScanFrame::takeInstrumentFile() {
    m_awaitingFile = false;
    link::StationLink &link = m_host.program.link;
    const link::FileTransfer &transfer = link.fileTransfer();
    auto spectrum = std::make_unique<CWaveSpectrum>();
    const ProfileFile model("..\\config\\tarvesta.zav.station." + link.status().modelName.get() + ".ini",
                            true);
    std::optional<float> decoded;
    if (!transfer.conversionRefused())
        decoded = decodeInstrumentSpectrum(transfer.content().first(transfer.contentBytes()),
                                           link.config().stepsPerNm.load(), model, *spectrum);
    link.CloseAcquisition();
    if (!decoded) {
        messages().show("Spectavo", "The instrument's file is not a spectrum this program can read.",
                        Icon::Error);
        return;
    }
    const float threshold = decoded.value_or(m_host.program.flags.peakHeight);
    m_host.program.flags.peakHeight = threshold;
    spectrum->recomputeMarks(threshold);
    m_spectra.insertFront(std::move(spectrum));
    m_spectra.setCurrent(0);
    refresh();
}

void CScanFrame::removeSpectrum() {
    CWaveSpectrum *current = m_spectra.current();
    if (!current || current->acquiring.load())
        return;
    if (current->modified &&
        messages().ask("Spectavo", current->sampleName() + " has not been saved. Save it now?",
                       Icon::Question) &&
        !offerSave(*current, "wav"))
        return;
    m_spectra.remove(*m_spectra.currentIndex());
    if (!m_spectra.empty())
        m_spectra.setCurrent(0);
    m_list->clear();
    refresh();
}

bool CScanFrame::confirmClose() {
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (m_spectra.at(i).acquiring.load()) {
            messages().show("Spectavo",
                            strings::formatC("%s has not completed. This window should not be closed.",
                                             m_spectra.at(i).sampleName().c_str()),
                            Icon::Information);
            return false;
        }
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        CWaveSpectrum &spectrum = m_spectra.at(i);
        if (spectrum.modified &&
            messages().ask("Spectavo", spectrum.name + " has not been saved. Save it now?", Icon::Question) &&
            !offerSave(spectrum, "wav"))
            return false;
    }
    return true;
}

// The chart as the clipboard's picture: SVG (described as the program's chart) and PNG.
void CScanFrame::copyPicture() {
    if (m_spectra.empty())
        return;
    const SpectrumChartScene scene = m_view->scene();
    const QRect area = m_view->rect();
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(area.size());
        generator.setViewBox(area);
        generator.setDescription("ZAV.SCA");
        QPainter painter(&generator);
        paintSpectrumChart(painter, area, scene);
    }
    QImage image(area.size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintSpectrumChart(painter, area, scene);
    }
    auto *picture = new QMimeData;
    picture->setData("image/svg+xml", svg);
    picture->setImageData(image);
    QApplication::clipboard()->setMimeData(picture);
}

// --- display ---

void CScanFrame::showDisplayRangeDialog() {
    CDisplayRangeDialog dialog(m_display, m_base, m_absorbance, this);
    if (dialog.exec() == QDialog::Accepted)
        redraw();
}

void CScanFrame::undoScales() {
    // An entry may bring back another mode or other peak switches: the list is refilled too.
    if (const std::optional<bool> mode = m_display.undo(m_absorbance)) {
        m_absorbance = *mode;
        m_host.setAbsorbance(*mode);
    }
    refresh();
}

void CScanFrame::restoreScales() {
    m_display.restore(m_base);
    redraw();
}

void CScanFrame::togglePeakSwitch(bool peaks) {
    m_display.pushUndo(m_absorbance);
    std::int32_t &flag = peaks ? m_display.range().showPeaks : m_display.range().showValleys;
    flag = flag ? 0 : 1;
    refresh();
}

} // namespace spectavo::app
