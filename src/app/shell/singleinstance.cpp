#include "app/shell/singleinstance.h"

#include <unistd.h>

#include <QLocalSocket>

namespace spectavo::app {

QString SingleInstance::serverName() {
    return QString("spectavo-%1").arg(getuid());
}

bool SingleInstance::handOver(const QStringList &files) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(300))
        return false;
    socket.write(files.join('\n').toUtf8() + '\n');
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen(std::function<void(const QString &)> open) {
    QLocalServer::removeServer(serverName()); // a server left by a crashed run
    m_server.listen(serverName());
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this, open] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, open] {
                while (socket->canReadLine()) {
                    const QString file = QString::fromUtf8(socket->readLine()).trimmed();
                    if (!file.isEmpty())
                        open(file);
                }
            });
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

} // namespace spectavo::app
