// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// One instruction line taken apart: mnemonic, operand 1, operand 2. Every
// operand is a number (no symbols); operand 1 must be written exactly as its
// value reads back, so "05", "+5", "1.5" or "5 x" do not pass unnoticed.
class SourceLine {
public:
    // line: the scanned text without its last character (the line end).
    static SourceLine parse(QStringView line);

    // "ERROR " when operand 1 is not a plain number, which no instruction is.
    QStringView mnemonic() const { return mnemonic_; }
    int a() const { return a_; }
    int b() const { return b_; }
    // The parse trace: mnemonic, operand 1, operand 2, operand 1 as written.
    QString trace() const;
    // Why operand 1 was refused, for the error line; empty when it was not.
    QString operandProblem() const;
    // Whether an operand is written exactly as its value reads back, the
    // test operand 1 must pass (operand 2 is taken as it reads).
    static bool isPlainNumber(QStringView operand) {
        return asWritten(operand) == QString::number(valueOf(operand));
    }

private:
    // Operands far beyond any field are held here, which keeps the byte
    // arithmetic and the origin inside int.
    static constexpr int Limit = 1 << 24;
    static int valueOf(QStringView operand);
    static QString asWritten(QStringView operand);

    // Views into the scanned text (or the error word), which outlives them.
    QStringView mnemonic_;
    int a_ = 0;
    int b_ = 0;
    QString written_;
};
