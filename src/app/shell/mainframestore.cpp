// The main window's side of the results store: its status item and the Results and Audit Trail
// windows.

#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>

#include "app/shell/mainframe.h"
#include "app/shell/resultsrecorder.h"
#include "app/store/audittraildialog.h"
#include "app/store/resultsdialog.h"
#include "app/store/useraccountsdialog.h"
#include "core/scan/scanfiletext.h"
#include "core/shell/roles.h"
#include "core/shell/sha256.h"
#include "core/strings/translation.h"
#include "store/jsontext.h"
#include "store/storesettings.h"

namespace spectavo::app {
namespace {

// The store's windows read through a connection of their own; one that cannot be opened is said.
std::unique_ptr<store::ResultStore> openReading(ResultsRecorder &recorder, shell::MessageService &messages) {
    try {
        return recorder.openForReading();
    } catch (const store::StoreError &error) {
        messages.show("Spectavo", strings::trFormat("The results store cannot be read: %s", error.what()),
                      shell::MessageService::Icon::Error);
        return nullptr;
    }
}

} // namespace

void CMainFrame::setRecorder(ResultsRecorder *recorder) {
    m_recorder = recorder;
    if (!m_storePane) {
        m_storePane = new QLabel(this);
        statusBar()->addPermanentWidget(m_storePane);
    }
    m_storePane->setVisible(false);
    m_resultsAction->setEnabled(recorder != nullptr);
    m_auditAction->setEnabled(recorder != nullptr && permits(shell::Permission::VerifyTrail));
    m_accountsAction->setVisible(recorder != nullptr && recorder->account().has_value());
    m_accountsAction->setEnabled(recorder != nullptr && permits(shell::Permission::ManageAccounts));
    if (!recorder)
        return;
    recorder->onPaneText = [this](const QString &text) {
        m_storePane->setText(text);
        m_storePane->setVisible(!text.isEmpty());
    };
}

void CMainFrame::recordFile(const char *kind, const QString &path) {
    if (!m_recorder)
        return;
    const std::optional<std::string> bytes = scan::scanfile::readWholeFile(path.toStdString());
    m_recorder->record(kind, path.toStdString(),
                       store::jsonObject({{"sha256", bytes ? shell::sha256Hex(*bytes) : std::string()}}));
}

void CMainFrame::showResults() {
    if (!m_recorder)
        return;
    auto store = openReading(*m_recorder, *m_messages);
    if (!store)
        return;
    const QString copies =
        QStandardPaths::writableLocation(QStandardPaths::TempLocation) + "/spectavo-results";
    CResultsDialog dialog(std::move(store), *m_messages, copies,
                          [this](const QString &path) { openDocumentFile(path); });
    if (const auto &account = m_recorder->account())
        dialog.enableSigning(account->userId, store::readStoreSettings().policy, !m_signedThisSession);
    dialog.exec();
    m_signedThisSession = m_signedThisSession || dialog.signedAny();
}

bool CMainFrame::permits(shell::Permission permission) const {
    if (!m_recorder || !m_recorder->account())
        return true; // the single-password mode knows no roles
    const auto role = shell::roleOfName(m_recorder->account()->role);
    return role && shell::roleAllows(*role, permission);
}

void CMainFrame::showUserAccounts() {
    if (!m_recorder || !m_recorder->account() || !permits(shell::Permission::ManageAccounts))
        return;
    if (auto store = openReading(*m_recorder, *m_messages)) {
        CUserAccountsDialog dialog(std::move(store), store::readStoreSettings().policy,
                                   *m_recorder->account(), *m_messages, this);
        dialog.exec();
    }
}

void CMainFrame::showAuditTrail() {
    if (!m_recorder)
        return;
    if (auto store = openReading(*m_recorder, *m_messages)) {
        CAuditTrailDialog dialog(std::move(store), *m_messages, this);
        dialog.exec();
    }
}

} // namespace spectavo::app
