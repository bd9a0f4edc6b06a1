// SPDX-License-Identifier: GPL-3.0-or-later
#include "TcpTransport.h"

#include "OutputQueue.h"

#include <utility>

TcpTransport::TcpTransport(const QString& host, quint16 port, QObject* parent)
    : Transport(parent), host_(host), port_(port) {
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket_.setReadBufferSize(Held);
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        if (settled_) handOn(socket_);
    });
    settling_.setSingleShot(true);
    settling_.setInterval(SettleMs);
    connect(&settling_, &QTimer::timeout, this, &TcpTransport::settle);
    connect(&socket_, &QTcpSocket::connected, &settling_, qOverload<>(&QTimer::start));
    connect(&socket_, &QTcpSocket::errorOccurred, this,
            [this] { emit failed(socket_.errorString()); });
}

bool TcpTransport::open() {
    if (socket_.state() != QAbstractSocket::UnconnectedState) return true;
    socket_.connectToHost(host_, port_);
    return true;
}

void TcpTransport::close() {
    settling_.stop();
    settled_ = false;
    held_.clear();
    socket_.abort();
}

void TcpTransport::settle() {
    socket_.readAll();
    settled_ = true;
    if (!held_.isEmpty()) socket_.write(std::exchange(held_, {}));
}

bool TcpTransport::isOpen() const {
    return socket_.state() == QAbstractSocket::ConnectedState ||
           socket_.state() == QAbstractSocket::ConnectingState ||
           socket_.state() == QAbstractSocket::HostLookupState;
}

void TcpTransport::write(const QByteArray& bytes) {
    if (!isOpen()) return;
    if (settled_)
        socket_.write(bytes);
    else
        held_ += bytes;
}

// Held until the connection settles, then in the socket, then in the kernel
// until the peer acknowledges them.
qint64 TcpTransport::bytesToWrite() const {
    return held_.size() + socket_.bytesToWrite() + OutputQueue::unsent(socket_.socketDescriptor());
}
