// SPDX-License-Identifier: GPL-3.0-or-later
#include "PtyTransport.h"

#include "Drain.h"
#include "TestBytes.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

TEST(PtyTransport, AFullLineDropsWhatItCannotTakeAndGoesOn) {
    PtyTransport pty;
    ASSERT_TRUE(pty.open()) << pty.errorString().toStdString();

    // 4 MiB with nobody on the other end, far more than a pty holds. A write
    // that waited for room would wait for ever; the alarm ends the test then.
    const QByteArray block(64 * 1024, '\x11');
    ::alarm(30);
    for (int i = 0; i < 64; ++i)
        pty.write(block);
    ::alarm(0);

    const int far = ::open(qPrintable(pty.slavePath()), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(far, 0);
    const auto closeFar = qScopeGuard([far] { ::close(far); });

    // What the line kept comes in pieces as reading makes room; once it has
    // all come, the rest of the 4 MiB has been dropped.
    QByteArray kept;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QByteArray more = drain(far);
            kept += more;
            return !kept.isEmpty() && more.isEmpty();
        },
        5000));
    EXPECT_LT(kept.size(), 64 * block.size());
    EXPECT_EQ(kept.count('\x11'), kept.size());

    // And the line goes on: a frame comes through whole.
    const QByteArray frame = checked("AD0300010001");
    pty.write(frame);
    QByteArray received;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (received += drain(far)).endsWith(frame); }, 5000));

    QSignalSpy arrived(&pty, &Transport::bytesArrived);
    ASSERT_EQ(::write(far, "\x5A", 1), 1);
    ASSERT_TRUE(arrived.wait(5000));
    EXPECT_EQ(arrived[0][0].toByteArray(), "\x5A");
}

} // namespace
