// SPDX-License-Identifier: GPL-3.0-or-later
// The lines to other processes and machines, held to what every line must
// do: a serial port on a socat pty pair, and both ends of a serial line
// served over TCP.

#include "Drain.h"
#include "SerialTransport.h"
#include "SocatPair.h"
#include "TcpServerTransport.h"
#include "TcpTransport.h"
#include "TransportConformance.h"

#include <QTcpServer>

#include <QTcpSocket>
#include <QTemporaryDir>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct SocatSerialLine {
    ~SocatSerialLine() { ::close(far); }
    Transport& transport() { return serial; }
    void attach() {
        ASSERT_TRUE(pair.ready());
        if (far < 0) far = ::open(qPrintable(pair.b), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(far, 0);
    }
    void send(const QByteArray& bytes) {
        EXPECT_EQ(::write(far, bytes.data(), bytes.size()), bytes.size());
    }
    QByteArray received() { return drain(far); }
    QTemporaryDir dir;
    SocatPair pair{dir.path()};
    SerialTransport serial{pair.a};
    int far = -1;
};

quint16 listening(QTcpServer& server) {
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

struct TcpClientLine {
    Transport& transport() { return client; }
    // Each open is a new connection.
    void attach() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 5000));
        delete far;
        far = server.nextPendingConnection();
        ASSERT_TRUE(QTest::qWaitFor([&] { return client.settled(); }, 5000));
    }
    void send(const QByteArray& bytes) { far->write(bytes); }
    QByteArray received() { return far->readAll(); }
    QTcpServer server;
    TcpTransport client{QStringLiteral("127.0.0.1"), listening(server)};
    QTcpSocket* far = nullptr;
};

struct TcpServerLine {
    Transport& transport() { return server; }
    // Each open listens anew, on a port of its own.
    void attach() {
        far.abort();
        far.connectToHost(QHostAddress::LocalHost, server.port());
        ASSERT_TRUE(far.waitForConnected(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.connected(); }, 5000));
    }
    void send(const QByteArray& bytes) { far.write(bytes); }
    QByteArray received() { return far.readAll(); }
    TcpServerTransport server{QHostAddress::LocalHost, 0};
    QTcpSocket far;
};

// A serial server that hands on, at connection, what its serial side took
// before: none of it reaches the link, the frame written while connecting
// goes out once the connection has settled, and the answer to it arrives.
TEST(TcpLine, WhatWaitedBeforeTheConnectionIsDropped) {
    QTcpServer server;
    TcpTransport client(QStringLiteral("127.0.0.1"), listening(server));
    QByteArray arrived;
    QObject::connect(&client, &Transport::bytesArrived,
                     [&](const QByteArray& bytes) { arrived += bytes; });
    ASSERT_TRUE(client.open());
    client.write("probe");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 5000));
    std::unique_ptr<QTcpSocket> far(server.nextPendingConnection());
    far->write("stale answer");
    ASSERT_TRUE(QTest::qWaitFor([&] { return far->bytesAvailable() > 0; }, 5000));
    EXPECT_EQ(far->readAll(), "probe");
    far->write("answer");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !arrived.isEmpty(); }, 5000));
    EXPECT_EQ(arrived, "answer");
}

using Lines = ::testing::Types<SocatSerialLine, TcpClientLine, TcpServerLine>;
INSTANTIATE_TYPED_TEST_SUITE_P(OtherProcesses, TransportConformance, Lines);

} // namespace
