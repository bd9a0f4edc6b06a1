// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeTransport.h"
#include "Link.h"

#include <QSignalSpy>

#include "TestBytes.h"

#include <gtest/gtest.h>

namespace {

class ReceiveHandler : public ::testing::Test {
protected:
    ReceiveHandler() {
        link.setTransport(&line);
        connect();
    }
    void connect() {
        QObject::connect(&link, &Link::tracerReceived,
                         [this](const QByteArray& bytes) { tracer += bytes; });
    }

    FakeTransport line;
    Link link;
    QByteArray tracer;
};

// The tracer gets the bytes as they came: it checks answers by their CRC,
// and a register may hold 0x5A. Only a 0x5A alone is an acknowledgement.
TEST_F(ReceiveHandler, A5AAloneRaisesTheFlagEvery5AShowsAsZeroButNotToTheTracer) {
    for (const char* input : {"5A", "01025A", "5A0102", "AD035A5A"}) {
        FakeTransport fresh;
        Link other;
        other.setTransport(&fresh);
        QByteArray shown;
        QObject::connect(&other, &Link::tracerReceived,
                         [&](const QByteArray& arrival) { shown += arrival; });
        const QByteArray bytes = hex(input);
        fresh.deliver(bytes);
        EXPECT_EQ(other.AckFlag(), bytes == "\x5A" ? 1 : 0) << input;
        EXPECT_EQ(other.ReplyFlag(), 1) << input;
        EXPECT_EQ(other.received(), QByteArray(bytes).replace('\x5A', '\0')) << input;
        EXPECT_EQ(shown, bytes) << input;
    }
}

TEST_F(ReceiveHandler, BytesPastTheBufferAreDroppedAndNoiseHoldingA5AIsNoAcknowledgement) {
    QByteArray input(40, '\x11');
    input[35] = '\x5A';
    line.deliver(input);
    EXPECT_EQ(link.received(), QByteArray(31, '\x11'));
    EXPECT_EQ(tracer, input);
    EXPECT_EQ(link.AckFlag(), 0);

    // The next arrival fills the buffer from the start again.
    line.deliver(hex("0203"));
    EXPECT_EQ(link.received(), hex("0203"));
}

TEST_F(ReceiveHandler, TheLogBreaksBeforeFilteredBytes) {
    const struct {
        std::array<int, 3> filters;
        const char* input;
        QString expected;
    } cases[] = {
        {{165, 165, 165}, "A50102", "\r\nA5 1 2 "},
        {{165, 165, 165}, "5AA5A5", "0 \r\nA5 \r\nA5 "},
        {{1, 2, 300}, "A50102", "A5 \r\n1 \r\n2 "},
        // The acknowledgement is logged as the 0 it is shown as, so a filter of 0 breaks before it.
        {{0, 165, 165}, "105A", "10 \r\n0 "},
    };
    link.receiveLog().setEnabled(true);
    QSignalSpy changed(&link, &Link::receiveLogChanged);
    for (const auto& c : cases) {
        link.receiveLog().clear();
        for (int i = 0; i < 3; ++i)
            link.receiveLog().setFilter(i, c.filters[i]);
        line.deliver(hex(c.input));
        EXPECT_EQ(link.receiveLog().text(), c.expected) << c.input;
    }
    EXPECT_EQ(changed.count(), 4);

    link.receiveLog().setEnabled(false);
    link.receiveLog().clear();
    line.deliver(hex("A5"));
    EXPECT_EQ(link.receiveLog().text(), "");
}

TEST_F(ReceiveHandler, BytesGoToTheDumpOrTheTracerOrNowhere) {
    link.setDumpSwitch(true);
    line.deliver(hex("0102"));
    EXPECT_EQ(link.dump().text(), " - 1\r\n\t - 2");
    EXPECT_EQ(tracer, "");

    link.setDumpSwitch(false);
    link.setLinkIdle(false);
    line.deliver(hex("0304"));
    EXPECT_EQ(tracer, "");
    EXPECT_EQ(link.ReplyFlag(), 1);

    link.setLinkIdle(true);
    line.deliver(hex("0304"));
    EXPECT_EQ(tracer, hex("0304"));
    EXPECT_EQ(link.dump().text(), " - 1\r\n\t - 2");
}

TEST(DownloadDump, TabsLineBreaksAndTheLoaderBurst) {
    DownloadDump dump;
    for (int b = 1; b <= 13; ++b)
        dump.add(quint8(b));
    EXPECT_EQ(dump.text(),
              " - 1\r\n\t - 2 - 3 - 4\t - 5 - 6 - 7\t - 8 - 9 - A\t - B - C - D\r\n\t");

    // Six 0xAA in a row empty it; the next byte is counted as -1, not a multiple of 3.
    for (int i = 0; i < 6; ++i)
        dump.add(0xAA);
    EXPECT_EQ(dump.text(), "");
    EXPECT_EQ(dump.byteCount(), -1);
    dump.add(0x10);
    EXPECT_EQ(dump.text(), " - 10");
    dump.add(0x11);
    EXPECT_EQ(dump.text(), " - 10 - 11\r\n\t");

    // Five are not enough, and a byte between breaks the run.
    DownloadDump other;
    other.setByteCount(1);
    for (const quint8 b : {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0x00, 0xAA})
        other.add(b);
    EXPECT_EQ(other.aaRun(), 1);
    EXPECT_EQ(other.byteCount(), 8);
    EXPECT_EQ(other.text(), " - AA - AA - AA\t - AA - AA - 0\t - AA");
}

} // namespace
