#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
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

QString SingleInstance::defaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QStringLiteral("/obel.lock");
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
