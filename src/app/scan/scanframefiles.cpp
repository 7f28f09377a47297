// The files of a wavelength-scan window: open, save, export, remove, the close check, the instrument's
// stored scans and the clipboard picture.

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include "app/scan/scanframe.h"
#include "app/scan/scanlistview.h"
#include "app/scan/spectrumchart.h"
#include "app/scan/waveview.h"
#include "app/shell/filemanagementdialog.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/clipboardpicture.h"
#include "app/widgets/filechooser.h"
#include "core/config/atomicfile.h"
#include "core/config/profilefile.h"
#include "core/link/commands.h"
#include "core/link/linkcodes.h"
#include "core/link/stationmodel.h"
#include "core/link/storedrecords.h"
#include "core/scan/datafileformats.h"
#include "core/scan/exchangeformats.h"
#include "core/scan/peaklist.h"
#include "core/scan/seriesconversion.h"
#include "core/scan/wave/wavefile.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

using Icon = shell::MessageService::Icon;

} // namespace

namespace {

const QString &spectrumFilter() {
    static const QString filter = formatFilter("sca") + ";;" + formatFilter("wav");
    return filter;
}

} // namespace

void CScanFrame::openRecord() {
    const QString path = fileChooser().chooseOpen(this, spectrumFilter());
    if (path.isEmpty())
        return;
    if (!openFile(path))
        messages().show("Spectavo", strings::trFormat("Cannot read %s.", path.toStdString().c_str()),
                        Icon::Error);
}

// Asks for a file name (the spectrum's name offered) and writes the spectrum; false when cancelled or
// the file could not be written.
bool CScanFrame::offerSave(scan::CWaveSpectrum &spectrum, const QString &suffix) {
    const QString path =
        fileChooser().proposeSave(this, spectrumFilter(), QString::fromStdString(spectrum.name), suffix);
    if (path.isEmpty())
        return false;
    if (!writeSpectrumFile(spectrum, path.toStdString())) {
        messages().show("Spectavo", strings::trFormat("Cannot write %s.", path.toStdString().c_str()),
                        Icon::Error);
        return false;
    }
    m_host.documentSaved(this, path);
    return true;
}

void CScanFrame::saveRecord() {
    if (scan::CWaveSpectrum *current = m_spectra.current();
        current && !current->acquiring.load() && offerSave(*current, "sca"))
        refresh();
}

scan::DataFileContent CScanFrame::currentContent() const {
    scan::DataFileContent content;
    if (const auto *current = m_spectra.current())
        content.spectrum = *current;
    return content;
}

void CScanFrame::openInstrumentFile() {
    CFileManagementDialog browser(m_host.program.link, this);
    if (browser.exec() == QDialog::Accepted && browser.choice())
        takeInstrumentFile(*browser.choice());
}

bool CScanFrame::takeInstrumentFile(const shell::FileManagementModel::Choice &choice) {
    if (choice.typeIndex != link::kStoredScan) {
        messages().show("Spectavo", SPECTAVO_TEXT("File type mismatched, please select another one."),
                        Icon::Stop);
        return false;
    }
    m_awaitingFile = m_host.program.link.operations().OpenWordAcquisition(link::kFileOpen, choice.handle[0],
                                                                          choice.handle[1], &m_target);
    return m_awaitingFile;
}

// The stored scan arrived: it becomes a spectrum in front, and its record's threshold the program's.
void CScanFrame::acceptArrivedFile() {
    m_awaitingFile = false;
    link::StationLink &link = m_host.program.link;
    const link::FileTransfer &transfer = link.fileTransfer();
    auto spectrum = std::make_unique<scan::CWaveSpectrum>(scan::CWaveSpectrum::makeNew());
    const ProfileFile model(link::stationModelFile(link.status().modelName.get()), true);
    std::optional<float> decoded;
    bool incomplete = false;
    if (!transfer.conversionRefused())
        decoded = decodeInstrumentSpectrum(transfer.content().first(transfer.contentBytes()),
                                           link.config().stepsPerNm.load(), model, *spectrum, &incomplete);
    link.operations().CloseAcquisitionOf(&m_target);
    if (incomplete) {
        messages().show("Spectavo", link::kIncompleteFile, Icon::Error);
        return;
    }
    if (!decoded) {
        messages().show("Spectavo",
                        SPECTAVO_TEXT("The instrument's file is not a spectrum this program can read."),
                        Icon::Error);
        return;
    }
    // The record's threshold becomes the program's only when the threshold dialog would accept it: a
    // damaged value would otherwise hide every peak, now and after a restart.
    const float threshold = scan::acceptableThreshold(*decoded) ? *decoded : m_host.program.flags.peakHeight;
    m_host.program.flags.peakHeight = threshold;
    spectrum->recomputeMarks(threshold);
    m_spectra.insertFront(std::move(spectrum));
    m_spectra.setCurrent(0);
    refresh();
}

void CScanFrame::removeRecord() {
    if (!removeCurrentOf<scan::CWaveSpectrum>(
            m_spectra, [this](scan::CWaveSpectrum &spectrum) { return offerSave(spectrum, "wav"); }))
        return;
    m_list->clear();
    refresh();
}

bool CScanFrame::confirmClose() {
    return confirmCloseOf<scan::CWaveSpectrum>(
        m_spectra, Records::Spectra,
        [this](scan::CWaveSpectrum &spectrum) { return offerSave(spectrum, "wav"); });
}

} // namespace spectavo::app
