// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

class Link;

// The assembler window's service tools that send one frame and leave any
// answer to the receive log: the raw memory write ("WRITE"), the raw link
// test ("TRAN"), the free Modbus request ("Modef"), the free frame ("TR")
// and the clock setting ("T.Adj"), and the clock read back. Their fields are hexadecimal texts read
// from their first three characters (two for the free frame); a field whose
// number lies outside its range refuses the whole tool, and nothing is sent.
class ServiceTools {
public:
    // What a tool did: the bytes it sent, or why it sent nothing.
    struct Result {
        QByteArray sent;
        QString refusal;
        bool refused() const { return !refusal.isEmpty(); }
    };

    explicit ServiceTools(Link& link) : link_(link) {}

    // ADDR_H (0A-109: the frame carries it less 10), ADDR_L, DATA: A5,
    // ADDR_H - 10, ADDR_L, DATA and bytes 4-7 as the last frame left them.
    Result writeMemory(const std::array<QString, 3>& fields);
    // TRAD, DATA: A8, TRAD, DATA.
    Result linkTest(const std::array<QString, 2>& fields);
    // ADDR, COMM, MEM_ST, COT: ADDR, COMM, 00, MEM_ST, 00, COT and the check.
    Result freeRequest(const std::array<QString, 4>& fields);
    // Nine bytes and their check.
    Result freeFrame(const std::array<QString, 9>& fields);
    // Modbus function 16 to slave, writing the seven two-digit fields of the
    // clock text read as hexadecimal (so "25" goes as packed BCD 0x25), then
    // 5A, to registers 0x50-0x53. The result box grows by a blank and the
    // decimal number of each of bytes 0-14.
    Result setClock(const QString& clockText, quint8 slave);
    // The clock read back: Modbus function 3 for the four clock registers of
    // slave through the link's exchange. done gets the clock as a clock text
    // (see ClockText) and no fault, or no clock and what was wrong with the
    // last answer ("" when nothing came). False, and nothing sent, while
    // another exchange holds the link.
    using ClockDone = std::function<void(const QString& clock, const QString& fault)>;
    bool readClock(quint8 slave, ClockDone done);
    // Text21.
    const QString& clockResult() const { return clockResult_; }

    static const std::array<QString, 3>& memoryFieldNames();
    static const std::array<QString, 2>& testFieldNames();
    static const std::array<QString, 4>& requestFieldNames();
    static QString frameFieldName(int i);
    // What the fields hold when the window opens: values their checks take.
    static const std::array<QString, 3>& memoryDefaults();
    static const std::array<QString, 2>& testDefaults();
    static const std::array<QString, 4>& requestDefaults();
    static const std::array<QString, 9>& frameDefaults();

private:
    Link& link_;
    QString clockResult_;
};
