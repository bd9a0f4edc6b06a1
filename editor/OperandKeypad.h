// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The operand box's 28-key keypad on the operand field's text: keys 0 to 23
// type their caption ("H" types "&H"), 24 deletes the selection, 25 confirms,
// 26 only switches its own colour, 27 clears the field.
class OperandKeypad {
public:
    static constexpr int Keys = 28;
    static constexpr int Delete = 24;
    static constexpr int Confirm = 25;
    static constexpr int Colour = 26;
    static constexpr int Clear = 27;
    // The keys whose captions the caption file gives, in its order.
    static constexpr std::array<int, 4> CaptionedKeys{Delete, Colour, Clear, Confirm};

    struct Field {
        QString text;
        int caret = 0; // the insertion point, also where a selection starts
        int selectionLength = 0;
    };

    static QString caption(int key);
    // The field after a typing, delete or clear key; other keys leave it.
    Field press(int key, const Field& field);

    bool colourKeyRed() const { return colourKeyRed_; }

private:
    bool colourKeyRed_ = false;
};
