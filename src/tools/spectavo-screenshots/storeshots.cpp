#include "storeshots.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/store/accountlogin.h"
#include "app/store/audittraildialog.h"
#include "app/store/resultsdialog.h"
#include "app/store/useraccountsdialog.h"
#include "screenshotsupport.h"
#include "store/sqlitestore.h"

namespace spectavo::screenshots {

namespace {

// Regulated mode on a store of its own: the login, and the lab manager's accounts window with an
// analyst and a reviewer.
bool showRegulatedMode(shell::MessageService &messages, app::CMainFrame &frame, const QDir &folder) {
    QTemporaryDir storeFolder;
    store::SqliteStore accounts(storeFolder.filePath("regulated.sqlite").toStdString(), "bench-7");
    store::AccountBook book(accounts, {});
    const store::Account manager = *book.setUp("lmeyer", "Lena Meyer", "manager-pass").account;
    book.addAccount(manager, "avega", "Ana Vega", shell::Role::Analyst, "analyst-pass");
    book.addAccount(manager, "rreis", "Rui Reis", shell::Role::Reviewer, "reviewer-pass");
    for (int i = 0; i < 5; ++i)
        book.logIn("rreis", "a guess");

    app::CAccountLoginDialog login(book, messages, &frame);
    login.findChild<QLineEdit *>("userId")->setText("avega");
    login.findChild<QLineEdit *>("password")->setText("analyst-pass");
    login.show();
    pumpFor(300);
    bool saved = save(login, folder, "login-regulated.png");
    login.hide();

    app::CUserAccountsDialog users(std::make_unique<store::SqliteStore>(
                                       storeFolder.filePath("regulated.sqlite").toStdString(), "bench-7"),
                                   {}, manager, messages, &frame);
    users.show();
    pumpFor(300);
    saved = save(users, folder, "user-accounts.png") && saved;
    users.hide();

    // A reading performed by the analyst and reviewed by the reviewer, and its report.
    store::ResultRecord reading;
    reading.kind = "fixed";
    reading.sample = "Std 40 mg/l";
    reading.method = "Fixed points: 350.0, 440.5, 257.0 nm";
    reading.operatorName = "avega";
    reading.instrumentModel = "UV-1900";
    reading.instrumentSerial = "PS19-000042";
    reading.instrumentFirmware = "Photrak FW 3.20";
    reading.startedUtc = reading.endedUtc = "2026-12-11T09:30:00.000Z";
    reading.dataFormat = "json";
    reading.data = R"({"sample": "Std 40 mg/l", "readings": ["0.4210"]})";
    const std::int64_t id = accounts.storeResult(reading).id;
    book.signResult("avega", "analyst-pass", id, shell::SignatureMeaning::Performed, "");
    book.unlock(manager, "rreis");
    book.signResult("rreis", "reviewer-pass", id, shell::SignatureMeaning::Reviewed, "Calibration checked.");
    app::CResultsDialog results(
        std::make_unique<store::SqliteStore>(storeFolder.filePath("regulated.sqlite").toStdString(),
                                             "bench-7"),
        messages, QDir::tempPath(), [](const QString &) {}, &frame);
    results.table()->setCurrentCell(0, 0);
    const auto head = accounts.headEvent();
    saved = results.reportSelected(folder.filePath("signed-report.pdf"),
                                   "Audit trail: event " + std::to_string(head->sequence) + ", " +
                                       head->hash.substr(0, 16)) &&
            saved;
    return saved;
}

} // namespace

bool showStoreWindows(app::ResultsRecorder &recorder, shell::MessageService &messages, app::CMainFrame &frame,
                      const QDir &folder) {
    if (!recorder.flush(std::chrono::seconds(20))) {
        std::fprintf(stderr, "spectavo-screenshots: the results store did not take the session's results\n");
        return false;
    }
    app::CResultsDialog results(
        recorder.openForReading(), messages, QDir::tempPath(), [](const QString &) {}, &frame);
    results.resize(1100, 520);
    results.show();
    pumpFor(500);
    bool saved = results.table()->rowCount() > 0 && save(results, folder, "results-window.png");
    results.hide();

    saved = showRegulatedMode(messages, frame, folder) && saved;

    app::CAuditTrailDialog trail(recorder.openForReading(), messages, &frame);
    trail.resize(1100, 520);
    trail.show();
    trail.verify();
    pumpFor(500);
    saved = save(trail, folder, "audit-trail-window.png") && saved;
    trail.hide();
    return saved;
}

} // namespace spectavo::screenshots
