// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

using ShortBytes = std::array<quint8, 8>;
using LongBytes = std::array<quint8, 17>;
using TestBytes = std::array<quint8, 3>;
using FreeBytes = std::array<quint8, 11>;

// T(i): i shifted right eight times, 0xA001 folded in after each shift that
// dropped a 1 bit.
constexpr std::array<quint16, 256> crcTable() {
    std::array<quint16, 256> t{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned v = i;
        for (int bit = 0; bit < 8; ++bit)
            v = (v & 1) ? (v >> 1) ^ 0xA001 : v >> 1;
        t[i] = static_cast<quint16>(v);
    }
    return t;
}

// The Modbus RTU CRC-16 (reflected polynomial 0xA001, start 0xFFFF), worked
// byte-wise through two tables and sent low byte first. Every frame of the
// link that carries a check closes with it, ours and the Modbus ones alike.
class ModbusCrc {
public:
    static quint8 GetCRCLo(quint8 index) { return Table[index] & 0xFF; }
    static quint8 GetCRCHi(quint8 index) { return Table[index] >> 8; }

    // The checksum of bytes: low byte in bits 0-7, high byte in bits 8-15.
    static quint16 of(QByteArrayView bytes);
    // True when the last two bytes are the checksum of the ones before.
    static bool closes(QByteArrayView frame);

    // Bytes 0-5 into 6 and 7; bytes 0-14 into 15 and 16; bytes 0-8 into 9 and 10.
    static void AppendCRC(ShortBytes& frame) { close(frame.data(), frame.size()); }
    static void AppendCRC17(LongBytes& frame) { close(frame.data(), frame.size()); }
    static void AppendCRC11(FreeBytes& frame) { close(frame.data(), frame.size()); }

private:
    static void close(quint8* frame, std::size_t size);

    static constexpr std::array<quint16, 256> Table = crcTable();
};
