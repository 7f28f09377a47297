// The files of a time-scan window: open, save, export, remove, the close check, the instrument's
// stored time scans and the clipboard picture.

#include "app/scan/scanlistview.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kineview.h"
#include "app/shell/filemanagementdialog.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/uitext.h"
#include "core/config/atomicfile.h"
#include "core/link/commands.h"
#include "core/link/linkcodes.h"
#include "core/link/storedrecords.h"
#include "core/scan/exchangeformats.h"
#include "core/scan/seriesconversion.h"
#include "core/scan/time/kinefile.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

using Icon = shell::MessageService::Icon;
using Answer = shell::MessageService::Answer;

constexpr const char *kCurveFilter = SPECTAVO_TEXT("kinetics analysis spectra(*.kin)");
// The instrument's stored-file type of a time scan.

void cannotWrite(const QString &path) {
    messages().show("Spectavo", strings::trFormat("Cannot write %s.", path.toStdString().c_str()),
                    Icon::Error);
}

} // namespace

void CKineFrame::openRecord() {
    const QString path = fileChooser().chooseOpen(this, kCurveFilter);
    if (!path.isEmpty() && !openFile(path))
        messages().show("Spectavo", strings::trFormat("Cannot read %s.", path.toStdString().c_str()),
                        Icon::Error);
}

// Asks for a file name (the curve's name offered) and writes the curve; false when cancelled or the
// file could not be written.
bool CKineFrame::offerSave(scan::CKineSpectrum &curve) {
    const QString path =
        fileChooser().proposeSave(this, ui(kCurveFilter), QString::fromStdString(curve.name), "kin");
    if (path.isEmpty())
        return false;
    if (!writeCurveFile(curve, path.toStdString())) {
        cannotWrite(path);
        return false;
    }
    m_host.documentSaved(this, path);
    return true;
}

void CKineFrame::saveRecord() {
    if (scan::CKineSpectrum *current = m_curves.current();
        current && !current->acquiring.load() && offerSave(*current))
        refresh();
}

scan::DataFileContent CKineFrame::currentContent() const {
    scan::DataFileContent content;
    if (const auto *current = m_curves.current())
        content.curve = *current;
    return content;
}

void CKineFrame::openInstrumentFile() {
    CFileManagementDialog browser(m_host.program.link, this);
    browser.presetType(link::kStoredTimeScan);
    if (browser.exec() == QDialog::Accepted && browser.choice())
        takeInstrumentFile(*browser.choice());
}

bool CKineFrame::takeInstrumentFile(const shell::FileManagementModel::Choice &choice) {
    if (choice.typeIndex != link::kStoredTimeScan) {
        messages().show("Spectavo", SPECTAVO_TEXT("File type mismatched, please select another one."),
                        Icon::Stop);
        return false;
    }
    m_awaitingFile = m_host.program.link.operations().OpenWordAcquisition(link::kFileOpen, choice.handle[0],
                                                                          choice.handle[1], &m_target);
    refreshCommands();
    return m_awaitingFile;
}

// The stored time scan arrived: it becomes a curve in front, current, with its markers and rate.
void CKineFrame::acceptArrivedFile() {
    m_awaitingFile = false;
    link::StationLink &link = m_host.program.link;
    const link::FileTransfer &transfer = link.fileTransfer();
    auto curve = std::make_unique<scan::CKineSpectrum>(scan::CKineSpectrum::makeNew());
    bool incomplete = false;
    const bool decoded = !transfer.conversionRefused() &&
                         decodeInstrumentCurve(transfer.content().first(transfer.contentBytes()),
                                               link.config().stepsPerNm.load(), link.config().beamType.load(),
                                               *curve, &incomplete);
    link.operations().CloseAcquisitionOf(&m_target);
    if (incomplete) {
        messages().show("Spectavo", link::kIncompleteFile, Icon::Error);
        return;
    }
    if (!decoded) {
        messages().show("Spectavo",
                        SPECTAVO_TEXT("The instrument's file is not a time scan this program can read."),
                        Icon::Error);
        return;
    }
    curve->recomputeMarkers(m_host.program.flags.peakHeight);
    curve->recomputeRate();
    m_curves.insertFront(std::move(curve));
    m_curves.setCurrent(0);
    refresh();
}

void CKineFrame::removeRecord() {
    if (!removeCurrentOf<scan::CKineSpectrum>(
            m_curves, [this](scan::CKineSpectrum &curve) { return offerSave(curve); }))
        return;
    m_list->clear();
    refresh();
}

bool CKineFrame::confirmClose() {
    return confirmCloseOf<scan::CKineSpectrum>(
        m_curves, Records::Curves, [this](scan::CKineSpectrum &curve) { return offerSave(curve); });
}

} // namespace spectavo::app
