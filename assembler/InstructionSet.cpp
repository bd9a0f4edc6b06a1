// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstructionSet.h"

#include "AssemblyPass.h"

#include <QHash>
#include <QString>

#include <set>

namespace {

// How the two bytes follow from the operands a and b.
enum class Rule {
    Direct,      // byte1 = base1 + a, byte2 = base2 + b
    Bit,         // byte1 = base1 + a, byte2 = base2 + lo(b): register and bit
    Register,    // byte1 = base1 + a, byte2 = base2 + lo(b): register and word
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
    {u"IN", Rule::Bit, 0xC0, 0x00},
    {u"/IN", Rule::Bit, 0xC0, 0x40},
    {u"OUT", Rule::Bit, 0xC0, 0x80},
    {u"/OUT", Rule::Bit, 0xC0, 0xC0},
    {u"OR", Rule::Bit, 0xC8, 0x00},
    {u"/OR", Rule::Bit, 0xC8, 0x40},
    {u"AND", Rule::Bit, 0xC8, 0x80},
    {u"/AND", Rule::Bit, 0xC8, 0xC0},
    {u"XOR", Rule::Bit, 0xD0, 0x00},
    {u"CPL", Rule::Bit, 0xD0, 0x40},
    {u"SET", Rule::Bit, 0xD0, 0x80},
    {u"CLR", Rule::Bit, 0xD0, 0xC0},
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

// The low six bits of an operand go into a byte's field; bits 6 and 7
// into the opcode where an address takes eight bits.
constexpr int LowBits = 0x3F;
constexpr int ByteTop = 0xFF;

// Bits 6 and 7 as a number 0 to 3, and the low six bits.
int hi(int x) {
    return (x & 0xC0) / 64;
}
int lo(int x) {
    return x & LowBits;
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

InstructionSet::Encoding encodeWith(const Instruction& i, int a, int b) {
    switch (i.rule) {
    case Rule::Direct:
        return twoBytes(i.base1 + a, i.base2 + b);
    case Rule::Bit:
    case Rule::Register:
        return twoBytes(i.base1 + a, i.base2 + lo(b));
    case Rule::Address:
        return twoBytes(i.base1 + hi(a + i.offset), i.base2 + lo(a + i.offset));
    case Rule::NinthBit:
        return twoBytes(i.base1 + (a >= 256 ? 4 + hi(a - 256) : hi(a)), i.base2 + lo(a));
    case Rule::FixedOpcode:
        return twoBytes(i.base1, i.base2 + lo(a));
    case Rule::Single:
        return InstructionSet::Encoding{1, quint8(i.base1)};
    case Rule::Origin:
        return InstructionSet::Encoding{1, quint8(i.base1), 0, true};
    }
    return {};
}

// A register in the opcode byte reaches up to the next opcode of another
// two-byte group; further on it would be read as that group's.
int registerTop(const Instruction& i) {
    int next = ByteTop + 1;
    for (const Instruction& other : table) {
        if (other.rule == Rule::Single || other.rule == Rule::Origin) continue;
        const int base = encodeWith(other, 0, 0).byte1;
        if (base > i.base1 && base < next) next = base;
    }
    return next - i.base1 - 1;
}

InstructionSet::Shape shapeOf(const Instruction& i) {
    using Operand = InstructionSet::Operand;
    const Operand address{QStringLiteral("address"), 0, ByteTop - i.offset};
    switch (i.rule) {
    case Rule::Direct:
        return {2,
                {Operand{QStringLiteral("register"), 0, registerTop(i)},
                 Operand{QStringLiteral("value"), 0, ByteTop}}};
    case Rule::Bit:
        return {2,
                {Operand{QStringLiteral("register"), 0, registerTop(i)},
                 Operand{QStringLiteral("bit"), 0, LowBits}}};
    case Rule::Register:
        return {2,
                {Operand{QStringLiteral("register"), 0, registerTop(i)},
                 Operand{QStringLiteral("word"), 0, LowBits}}};
    case Rule::Address:
        return {1, {address}};
    case Rule::NinthBit:
        return {1, {Operand{address.name, 0, 2 * (ByteTop + 1) - 1}}};
    case Rule::FixedOpcode:
        return {1, {Operand{QStringLiteral("word"), 0, LowBits}}};
    case Rule::Single:
        return {};
    case Rule::Origin:
        return {1,
                {Operand{QStringLiteral("label"), 0,
                         (AssemblyPass::Top - InstructionSet::originOf(0)) / 16}}};
    }
    return {};
}

// The operands inside their fields that give the code, if any.
std::optional<QString> readAs(const Instruction& i, quint8 byte1, quint8 byte2) {
    const InstructionSet::Shape shape = shapeOf(i);
    if (shape.count == 0 || i.rule == Rule::Origin) return std::nullopt;
    const auto& [first, second] = shape.operands;
    for (int a = first.low; a <= first.high; ++a) {
        if (encodeWith(i, a, 0).byte1 != byte1) continue;
        if (shape.count == 1) {
            if (encodeWith(i, a, 0).byte2 == byte2)
                return QStringLiteral("%1,%2").arg(QStringView(i.mnemonic)).arg(a);
            continue;
        }
        for (int b = second.low; b <= second.high; ++b)
            if (encodeWith(i, a, b).byte2 == byte2)
                return QStringLiteral("%1,%2,%3").arg(QStringView(i.mnemonic)).arg(a).arg(b);
    }
    return std::nullopt;
}

} // namespace

std::optional<InstructionSet::Encoding> InstructionSet::encode(QStringView mnemonic, int a, int b) {
    const auto found = byMnemonic().constFind(mnemonic);
    if (found == byMnemonic().constEnd()) return std::nullopt;
    return encodeWith(**found, a, b);
}

std::optional<InstructionSet::Shape> InstructionSet::shape(QStringView mnemonic) {
    static const QHash<QStringView, Shape> shapes = [] {
        QHash<QStringView, Shape> built;
        for (const Instruction& instruction : table)
            built.insert(QStringView(instruction.mnemonic), shapeOf(instruction));
        return built;
    }();
    const auto found = shapes.constFind(mnemonic);
    if (found == shapes.constEnd()) return std::nullopt;
    return *found;
}

QString InstructionSet::reading(quint8 byte1, quint8 byte2, QStringView preferred) {
    if (const auto found = byMnemonic().constFind(preferred); found != byMnemonic().constEnd())
        if (const auto read = readAs(**found, byte1, byte2)) return *read;
    for (const Instruction& instruction : table)
        if (const auto read = readAs(instruction, byte1, byte2)) return *read;
    return {};
}

QString InstructionSet::oneByte(quint8 code) {
    for (const Instruction& instruction : table)
        if (instruction.rule == Rule::Single && instruction.base1 == code)
            return QStringView(instruction.mnemonic).toString();
    return {};
}

bool InstructionSet::setsOutput(QStringView mnemonic) {
    return mnemonic == u"OUT" || mnemonic == u"/OUT";
}

bool InstructionSet::jumpsToLabel(QStringView mnemonic) {
    static const std::set<QStringView> jumps{u"GOTO", u"GOTO_W", u"GOTO_NW", u"CALL"};
    return jumps.count(mnemonic) > 0;
}

bool InstructionSet::placesLabel(QStringView mnemonic) {
    const auto found = byMnemonic().constFind(mnemonic);
    return found != byMnemonic().constEnd() && (*found)->rule == Rule::Origin;
}
