// SPDX-License-Identifier: GPL-3.0-or-later
// The lines that live in this process, held to what every line must do.

#include "Drain.h"
#include "FakeTransport.h"
#include "PacedTransport.h"
#include "PtyTransport.h"
#include "TransportConformance.h"
#include "VirtualTransport.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct FakeLine {
    Transport& transport() { return fake; }
    void attach() {}
    void send(const QByteArray& bytes) { fake.deliver(bytes); }
    QByteArray received() { return std::exchange(fake.written, {}).join(); }
    FakeTransport fake;
};

struct VirtualLine {
    VirtualLine() {
        QObject::connect(&line.controller(), &VirtualController::handled,
                         [this](const QByteArray& frame, const QString&) { taken += frame; });
    }
    Transport& transport() { return line; }
    void attach() {}
    // What the controller answers is all that comes from its end.
    void send(const QByteArray& bytes) { emit line.controller().reply(bytes); }
    QByteArray received() { return std::exchange(taken, {}); }
    QByteArray taken;
    VirtualTransport line;
};

struct PtyLine {
    ~PtyLine() { ::close(far); }
    Transport& transport() { return pty; }
    // Every open makes a new pair: the far end takes the new one.
    void attach() {
        ::close(far);
        far = ::open(qPrintable(pty.slavePath()), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(far, 0);
    }
    void send(const QByteArray& bytes) {
        EXPECT_EQ(::write(far, bytes.data(), bytes.size()), bytes.size());
    }
    QByteArray received() { return drain(far); }
    PtyTransport pty;
    int far = -1;
};

// A fast line's pace on the fake; the pace itself is tested below.
struct PacedLine {
    Transport& transport() { return paced; }
    void attach() {}
    void send(const QByteArray& bytes) { fake->deliver(bytes); }
    QByteArray received() { return std::exchange(fake->written, {}).join(); }
    FakeTransport* fake = new FakeTransport;
    PacedTransport paced{std::unique_ptr<Transport>(fake), 115200};
};

using Lines = ::testing::Types<FakeLine, VirtualLine, PtyLine, PacedLine>;
INSTANTIATE_TYPED_TEST_SUITE_P(InProcess, TransportConformance, Lines);

TEST(PacedTransport, EachWayWaitsForItsCharactersBackToBack) {
    auto* fake = new FakeTransport;
    PacedTransport line(std::unique_ptr<Transport>(fake), 9600);
    ASSERT_TRUE(line.open());
    QElapsedTimer clock;
    QList<qint64> written, arrived;
    fake->responder = [&](const QByteArray&) {
        written << clock.nsecsElapsed();
        return QByteArray();
    };
    QObject::connect(&line, &Transport::bytesArrived, [&] { arrived << clock.nsecsElapsed(); });
    clock.start();
    line.write(QByteArray(8, 'w'));
    line.write("!");
    fake->deliver("abc");
    fake->deliver("d");
    ASSERT_TRUE(QTest::qWaitFor([&] { return written.size() == 2 && arrived.size() == 2; }, 5000));
    const auto wire = [](int count) { return PacedTransport::wireTime(count, 9600).count(); };
    EXPECT_GE(written[0], wire(8));
    EXPECT_GE(written[1], wire(9)) << "the second write waits for the first";
    EXPECT_GE(arrived[0], wire(3));
    EXPECT_GE(arrived[1], wire(4));
    EXPECT_LT(arrived[0], written[0]) << "one way waited for the other";
}

TEST(PacedTransport, ArrivalsFasterThanTheWireOverrunPastTheBound) {
    auto* fake = new FakeTransport;
    PacedTransport line(std::unique_ptr<Transport>(fake), 10'000'000);
    ASSERT_TRUE(line.open());
    qsizetype handed = 0;
    QObject::connect(&line, &Transport::bytesArrived,
                     [&](const QByteArray& bytes) { handed += bytes.size(); });
    fake->deliver(QByteArray(Transport::Held, 'a'));
    fake->deliver("lost");
    ASSERT_TRUE(QTest::qWaitFor([&] { return handed == Transport::Held; }, 5000));
    fake->deliver("taken");
    ASSERT_TRUE(QTest::qWaitFor([&] { return handed == Transport::Held + 5; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(handed, Transport::Held + 5);
}

} // namespace
