// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
// How long a later start keeps knocking: the first may still be starting up.
constexpr int HandOverMs = 5000;
} // namespace

SingleInstance::SingleInstance(const QString& lockPath) : lockPath_(lockPath), lock_(lockPath) {
    // A lock left by a crashed run is taken over at once.
    lock_.setStaleLockTime(0);
    first_ = lock_.tryLock(0);
    if (!first_) return;
    // Holding the lock, a socket left by a crashed run is ours to remove.
    QLocalServer::removeServer(serverName());
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::takeRequest);
    server_.listen(serverName());
}

QString SingleInstance::lockName(const QString& display, const QString& programFolder) {
    // The temporary folder is shared: the user's name keeps users apart there.
    const QByteArray key = (qEnvironmentVariable("USER") + u'\n' + display + u'\n' +
                            QDir(programFolder).canonicalPath())
                               .toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("obel-") + QString::fromLatin1(hash.left(16)) + QStringLiteral(".lock");
}

QString SingleInstance::defaultLockPath(const QString& display, const QString& programFolder) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + u'/' + lockName(display, programFolder);
}

QString SingleInstance::currentDisplay() {
    const QString platform = QGuiApplication::platformName();
    if (platform == u"wayland") return platform + u':' + qEnvironmentVariable("WAYLAND_DISPLAY");
    if (platform == u"xcb") return platform + u':' + qEnvironmentVariable("DISPLAY");
    return platform;
}

bool SingleInstance::handOver(const QString& mapPath) const {
    const QDeadlineTimer deadline(HandOverMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(serverName());
        if (socket.waitForConnected(int(deadline.remainingTime()))) break;
        if (deadline.hasExpired()) return false;
        QThread::msleep(50);
    }
    socket.write(mapPath.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(int(deadline.remainingTime()));
}

void SingleInstance::takeRequest() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            QByteArray line = socket->readLine();
            line.chop(1);
            emit requested(QString::fromUtf8(line));
        });
    }
}
