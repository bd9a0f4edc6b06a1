// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What the controller is, as everything that talks to it or plays it sees it:
// the Modbus functions it serves and their limits, its slave address, the
// command bytes that start its own frames, and where its registers hold the
// run state, the clock and the memory the tracer shows. One definition, read
// by the frames, the virtual controller, the tasks, obelc and the windows.
class ControllerFacts {
public:
    // Modbus functions, numbered as the Modbus application protocol does.
    static constexpr quint8 ReadHoldingRegisters = 0x03;
    static constexpr quint8 ReadInputRegisters = 0x04;
    static constexpr quint8 WriteSingleRegister = 0x06;
    static constexpr quint8 WriteMultipleRegisters = 0x10;
    // Set in an answer's function byte when the slave refuses the request.
    static constexpr quint8 ExceptionFlag = 0x80;
    // Registers one read or one write carries at most: an RTU frame holds 256
    // bytes.
    static constexpr int MaxReadRegisters = 125;
    static constexpr int MaxWriteRegisters = 123;

    // The first byte of the controller's own frames. A Modbus request to a
    // slave with one of these addresses would be read by the line as that
    // command, so no slave has one.
    static constexpr quint8 ByteWrite = 0xA5;
    static constexpr quint8 LoaderStart = 0xA6;
    static constexpr quint8 Start = 0xA7;
    static constexpr quint8 RawTest = 0xA8;
    static constexpr quint8 Halt = 0xAA;

    // The controller's slave address unless it was set otherwise.
    static constexpr quint8 DefaultSlave = 0xAD;
    static constexpr int LowestSlave = 1;
    static constexpr int HighestSlave = 247;
    static constexpr bool isCommandByte(int value) {
        return value == ByteWrite || value == LoaderStart || value == Start || value == RawTest ||
               value == Halt;
    }
    // A unicast Modbus address that is no command byte.
    static constexpr bool isSlaveAddress(int value) {
        return value >= LowestSlave && value <= HighestSlave && !isCommandByte(value);
    }

    // The run state: bit 5 of register 23.
    static constexpr int RunRegister = 23;
    static constexpr quint16 RunBit = 0x0020;
    // The clock: registers 0x50-0x53.
    static constexpr int ClockRegister = 0x50;
    static constexpr int ClockRegisters = 4;
    // The raw memory write carries the address's high byte less this.
    static constexpr int RawHighOffset = 10;

    // The memory the tracer shows: registers 16 on, two bytes each, high byte
    // first; the first 160 bytes have names, the first six bytes have bit
    // buttons.
    static constexpr int TraceFirstRegister = 16;
    static constexpr int TraceCells = 224;
    static constexpr int TraceNamedCells = 160;
    static constexpr int TraceBitGroups = 6;
};
