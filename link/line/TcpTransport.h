#pragma once

#include "Transport.h"

#include <QTcpSocket>

// A serial line served over TCP (ser2net and the like): the bytes of the line
// travel unchanged over one connection. The connection is made in the
// background; frames written meanwhile are held and go out once it stands.
class TcpTransport : public Transport {
    Q_OBJECT
public:
    TcpTransport(const QString& host, quint16 port, QObject* parent = nullptr);

    bool open() override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    QString errorString() const override { return socket_.errorString(); }
    qint64 bytesToWrite() const override;

    const QString& host() const { return host_; }
    quint16 port() const { return port_; }

private:
    QString host_;
    quint16 port_;
    QTcpSocket socket_;
};
