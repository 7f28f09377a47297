// Pictures of the workstation on the virtual instrument, for the documentation: the main window once
// the link is up, the status window, the dark current dialog, the hub setup dialog and, given a
// spectrum file, the wavelength-scan window showing it.
//
//   spectavo-screenshots <output folder> [spectrum file]
//
// Run it on a display (scripts/screenshots starts one under Xvfb). Messages the program would show
// are printed instead, so nothing waits for a click.

#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/shell/hubsetupdialog.h"
#include "app/shell/mainframe.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/servicedialogs.h"

namespace {

using namespace spectavo;

class PrintedMessages : public shell::MessageService {
public:
    void show(const std::string &caption, const std::string &text, Icon) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    bool ask(const std::string &caption, const std::string &text, Icon icon) override {
        show(caption, text + " (answered Yes)", icon);
        return true;
    }
};

// Runs the event loop until the condition holds or the time is up.
template <typename Condition>
bool pumpUntil(Condition condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

void pumpFor(int milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

bool save(QWidget &widget, const QDir &folder, const char *name) {
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "spectavo-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: spectavo-screenshots <output folder> [spectrum file]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "spectavo-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    PrintedMessages messages;
    app::installMessages(&messages);
    link::StationLink &station = link::StationLink::instance();
    app::CMainFrame frame(station, &messages, 0);
    frame.show();
    const bool live = pumpUntil(
        [&] {
            return frame.paneText(shell::kPaneState) == "Ready" &&
                   frame.paneText(shell::kPaneSample) != "S:     ";
        },
        180000);
    if (!live) {
        std::fprintf(stderr, "spectavo-screenshots: the virtual instrument did not come up\n");
        return 1;
    }
    pumpFor(1500); // a few live readings in the panes
    bool saved = save(frame, folder, "mainframe.png");

    app::CStatusWindow status(station, &frame);
    status.refresh();
    status.show();
    pumpFor(500);
    saved = save(status, folder, "status-window.png") && saved;
    status.hide();

    app::CDarkCurrentDialog dark(station, &frame);
    dark.show();
    pumpFor(3000);
    saved = save(dark, folder, "dark-current.png") && saved;
    dark.hide();

    if (argc == 3 && frame.openDocumentFile(QString::fromLocal8Bit(argv[2]))) {
        if (QMdiSubWindow *window = frame.documents()->subWindowList().last())
            window->showMaximized();
        pumpFor(500);
        saved = save(frame, folder, "wavescan.png") && saved;
    }

    app::CHubSetup hub(&frame);
    hub.show();
    pumpFor(500);
    saved = save(hub, folder, "hub-setup.png") && saved;
    hub.hide();

    frame.close();
    app::installMessages(nullptr);
    return saved ? 0 : 1;
}
