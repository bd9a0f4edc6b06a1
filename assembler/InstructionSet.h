// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The controller's instruction set: every mnemonic with the bytes it
// assembles to. Instructions are one or two bytes; each byte is computed as
// an integer and only its low eight bits are kept, so operands that do not
// fit their field run into the neighbouring codes as they do on the device.
class InstructionSet {
public:
    struct Encoding {
        int length = 0; // 1 or 2
        quint8 byte1 = 0;
        quint8 byte2 = 0;
        bool origin = false; // ORG: moves the location counter first
    };

    // The encoding of a mnemonic (upper case, compared as a whole) with its
    // operand values; nothing for a word that is not an instruction.
    static std::optional<Encoding> encode(QStringView mnemonic, int a, int b);

    // Where ORG a puts the location counter: block a of the 16-byte blocks.
    static int originOf(int a) { return 0x200 + 16 * a; }

    // What an instruction takes: its operands, each with a name for people
    // and the values its field holds without running into other codes.
    struct Operand {
        QString name;
        int low = 0;
        int high = 0;
    };
    struct Shape {
        int count = 0;
        std::array<Operand, 2> operands;
    };
    static std::optional<Shape> shape(QStringView mnemonic);

    // The instruction that a two-byte code stands for, written as a source
    // line ("OR,1,3") with operands inside their fields, the preferred
    // mnemonic tried first; empty when no instruction makes that code.
    static QString reading(quint8 byte1, quint8 byte2, QStringView preferred);

    // The one-byte instruction a code stands for ("SET_W" for F0), the
    // first of the table where two share it; empty when none does.
    static QString oneByte(quint8 code);

    // The coils: instructions that set an output bit from the rung.
    static bool setsOutput(QStringView mnemonic);
    // Jumps and calls to a label, and the label they go to.
    static bool jumpsToLabel(QStringView mnemonic);
    static bool placesLabel(QStringView mnemonic);
};
