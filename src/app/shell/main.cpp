// Spectavo: the workstation program of the Photrak spectrophotometers.

#include <cstdio>
#include <optional>
#include <string>

#include <QApplication>

#include "app/shell/logindialog.h"
#include "app/shell/mainframe.h"
#include "app/shell/qtdesktopservices.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/resultsrecorder.h"
#include "app/shell/singleinstance.h"
#include "app/shell/translations.h"
#include "app/store/accountlogin.h"
#include "app/store/idlelock.h"
#include "app/widgets/titlefit.h"
#include "core/config/profilefile.h"
#include "core/config/programdir.h"
#include "core/config/settingsfiles.h"
#include "core/shell/desktopservices.h"
#include "core/strings/translation.h"
#include "store/eventstamp.h"
#include "store/storesettings.h"
#include "store/storewriter.h"

namespace {

constexpr const char *kUsage =
    "usage: spectavo [FILE...]\n"
    "The Spectavo workstation for Photrak UV-Vis spectrophotometers: fixed points with calibration\n"
    "curves, wavelength scans, time scans (kinetics), DNA/protein and instrument validity, on the\n"
    "instrument or on the virtual instrument.\n"
    "  FILE                documents to open (.qua .qm .sca .wav .kin .dna .dm .val .vm); a running\n"
    "                      workstation opens them in its own window\n"
    "  --help, --version   this text; the version\n"
    "Settings live beside the program when its config folder is writable, else in\n"
    "$XDG_CONFIG_HOME/spectavo (~/.config/spectavo); SPECTAVO_PROGRAM_DIR names the program folder.\n";

// --help and --version answer before any window or display is needed.
std::optional<int> answerInformationOptions(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("spectavo %s\n", SPECTAVO_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

// A wrong password ends the program before the recorder exists: the trail still hears of it.
void recordFailedLogin(const spectavo::store::StoreSettings &settings) {
    spectavo::store::StoreWriter writer([&settings] { return spectavo::store::openStore(settings); }, nullptr,
                                        std::chrono::milliseconds(500),
                                        spectavo::store::outboxPath(settings));
    writer.post(spectavo::store::NewEvent{spectavo::store::accountName(), "failed login", "", "{}"});
    writer.flush(std::chrono::seconds(5));
}

// Regulated mode: named accounts in the store; without the store nobody can be told apart.
std::optional<spectavo::store::Account> logInToAccount(const spectavo::store::StoreSettings &settings) {
    spectavo::shell::MessageService &messages = spectavo::app::messages();
    try {
        const std::unique_ptr<spectavo::store::ResultStore> accounts = spectavo::store::openStore(settings);
        spectavo::store::AccountBook book(*accounts, settings.policy);
        return spectavo::app::CAccountLoginDialog::run(book, messages);
    } catch (const std::exception &problem) {
        messages.show("Spectavo",
                      spectavo::strings::trFormat("The results store cannot be opened: %s. In regulated mode "
                                                  "no one can log in without it.",
                                                  problem.what()),
                      spectavo::shell::MessageService::Icon::Error);
        return std::nullopt;
    }
}

// Regulated mode: the workstation asks for the password again after the idle time, checked on a
// store connection of its own.
struct SessionLock {
    std::unique_ptr<spectavo::store::ResultStore> store;
    std::optional<spectavo::store::AccountBook> book;
    std::optional<spectavo::app::IdleLock> lock;

    SessionLock(const spectavo::store::StoreSettings &settings, const spectavo::store::Account &account,
                spectavo::shell::MessageService &messages, spectavo::app::CMainFrame &frame) {
        try {
            store = spectavo::store::openStore(settings);
            book.emplace(*store, settings.policy);
            lock.emplace(
                *book, messages, account, std::chrono::minutes(settings.policy.idleLockMinutes),
                [&frame] { frame.close(); }, &frame);
        } catch (const std::exception &) {
            // The store went away since the login: the writer says so; the lock waits for a new start.
        }
    }
};

// At the end, what the store did not take: in the outbox for a lab store, else in memory only.
void sayWhatWaits(const spectavo::app::ResultsRecorder &recorder,
                  const spectavo::store::StoreSettings &settings, spectavo::shell::MessageService &messages) {
    const std::string outbox = spectavo::store::outboxPath(settings);
    const int waiting = static_cast<int>(recorder.waiting());
    messages.show("Spectavo",
                  outbox.empty()
                      ? spectavo::strings::trFormat("%d results and events could not be stored: the results "
                                                    "store is not reachable. They are kept in the saved "
                                                    "files only.",
                                                    waiting)
                      : spectavo::strings::trFormat("%d results and events wait in %s for the lab's results "
                                                    "store; the next start sends them.",
                                                    waiting, outbox.c_str()),
                  spectavo::shell::MessageService::Icon::Warning);
}

} // namespace

int main(int argc, char **argv) {
    if (const std::optional<int> answered = answerInformationOptions(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(SPECTAVO_VERSION));
    spectavo::app::installDialogTitleFit();
    using spectavo::ProfileFile;
    const ProfileFile analyst(spectavo::kAnalystSettingsFile, true);
    const int connected = analyst.GetInt("Spectavo", "Connected", 0);
    const int version = analyst.GetInt("Spectavo", "Version", 0);

    spectavo::app::installTranslations();

    // The command line carries only files given by the desktop; another running workstation takes them.
    QStringList files = QApplication::arguments();
    files.removeFirst();
    if (spectavo::app::SingleInstance::handOver(files)) {
        std::fputs("spectavo: Spectavo is already running with these settings on this display; its window "
                   "was brought to the front.\n",
                   stderr);
        return 0;
    }

    const spectavo::store::StoreSettings storeSettings = spectavo::store::readStoreSettings();
    std::optional<spectavo::store::Account> account;
    if (storeSettings.mode == "regulated") {
        account = logInToAccount(storeSettings);
        if (!account)
            return 0;
    } else {
        using LoginOutcome = spectavo::app::CLoginDialog::Outcome;
        if (const LoginOutcome login = spectavo::app::CLoginDialog::run(); login != LoginOutcome::Accepted) {
            if (login == LoginOutcome::WrongPassword)
                recordFailedLogin(storeSettings);
            return 0;
        }
    }

    spectavo::link::StationLink &link = spectavo::link::StationLink::instance();
    spectavo::shell::MessageService &messages = spectavo::app::messages();
    spectavo::app::ResultsRecorder recorder(
        link, messages, [storeSettings] { return spectavo::store::openStore(storeSettings); },
        spectavo::store::outboxPath(storeSettings));
    if (account)
        recorder.setAccount(*account); // whose login the account book recorded
    else
        recorder.record("login", "");
    spectavo::app::CMainFrame frame(link, &messages, connected);
    frame.setRecorder(&recorder);
    spectavo::app::SingleInstance instance;
    instance.listen([&frame](const QString &file) { frame.openDocumentFile(file); },
                    [&frame] {
                        if (frame.isMinimized())
                            frame.showNormal();
                        frame.raise();
                        frame.activateWindow();
                    });
    std::optional<SessionLock> lock;
    if (account)
        lock.emplace(storeSettings, *account, messages, frame);
    frame.openDocumentFiles(files);
    if (analyst.GetInt("Spectavo", "Maximized", 1) != 0)
        frame.showMaximized();
    else
        frame.show();
    const int result = QApplication::exec();
    recorder.record("logout", "");
    if (!recorder.flush(std::chrono::seconds(5)))
        sayWhatWaits(recorder, storeSettings, messages);
    // Ending the program may end the session too, when the settings ask for it (Shift keeps it on).
    spectavo::app::QtDesktopServices desktop;
    spectavo::shell::shutDownAtExit(desktop, version,
                                    QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier));
    return result;
}
