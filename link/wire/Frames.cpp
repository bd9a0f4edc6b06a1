// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frames.h"

#include <algorithm>

void Frames::probe(ShortBytes& f) {
    freeRequest(f, ControllerFacts::DefaultSlave, ControllerFacts::ReadHoldingRegisters, 0x01,
                0x01);
}

void Frames::sixTimes(ShortBytes& f, quint8 value) {
    std::fill_n(f.begin(), 6, value);
    ModbusCrc::AppendCRC(f);
}

void Frames::halt(ShortBytes& f) {
    sixTimes(f, ControllerFacts::Halt);
}

void Frames::start(ShortBytes& f) {
    sixTimes(f, ControllerFacts::Start);
}

void Frames::byteWrite(ShortBytes& f, quint16 address, quint8 data) {
    f[0] = ControllerFacts::ByteWrite;
    f[1] = ByteWriteMark;
    f[2] = address >> 8;
    f[3] = address & 0xFF;
    f[4] = data;
    ModbusCrc::AppendCRC(f);
}

void Frames::registerRead(ShortBytes& f, quint8 slave, quint8 reg) {
    freeRequest(f, slave, ControllerFacts::ReadHoldingRegisters, reg, 0x08);
}

void Frames::registerWrite(ShortBytes& f, quint8 slave, quint8 reg, quint16 value) {
    f = {slave, ControllerFacts::WriteSingleRegister, 0x00,
         reg,   static_cast<quint8>(value >> 8),      static_cast<quint8>(value)};
    ModbusCrc::AppendCRC(f);
}

void Frames::freeRequest(ShortBytes& f, quint8 address, quint8 function, quint8 start,
                         quint8 count) {
    f = {address, function, 0x00, start, 0x00, count};
    ModbusCrc::AppendCRC(f);
}

void Frames::timeWrite(LongBytes& f, quint8 slave, const std::array<quint8, 7>& time) {
    f = {slave,
         ControllerFacts::WriteMultipleRegisters,
         0x00,
         ControllerFacts::ClockRegister,
         0x00,
         ControllerFacts::ClockRegisters,
         2 * ControllerFacts::ClockRegisters};
    std::copy(time.begin(), time.end(), f.begin() + 7);
    f[14] = Ack;
    ModbusCrc::AppendCRC17(f);
}

bool Frames::rawMemoryWrite(ShortBytes& f, int addressHigh, quint8 addressLow, quint8 data) {
    constexpr int offset = ControllerFacts::RawHighOffset;
    if (addressHigh < offset || addressHigh > 255 + offset) return false;
    f[0] = ControllerFacts::ByteWrite;
    f[1] = static_cast<quint8>(addressHigh - offset);
    f[2] = addressLow;
    f[3] = data;
    return true;
}

void Frames::rawTest(TestBytes& f, quint8 address, quint8 data) {
    f = {ControllerFacts::RawTest, address, data};
}

void Frames::freeFrame(FreeBytes& f, const std::array<quint8, 9>& bytes) {
    std::copy(bytes.begin(), bytes.end(), f.begin());
    ModbusCrc::AppendCRC11(f);
}
