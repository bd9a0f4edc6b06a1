// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModbusCrc.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// The checksum bit by bit, as the Modbus serial-line guide describes it,
// to hold the table-driven one against.
quint16 bitwise(QByteArrayView bytes) {
    quint16 crc = 0xFFFF;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

TEST(ModbusCrc, TablesStartAsTheModbusGuidePrintsThem) {
    // The guide's auchCRCHi is our low-byte table and its auchCRCLo our high one.
    const quint8 lo[] = {0x00, 0xC1, 0x81, 0x40, 0x01, 0xC0, 0x80, 0x41,
                         0x01, 0xC0, 0x80, 0x41, 0x00, 0xC1, 0x81, 0x40};
    const quint8 hi[] = {0x00, 0xC0, 0xC1, 0x01, 0xC3, 0x03, 0x02, 0xC2,
                         0xC6, 0x06, 0x07, 0xC7, 0x05, 0xC5, 0xC4, 0x04};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(ModbusCrc::GetCRCLo(quint8(i)), lo[i]) << i;
        EXPECT_EQ(ModbusCrc::GetCRCHi(quint8(i)), hi[i]) << i;
    }
    EXPECT_EQ(ModbusCrc::GetCRCLo(255), 0x40);
    EXPECT_EQ(ModbusCrc::GetCRCHi(255), 0x40);
}

TEST(ModbusCrc, PublishedVectors) {
    const struct {
        QByteArray frame;
        quint8 lo, hi;
    } cases[] = {
        {QByteArray::fromHex("01030000000A"), 0xC5, 0xCD},
        {QByteArray::fromHex("11 03 006B 0003"), 0x76, 0x87}, // the Modbus guide's example
        {QByteArray::fromHex("010400000001"), 0x31, 0xCA},
        {QByteArray("123456789"), 0x37, 0x4B}, // CRC-16/MODBUS check value
        {QByteArray(), 0xFF, 0xFF},
    };
    for (const auto& c : cases) {
        const quint16 crc = ModbusCrc::of(c.frame);
        EXPECT_EQ(crc & 0xFF, c.lo) << c.frame.toHex().toStdString();
        EXPECT_EQ(crc >> 8, c.hi) << c.frame.toHex().toStdString();
    }
}

TEST(ModbusCrc, TablesAgreeWithTheBitwiseChecksum) {
    QRandomGenerator random(8);
    for (int n = 0; n < 500; ++n) {
        QByteArray bytes(int(random.bounded(1, 40)), '\0');
        for (char& c : bytes)
            c = char(random.bounded(256));
        ASSERT_EQ(ModbusCrc::of(bytes), bitwise(bytes)) << bytes.toHex().toStdString();
    }
}

TEST(ModbusCrc, ClosesTellsGoodFramesFromDamagedOnes) {
    const QByteArray good = QByteArray::fromHex("01030000000AC5CD");
    EXPECT_TRUE(ModbusCrc::closes(good));
    for (int i = 0; i < good.size(); ++i) {
        QByteArray bad = good;
        bad[i] = char(bad[i] ^ 0x01);
        EXPECT_FALSE(ModbusCrc::closes(bad)) << i;
    }
    EXPECT_FALSE(ModbusCrc::closes(QByteArray::fromHex("FFFF")));
}

} // namespace
