// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstructionSet.h"

#include <QHash>
#include <QString>

namespace {

// How the two bytes follow from the operands a and b.
enum class Rule {
    Direct,      // byte1 = base1 + a, byte2 = base2 + b
    Register,    // byte1 = base1 + a, byte2 = base2 + lo(b)
    Address,     // byte1 = base1 + hi(a + offset), byte2 = base2 + lo(a + offset)
    NinthBit,    // as Address, with bit 8 of a added as 4 to byte1
    FixedOpcode, // byte1 = base1, byte2 = base2 + lo(a)
    Single,      // byte1 = base1 only
    Origin,      // ORG: the single byte base1 at the new location
};

struct Instruction {
    const char16_t* mnemonic;
    Rule rule;
    int base1;
    int base2 = 0;
    int offset = 0; // the plain stack, swap, tracer and logic forms address from 32
};

// The "+" forms take their operand as written; the plain forms add 32.
constexpr int Plain = 32;

constexpr Instruction table[] = {
    {u"MOVD", Rule::Direct, 0x00, 0x00},
    {u"CPD", Rule::Direct, 0x40, 0x00},
    {u"MOVM", Rule::Register, 0x80, 0x00},
    {u"CPM", Rule::Register, 0x80, 0x40},
    {u"GOTO", Rule::Address, 0x80, 0x80},
    {u"GOTO_W", Rule::Address, 0x88, 0x80},
    {u"GOTO_NW", Rule::Address, 0x90, 0x80},
    {u"CALL", Rule::Address, 0xA0, 0x80},
    {u"MACRO_N", Rule::Address, 0x80, 0x80},
    {u"MACRO_E", Rule::Address, 0x88, 0x80},
    {u"MACRO_D", Rule::Address, 0x90, 0x80},
    {u"MGR", Rule::Register, 0xB0, 0x80},
    {u"MGW", Rule::Register, 0x80, 0xC0},
    {u"+PUSH", Rule::NinthBit, 0x90, 0xC0},
    {u"PUSH", Rule::Address, 0x90, 0xC0, Plain},
    {u"+POP", Rule::NinthBit, 0x98, 0xC0},
    {u"POP", Rule::Address, 0x98, 0xC0, Plain},
    {u"IN", Rule::Register, 0xC0, 0x00},
    {u"/IN", Rule::Register, 0xC0, 0x40},
    {u"OUT", Rule::Register, 0xC0, 0x80},
    {u"/OUT", Rule::Register, 0xC0, 0xC0},
    {u"OR", Rule::Register, 0xC8, 0x00},
    {u"/OR", Rule::Register, 0xC8, 0x40},
    {u"AND", Rule::Register, 0xC8, 0x80},
    {u"/AND", Rule::Register, 0xC8, 0xC0},
    {u"XOR", Rule::Register, 0xD0, 0x00},
    {u"CPL", Rule::Register, 0xD0, 0x40},
    {u"SET", Rule::Register, 0xD0, 0x80},
    {u"CLR", Rule::Register, 0xD0, 0xC0},
    {u"INC", Rule::FixedOpcode, 0xD8, 0x00},
    {u"DEC", Rule::FixedOpcode, 0xD8, 0x40},
    {u"ROR", Rule::FixedOpcode, 0xD8, 0x80},
    {u"ROL", Rule::FixedOpcode, 0xD8, 0xC0},
    {u"ADD", Rule::FixedOpcode, 0xD9, 0x00},
    {u"SUB", Rule::FixedOpcode, 0xD9, 0x40},
    {u"+SWAP", Rule::Address, 0x98, 0x80},
    {u"SWAP", Rule::Address, 0x98, 0x80, Plain},
    {u"+TRACER", Rule::Address, 0xA8, 0x80},
    {u"TRACER", Rule::Address, 0xA8, 0x80, Plain},
    {u"+ANL", Rule::Address, 0xA0, 0xC0},
    {u"ANL", Rule::Address, 0xA0, 0xC0, Plain},
    {u"+ORL", Rule::Address, 0xA8, 0xC0},
    {u"ORL", Rule::Address, 0xA8, 0xC0, Plain},
    {u"+XRL", Rule::Address, 0xB0, 0xC0},
    {u"XRL", Rule::Address, 0xB0, 0xC0, Plain},
    {u"TABLE", Rule::Register, 0xB8, 0xC0},
    {u"MUL", Rule::FixedOpcode, 0xD9, 0x80},
    {u"DIV", Rule::FixedOpcode, 0xD9, 0xC0},
    {u"FEG", Rule::Address, 0xA8, 0x80},
    {u"SET_W", Rule::Single, 0xF0},
    {u"CLR_W", Rule::Single, 0xF1},
    {u"SET_BCD", Rule::Single, 0xF2},
    {u"SAVE", Rule::Single, 0xF3},
    {u"LOAD", Rule::Single, 0xF4},
    {u"TRAN", Rule::Single, 0xF5},
    {u"ANDM", Rule::Single, 0xF6},
    {u"ORM", Rule::Single, 0xF7},
    {u"KPI", Rule::Single, 0xF8},
    {u"KPO", Rule::Single, 0xF9},
    {u"CHG_XW", Rule::Single, 0xFA},
    {u"CHG_BW", Rule::Single, 0xFB},
    {u"CHG_SW", Rule::Single, 0xFC},
    {u"NOT", Rule::Single, 0xFD},
    {u"RUN", Rule::Single, 0xFE},
    {u"END", Rule::Single, 0xFF},
    {u"NOP", Rule::Single, 0x01},
    {u"PRG", Rule::Single, 0xFF},
    {u"ORG", Rule::Origin, 0xF0},
};

// Bits 6 and 7 as a number 0 to 3, and the low six bits.
int hi(int x) {
    return (x & 0xC0) / 64;
}
int lo(int x) {
    return x & 0x3F;
}

const QHash<QStringView, const Instruction*>& byMnemonic() {
    static const QHash<QStringView, const Instruction*> index = [] {
        QHash<QStringView, const Instruction*> built;
        for (const Instruction& instruction : table)
            built.insert(QStringView(instruction.mnemonic), &instruction);
        return built;
    }();
    return index;
}

InstructionSet::Encoding twoBytes(int byte1, int byte2) {
    return {2, quint8(byte1 & 0xFF), quint8(byte2 & 0xFF)};
}

} // namespace

std::optional<InstructionSet::Encoding> InstructionSet::encode(QStringView mnemonic, int a, int b) {
    const auto found = byMnemonic().constFind(mnemonic);
    if (found == byMnemonic().constEnd()) return std::nullopt;
    const Instruction& i = **found;
    switch (i.rule) {
    case Rule::Direct:
        return twoBytes(i.base1 + a, i.base2 + b);
    case Rule::Register:
        return twoBytes(i.base1 + a, i.base2 + lo(b));
    case Rule::Address:
        return twoBytes(i.base1 + hi(a + i.offset), i.base2 + lo(a + i.offset));
    case Rule::NinthBit:
        return twoBytes(i.base1 + (a >= 256 ? 4 + hi(a - 256) : hi(a)), i.base2 + lo(a));
    case Rule::FixedOpcode:
        return twoBytes(i.base1, i.base2 + lo(a));
    case Rule::Single:
        return Encoding{1, quint8(i.base1)};
    case Rule::Origin:
        return Encoding{1, quint8(i.base1), 0, true};
    }
    return std::nullopt;
}
