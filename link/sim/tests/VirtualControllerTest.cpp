// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualController.h"
#include "Frames.h"

#include <QTest>

#include "TestBytes.h"

#include <gtest/gtest.h>

namespace {

class Controller : public ::testing::Test {
protected:
    Controller() {
        QObject::connect(&plc, &VirtualController::reply,
                         [this](const QByteArray& bytes) { replies += bytes; });
    }
    // What the controller answers to one request.
    QByteArray ask(const QByteArray& request) {
        replies.clear();
        plc.receive(request);
        return replies;
    }

    VirtualController plc;
    QByteArray replies;
};

TEST_F(Controller, AnswersModbusRequestsAsASlaveDoes) {
    const struct {
        const char* name;
        QByteArray request, reply;
    } cases[] = {
        {"probe", checked("AD0300010001"), checked("AD03020000")},
        {"write register 32", checked("AD0600201234"), checked("AD0600201234")},
        {"read it back among eight", checked("AD0300200008"),
         checked("AD0310"
                 "1234" +
                 QByteArray(28, '0'))},
        {"read input registers alike", checked("AD0400200001"), checked("AD04021234")},
        {"several registers at once", checked("AD10003000020400010002"), checked("AD1000300002")},
        {"and read", checked("AD0300300002"), checked("AD030400010002")},
        {"a function it does not serve", checked("AD0100000001"), checked("AD8101")},
        {"past the last register", checked("AD030 0FC0008"), checked("AD8302")},
        {"no count", checked("AD0300000000"), checked("AD8303")},
        {"one register of the clock", checked("AD0600510000"), checked("AD8602")},
        {"another slave", checked("010300000001"), {}},
        {"a bad check", hex("AD0300010001CDA7"), {}},
        {"a broadcast write", checked("000600400007"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ask(c.request).toHex(), c.reply.toHex()) << c.name;
    EXPECT_EQ(plc.holding(0x40), 7) << "the broadcast is carried out";
}

TEST_F(Controller, HaltStartAndTheRunBitOfRegister23) {
    ShortBytes f{};
    EXPECT_FALSE(plc.running());
    Frames::start(f);
    EXPECT_EQ(ask(bytes(f)), "");
    EXPECT_TRUE(plc.running());
    EXPECT_EQ(plc.holding(ControllerFacts::RunRegister) & ControllerFacts::RunBit, 0x20);

    // The tracer's run/stop writes register 23 with bit 5 cleared.
    ask(checked("AD0600170000"));
    EXPECT_FALSE(plc.running());
    ask(checked("AD0600170020"));
    EXPECT_TRUE(plc.running());

    Frames::halt(f);
    plc.receive(bytes(f));
    EXPECT_FALSE(plc.running());
}

TEST_F(Controller, TheClockIsSetWholeAndTicksOnlyWhileRunning) {
    LongBytes f{};
    Frames::timeWrite(f, 0xAD, {0x26, 0x12, 0x01, 0x06, 0x09, 0x05, 0x59});
    EXPECT_EQ(ask(bytes(f)), checked("AD1000500004"));
    EXPECT_EQ(plc.clock().time(), QDateTime(QDate(2026, 12, 6), QTime(9, 5, 59)));

    plc.secondElapsed();
    EXPECT_EQ(plc.clock().time().time(), QTime(9, 5, 59)) << "halted";
    ask(checked("AD0600170020"));
    plc.secondElapsed();
    // 09:06:00 on Sunday (weekday 1), marker 5A.
    EXPECT_EQ(ask(checked("AD0300500004")), checked("AD030826120106090600 5A"));

    // Not a date: refused, the clock unchanged.
    EXPECT_EQ(ask(checked("AD100050000408 26130106090503 5A")), checked("AD9003"));
    EXPECT_EQ(ask(checked("AD10004F000204 00000000")), checked("AD9002"));
    EXPECT_EQ(plc.clock().time(), QDateTime(QDate(2026, 12, 6), QTime(9, 6, 0)));
}

TEST_F(Controller, ByteWritesAreStoredAndAcknowledged) {
    ShortBytes f{};
    Frames::halt(f);
    plc.receive(bytes(f));
    QByteArray stream;
    for (int a = 0; a < 64; ++a) {
        Frames::byteWrite(f, quint16(0x0F00 + a), quint8(a * 3));
        stream += bytes(f);
    }
    // All at once, as a serial read may deliver them.
    EXPECT_EQ(ask(stream), QByteArray(64, '\x5A'));
    for (int a = 0; a < 64; ++a)
        ASSERT_EQ(plc.memory(quint16(0x0F00 + a)), quint8(a * 3)) << a;

    // A damaged byte write is ignored: no acknowledgement, and no raw write
    // of its bytes either (read as one, A5 5A 0F 2A puts 2A at 0x640F).
    Frames::byteWrite(f, 0x0F2A, 0xEE);
    f[7] ^= 1;
    EXPECT_EQ(ask(bytes(f)), "");
    EXPECT_EQ(plc.memory(0x0F2A), quint8(42 * 3));
    EXPECT_EQ(plc.memory(0x640F), 0);
}

TEST_F(Controller, RawFramesAndTheLoaderBytes) {
    ShortBytes f{};
    Frames::probe(f);
    Frames::rawMemoryWrite(f, 0x1A, 0x00, 0xFF);
    EXPECT_EQ(ask(bytes(f)), "");
    EXPECT_EQ(plc.memory(0x1A00), 0xFF);

    EXPECT_EQ(ask(hex("A81234")), hex("A81234"));

    for (int i = 0; i < 10; ++i)
        plc.receive(hex("AA"));
    EXPECT_FALSE(plc.loaderParameter().has_value());
    plc.receive(hex("A608"));
    EXPECT_TRUE(plc.loaderMode());
    EXPECT_EQ(plc.loaderParameter(), 0x08);

    // Ten reset bytes, the last six told apart from a start frame once the line is quiet.
    int resets = 0;
    QObject::connect(
        &plc, &VirtualController::handled,
        [&](const QByteArray& frame, const QString&) { resets += frame == hex("A7"); });
    for (int i = 0; i < 10; ++i)
        plc.receive(hex("A7"));
    EXPECT_EQ(resets, 4);
    EXPECT_FALSE(plc.loaderMode());
    EXPECT_FALSE(plc.loaderParameter().has_value());
    EXPECT_TRUE(QTest::qWaitFor([&] { return resets == 10; }, 5000));
    EXPECT_FALSE(plc.running());
}

} // namespace
