#pragma once

#include <functional>

#include <QLocalServer>
#include <QStringList>

namespace spectavo::app {

// One workstation per user: a second start hands its files to the first and ends.
class SingleInstance {
public:
    // True when another instance took the files; the caller then ends.
    static bool handOver(const QStringList &files);
    // Listens for files handed over by later starts.
    void listen(std::function<void(const QString &)> open);

private:
    static QString serverName();
    QLocalServer m_server;
};

} // namespace spectavo::app
