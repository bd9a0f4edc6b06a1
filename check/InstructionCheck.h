// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Finding.h"

#include <QString>
#include <QStringView>

#include <optional>

// One instruction line against the instruction set, as the assembler will
// take it: a word that is no instruction, an operand missing or not a number,
// an operand outside its field. Where the assembler goes on, the finding says
// what the controller would run instead.
class InstructionCheck {
public:
    struct Problem {
        Finding::Severity severity;
        QString message;
    };
    struct Result {
        std::optional<Problem> problem; // the first one the line has
        QString mnemonic;
        int a = 0;
        int b = 0;
        // The instruction is what the line says: the cross-cell checks
        // (coils, labels) count it.
        bool sound = false;
        enum class Role { Other, Coil, Label, Jump } role = Role::Other;
    };

    // line: as the assembler parses it (trimmed, without its line end).
    static Result of(QStringView line);
};
