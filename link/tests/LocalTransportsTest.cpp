// The lines that live in this process, held to what every line must do.

#include "Drain.h"
#include "FakeTransport.h"
#include "PtyTransport.h"
#include "TransportConformance.h"
#include "VirtualTransport.h"

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

using Lines = ::testing::Types<FakeLine, VirtualLine, PtyLine>;
INSTANTIATE_TYPED_TEST_SUITE_P(InProcess, TransportConformance, Lines);

} // namespace
