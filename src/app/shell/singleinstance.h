#pragma once

#include <functional>

#include <QLocalServer>
#include <QStringList>

namespace spectavo::app {

// One workstation per operator, settings folder and display: a second start there hands its files to
// the first, which comes to the front, and ends. A start with other settings or on another display is
// a workstation of its own.
class SingleInstance {
public:
    // True when another instance took the files (it is told to come to the front); the caller ends.
    static bool handOver(const QStringList &files);
    // Listens for later starts: their files are opened, and the window is brought forward.
    void listen(std::function<void(const QString &)> open, std::function<void()> bringForward);

    // The local socket of the workstation for a settings folder and display: in the operator's runtime
    // folder when there is one (private to the operator's session), else in the temporary folder.
    static QString serverName(const QString &settingsFolder, const QString &display,
                              const QString &runtimeFolder);

private:
    static QString serverName();
    QLocalServer m_server;
};

} // namespace spectavo::app
