#include "TcpTransport.h"

#include "OutputQueue.h"

TcpTransport::TcpTransport(const QString& host, quint16 port, QObject* parent)
    : Transport(parent), host_(host), port_(port) {
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket_.setReadBufferSize(Held);
    connect(&socket_, &QTcpSocket::readyRead, this, [this] { handOn(socket_); });
    connect(&socket_, &QTcpSocket::errorOccurred, this,
            [this] { emit failed(socket_.errorString()); });
}

bool TcpTransport::open() {
    if (socket_.state() != QAbstractSocket::UnconnectedState) return true;
    socket_.connectToHost(host_, port_);
    return true;
}

void TcpTransport::close() {
    socket_.abort();
}

bool TcpTransport::isOpen() const {
    return socket_.state() == QAbstractSocket::ConnectedState ||
           socket_.state() == QAbstractSocket::ConnectingState ||
           socket_.state() == QAbstractSocket::HostLookupState;
}

void TcpTransport::write(const QByteArray& bytes) {
    if (isOpen()) socket_.write(bytes);
}

// Written while connecting, the bytes wait in the socket; once connected,
// in the kernel until the peer acknowledges them.
qint64 TcpTransport::bytesToWrite() const {
    return socket_.bytesToWrite() + OutputQueue::unsent(socket_.socketDescriptor());
}
