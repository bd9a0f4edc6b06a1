#pragma once

#include "Transport.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A serial line offered on a TCP port, as ser2net offers one: one client at
// a time has the line; another that connects meanwhile is turned away.
class TcpServerTransport : public Transport {
    Q_OBJECT
public:
    TcpServerTransport(const QHostAddress& address, quint16 port, QObject* parent = nullptr);
    // A client still connected is let go first: its socket's last signal
    // must not reach a half-destroyed line.
    ~TcpServerTransport() override { close(); }

    bool open() override;
    void close() override;
    bool isOpen() const override { return server_.isListening(); }
    void write(const QByteArray& bytes) override;
    QString errorString() const override { return server_.errorString(); }

    quint16 port() const { return server_.serverPort(); }
    // Whether a client has the line.
    bool connected() const { return client_; }

signals:
    // Another client came while one had the line, and was let go at once.
    void clientRefused(const QString& peer);

private:
    void accept();
    bool clientGone() const;

    QHostAddress address_;
    quint16 port_;
    QTcpServer server_;
    QPointer<QTcpSocket> client_;
};
