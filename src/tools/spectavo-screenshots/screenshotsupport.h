#pragma once

// What every picture of the screenshots program needs: an event loop that runs until something
// holds, saving a widget, and a new maximised document window.

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/shell/mainframe.h"

namespace spectavo::screenshots {

// Runs the event loop until the condition holds or the time is up.
template <typename Condition>
inline bool pumpUntil(Condition condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

inline void pumpFor(int milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

inline bool save(QWidget &widget, const QDir &folder, const char *name) {
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "spectavo-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A new document window of this kind, maximised; null when it is not the window expected.
template <typename Window>
Window *newMaximized(app::CMainFrame &frame, shell::DocumentKind kind, QMdiSubWindow *&window) {
    frame.newDocument(kind);
    window = frame.documents()->subWindowList().last();
    auto *made = dynamic_cast<Window *>(window->widget());
    if (made)
        window->showMaximized();
    return made;
}

} // namespace spectavo::screenshots
