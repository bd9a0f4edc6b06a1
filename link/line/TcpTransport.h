// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Transport.h"

#include <QTcpSocket>
#include <QTimer>

// A serial line served over TCP (ser2net and the like): the bytes of the line
// travel unchanged over one connection. The connection is made in the
// background; frames written meanwhile are held and go out once it stands.
// A server may hand on what its serial side received before (answers to a
// program that has gone): what arrives in the first SettleMs of a
// connection answers nothing this link sent and is dropped, as a serial
// line drops what waited at open; frames written meanwhile wait for it.
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
    // Connected, and what waited before is gone.
    bool settled() const { return settled_; }

    static constexpr int SettleMs = 30;

private:
    void settle();

    QString host_;
    quint16 port_;
    QTcpSocket socket_;
    QTimer settling_;
    bool settled_ = false;
    QByteArray held_; // written before the connection settled
};
