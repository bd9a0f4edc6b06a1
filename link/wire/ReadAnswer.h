// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The answer a Modbus slave gives to a function-3 read of a block of
// registers: slave, 03, byte count, the registers high byte first, CRC.
class ReadAnswer {
public:
    // Why bytes are not the answer of slave to a read of registers
    // registers; empty when they are.
    static QString fault(const QByteArray& bytes, quint8 slave, int registers);
    // The register bytes of an answer without fault.
    static QByteArray data(const QByteArray& answer);

private:
    static constexpr int HeaderBytes = 3;
    static constexpr int CrcBytes = 2;
};
