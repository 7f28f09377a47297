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
