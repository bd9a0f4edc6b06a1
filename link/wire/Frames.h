// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControllerFacts.h"
#include "ModbusCrc.h"

// The frames the programming environment sends, built in place in the link's
// buffers. A builder sets only the bytes its frame defines: the controller's
// byte write relies on byte 5 still holding 0xAA from the halt frame sent
// before it, and the raw memory write sends bytes 4-7 as the previous frame
// left them.
class Frames {
public:
    static constexpr quint8 ByteWriteMark = 0x5A;
    static constexpr quint8 Ack = 0x5A;

    // AD 03 00 01 00 01: read one register at 1 of the controller.
    static void probe(ShortBytes& f);
    static void halt(ShortBytes& f);
    static void start(ShortBytes& f);
    // A5 5A, address high, address low, data; byte 5 untouched.
    static void byteWrite(ShortBytes& f, quint16 address, quint8 data);
    // Modbus function 3 for eight registers from register.
    static void registerRead(ShortBytes& f, quint8 slave, quint8 reg);
    // Modbus function 6.
    static void registerWrite(ShortBytes& f, quint8 slave, quint8 reg, quint16 value);
    // address, function, 00, start, 00, count.
    static void freeRequest(ShortBytes& f, quint8 address, quint8 function, quint8 start,
                            quint8 count);
    // Modbus function 16 writing the seven clock bytes and 5A to registers 0x50-0x53.
    static void timeWrite(LongBytes& f, quint8 slave, const std::array<quint8, 7>& time);
    // A5, addressHigh - 10, addressLow, data; no check. False (frame untouched)
    // when addressHigh is outside 10-265, so no wrong byte goes on the line.
    static bool rawMemoryWrite(ShortBytes& f, int addressHigh, quint8 addressLow, quint8 data);
    // A8, address, data; no check.
    static void rawTest(TestBytes& f, quint8 address, quint8 data);
    // Nine free bytes and their check.
    static void freeFrame(FreeBytes& f, const std::array<quint8, 9>& bytes);

private:
    static void sixTimes(ShortBytes& f, quint8 value);
};
