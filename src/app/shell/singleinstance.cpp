#include "app/shell/singleinstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>

#include "core/config/settingsfolder.h"

namespace spectavo::app {

QString SingleInstance::serverName(const QString &settingsFolder, const QString &display,
                                   const QString &runtimeFolder) {
    const QByteArray key = (settingsFolder + '\n' + display).toUtf8();
    const QString digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QString("spectavo-%1-%2").arg(getuid()).arg(digest);
    const QFileInfo runtime(runtimeFolder);
    return !runtimeFolder.isEmpty() && runtime.isDir() && runtime.isWritable()
               ? QDir(runtimeFolder).filePath(name)
               : name;
}

QString SingleInstance::serverName() {
    const QString display = QGuiApplication::platformName() + ':' + qEnvironmentVariable("WAYLAND_DISPLAY") +
                            ':' + qEnvironmentVariable("DISPLAY");
    return serverName(QString::fromStdString(settingsFolder().path), display,
                      qEnvironmentVariable("XDG_RUNTIME_DIR"));
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

void SingleInstance::listen(std::function<void(const QString &)> open, std::function<void()> bringForward) {
    QLocalServer::removeServer(serverName()); // a server left by a crashed run
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(serverName());
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this, open, bringForward] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            bringForward();
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
