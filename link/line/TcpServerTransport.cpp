#include "TcpServerTransport.h"

#include <sys/socket.h>

#include <utility>

TcpServerTransport::TcpServerTransport(const QHostAddress& address, quint16 port, QObject* parent)
    : Transport(parent), address_(address), port_(port) {
    connect(&server_, &QTcpServer::newConnection, this, &TcpServerTransport::accept);
}

bool TcpServerTransport::open() {
    return server_.isListening() || server_.listen(address_, port_);
}

void TcpServerTransport::close() {
    if (client_) client_->abort();
    server_.close();
}

// A client that has hung up may not have been noticed yet when the next one
// comes (its end of file is only seen on a read): look before refusing.
bool TcpServerTransport::clientGone() const {
    if (!client_) return true;
    char byte = 0;
    const qintptr fd = client_->socketDescriptor();
    return fd < 0 || ::recv(int(fd), &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

void TcpServerTransport::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (client_ && clientGone()) {
            QTcpSocket* gone = std::exchange(client_, nullptr);
            gone->abort();
            gone->deleteLater();
        }
        if (client_) {
            emit clientRefused(QStringLiteral("%1 port %2")
                                   .arg(socket->peerAddress().toString())
                                   .arg(socket->peerPort()));
            socket->abort();
            socket->deleteLater();
            continue;
        }
        client_ = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setReadBufferSize(Held);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { handOn(*socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (client_ == socket) client_ = nullptr;
            socket->deleteLater();
        });
    }
}

void TcpServerTransport::write(const QByteArray& bytes) {
    if (client_) client_->write(bytes);
}
