// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frames.h"

#include "TestBytes.h"

#include <gtest/gtest.h>

namespace {

TEST(Frames, ShortFramesOfTheCatalogue) {
    const struct {
        const char* name;
        void (*build)(ShortBytes&);
        const char* expected;
    } cases[] = {
        {"probe", [](ShortBytes& f) { Frames::probe(f); }, "AD0300010001CDA6"},
        {"halt", [](ShortBytes& f) { Frames::halt(f); }, "AAAAAAAAAAAAFF2E"},
        {"start", [](ShortBytes& f) { Frames::start(f); }, "A7A7A7A7A7A785C8"},
        {"tracer's first read", [](ShortBytes& f) { Frames::registerRead(f, 0xAD, 0x10); },
         "AD0300100008 5DA5"},
        {"tracer's write of cells 32 and 33",
         [](ShortBytes& f) { Frames::registerWrite(f, 0xAD, 0x20, 0x1234); }, "AD06002012349D1B"},
        {"Modef with its defaults", [](ShortBytes& f) { Frames::freeRequest(f, 1, 4, 0x20, 1); },
         "0104002000013000"},
    };
    for (const auto& c : cases) {
        ShortBytes f;
        f.fill(0x99);
        c.build(f);
        EXPECT_EQ(bytes(f).toHex(), hex(c.expected).toHex()) << c.name;
    }
}

TEST(Frames, ByteWriteKeepsByteFiveFromTheHaltFrame) {
    ShortBytes f{};
    Frames::halt(f);
    Frames::byteWrite(f, 0x0F01, 0x02);
    EXPECT_EQ(bytes(f).first(6), hex("A55A0F0102AA"));
    EXPECT_TRUE(ModbusCrc::closes(bytes(f)));

    // Whatever the earlier frame left in byte 5 goes out, and the check covers it.
    Frames::freeRequest(f, 1, 4, 0x20, 0x33);
    Frames::byteWrite(f, 0x0F01, 0x02);
    EXPECT_EQ(f[5], 0x33);
    EXPECT_TRUE(ModbusCrc::closes(bytes(f)));
}

TEST(Frames, RawMemoryWriteSendsTheRestOfThePreviousFrame) {
    ShortBytes f{};
    Frames::probe(f);
    ASSERT_TRUE(Frames::rawMemoryWrite(f, 0x1A, 0x00, 0xFF));
    EXPECT_EQ(bytes(f), hex("A51000FF0001CDA6"));

    // An address high byte that would not fit the frame leaves it alone.
    for (const int high : {9, 266, -1}) {
        EXPECT_FALSE(Frames::rawMemoryWrite(f, high, 1, 2)) << high;
        EXPECT_EQ(bytes(f), hex("A51000FF0001CDA6")) << high;
    }
    EXPECT_TRUE(Frames::rawMemoryWrite(f, 265, 1, 2));
    EXPECT_EQ(f[1], 0xFF);
}

TEST(Frames, TimeWriteRawTestAndFreeFrame) {
    LongBytes l{};
    // 2026 12 01 06 09 05 03: Sunday 6 December 2026, 09:05:03, as packed BCD.
    Frames::timeWrite(l, 0xAD, {0x26, 0x12, 0x01, 0x06, 0x09, 0x05, 0x03});
    EXPECT_EQ(bytes(l).first(15), hex("AD100050000408 26120106090503 5A"));
    EXPECT_TRUE(ModbusCrc::closes(bytes(l)));

    TestBytes t{};
    Frames::rawTest(t, 0x12, 0x34);
    EXPECT_EQ(bytes(t), hex("A81234"));

    FreeBytes free{};
    Frames::freeFrame(free, {0xAD, 0x10, 0x00, 0x30, 0x00, 0x01, 0x02, 0xAB, 0xCD});
    EXPECT_EQ(bytes(free).first(9), hex("AD1000300001 02ABCD"));
    EXPECT_TRUE(ModbusCrc::closes(bytes(free)));
}

} // namespace
