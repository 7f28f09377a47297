#include "storeshots.h"

#include <QTableWidget>

#include "app/store/audittraildialog.h"
#include "app/store/resultsdialog.h"
#include "screenshotsupport.h"

namespace spectavo::screenshots {

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
