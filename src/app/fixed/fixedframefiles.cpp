// The files of a fixed-wavelength document window: open, load, save, the instrument's stored files
// and the close check.

#include <QCloseEvent>
#include <QDate>
#include <QStringList>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/shell/filemanagementdialog.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/uitext.h"
#include "core/fixed/storeddocument.h"
#include "core/link/linkcodes.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

using Icon = shell::MessageService::Icon;
using Answer = shell::MessageService::Answer;

constexpr const char *kUnsavedQuestion = SPECTAVO_TEXT("Result has not been saved. Save it now?");

QString filterOf(fixed::MethodKind kind) {
    return ui(fixed::documentFileNames(kind).filter);
}

QStringList suffixesOf(fixed::MethodKind kind) {
    const fixed::DocumentFileNames &names = fixed::documentFileNames(kind);
    return {names.documentSuffix, names.methodSuffix};
}

} // namespace

bool CFixedFrame::openFile(const QString &path) {
    if (!m_view->LoadDocument(path.toStdString(), false))
        return false;
    m_document.path = path;
    return true;
}

bool CFixedFrame::confirmClose() {
    if (m_view->measuring()) {
        messages().show("Spectavo", SPECTAVO_TEXT("A measurement is running. Finish or cancel it first."),
                        Icon::Warning);
        return false;
    }
    if (m_view->autorunRunning()) {
        messages().show("Spectavo", SPECTAVO_TEXT("The automatic run is still measuring. Stop it first."),
                        Icon::Warning);
        return false;
    }
    return SaveModified();
}

void CFixedFrame::closeEvent(QCloseEvent *event) {
    if (closeSettled() || confirmClose())
        event->accept();
    else
        event->ignore();
}

bool CFixedFrame::SaveModified() {
    if (!m_view->unsavedResults())
        return true;
    switch (messages().askOrCancel("Spectavo", kUnsavedQuestion, Icon::Question)) {
    case Answer::Yes:
        return saveDocumentAs(false);
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool CFixedFrame::startNewDocument() {
    if (!SaveModified())
        return false;
    m_view->clearResults();
    m_document.path.clear();
    refreshCommands();
    return true;
}

// Asks for a file and saves into it; false when cancelled or not written. The close check saves the
// whole document, without the method-only box.
bool CFixedFrame::saveDocumentAs(bool offerMethodOnly) {
    if (!m_view->settleStaleResults())
        return false;
    const fixed::MethodKind kind = m_view->methodKind();
    const FileChooser::DocumentChoice choice = fileChooser().chooseDocument(
        this, true, filterOf(kind), suffixesOf(kind), offerMethodOnly, proposedDocumentName());
    return !choice.path.isEmpty() && saveTo(choice.path, choice.methodOnly);
}

// Writes the document into a file that is then its own; false (the operator told why) when not written.
bool CFixedFrame::saveTo(const QString &path, bool methodOnly) {
    if (!m_view->SaveDocument(path.toStdString(), methodOnly))
        return false;
    m_document.path = path;
    m_host.documentSaved(this, path);
    refreshCommands();
    return true;
}

bool CFixedFrame::saveDocument() {
    const std::optional<fixed::DocumentFileKind> stored =
        m_document.path.isEmpty() ? std::nullopt : fixed::documentFileKind(m_document.path.toStdString());
    if (!stored)
        return saveDocumentAs(true);
    return m_view->settleStaleResults() && saveTo(m_document.path, stored->methodOnly);
}

// A new document's name: its report title when one was typed, else its first sample's, with the date.
QString CFixedFrame::proposedDocumentName() const {
    std::string name = m_view->InformationPage() ? m_view->InformationPage()->texts().title : std::string();
    if (name.empty() || name == "Title") {
        const fixed::SampleTable &samples = m_view->SamplePage()->table();
        name = samples.rowCount() > 0 ? samples.grid().text(1, 0) : std::string();
    }
    if (name.empty())
        return {};
    return QString::fromStdString(name) + " " + QDate::currentDate().toString(Qt::ISODate);
}

// Open and Load replace the tables: results not yet saved are offered for saving first.
void CFixedFrame::openDocument() {
    if (!SaveModified())
        return;
    const fixed::MethodKind kind = m_view->methodKind();
    const FileChooser::DocumentChoice choice =
        fileChooser().chooseDocument(this, false, filterOf(kind), suffixesOf(kind));
    if (choice.path.isEmpty() || !m_view->LoadDocument(choice.path.toStdString(), choice.methodOnly))
        return;
    m_document.path = choice.path;
    m_host.documentSaved(this, choice.path);
    refreshCommands();
}

void CFixedFrame::openInstrumentFile() {
    CFileManagementDialog browser(m_host.program.link, this);
    browser.presetType(fixed::presetInstrumentType(m_view->methodKind()));
    if (browser.exec() == QDialog::Accepted && browser.choice())
        takeInstrumentFile(*browser.choice());
}

bool CFixedFrame::takeInstrumentFile(const shell::FileManagementModel::Choice &choice) {
    if (!fixed::acceptsInstrumentType(m_view->methodKind(), choice.typeIndex)) {
        messages().show("Spectavo", fixed::kImportTypeMismatch, Icon::Stop);
        return false;
    }
    if (!SaveModified())
        return false;
    m_awaitingFile = m_host.program.link.operations().OpenWordAcquisition(link::kFileOpen, choice.handle[0],
                                                                          choice.handle[1], &m_target);
    refreshCommands();
    return m_awaitingFile;
}

// The stored file arrived: it goes into the document, and the instrument is free again.
void CFixedFrame::acceptArrivedFile() {
    m_awaitingFile = false;
    link::StationLink &link = m_host.program.link;
    const link::FileTransfer &transfer = link.fileTransfer();
    const fixed::InstrumentFile file{
        fixed::bufferFileName(transfer.buffer()),
        transfer.content().first(std::min(transfer.contentBytes(), transfer.content().size())),
        link.config().stepsPerNm.load(), transfer.conversionRefused(), transfer.converted()};
    link.operations().CloseAcquisitionOf(&m_target);
    m_view->ImportRecord(file);
    refreshCommands();
}

bool CFixedFrame::event(QEvent *event) {
    if (event->type() == NotifyEvent::eventType()) {
        const link::Notification &notification = static_cast<NotifyEvent *>(event)->notification();
        if (notification.kind == link::NotifyKind::Station &&
            notification.code == link::kStationTransferDone && m_awaitingFile)
            acceptArrivedFile();
        return true;
    }
    return QWidget::event(event);
}

} // namespace spectavo::app
