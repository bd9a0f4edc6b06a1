// SPDX-License-Identifier: GPL-3.0-or-later
#include "TcpServerTransport.h"

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

void TcpServerTransport::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
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
