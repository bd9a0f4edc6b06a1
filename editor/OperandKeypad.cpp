// SPDX-License-Identifier: GPL-3.0-or-later
#include "OperandKeypad.h"

#include <array>

QString OperandKeypad::caption(int key) {
    static const std::array<const char16_t*, Keys> captions{
        u"0", u"1", u"2", u"3", u"4",    u"5",        u"6",    u"7",   u"8", u"9",
        u";", u"=", u"A", u"B", u"C",    u"D",        u"E",    u"F",   u",", u"*",
        u"_", u"H", u"N", u"'", u"刪除", u"確定輸入", u"插入", u"清除"};
    return key >= 0 && key < Keys ? QString::fromUtf16(captions[key]) : QString();
}

OperandKeypad::Field OperandKeypad::press(int key, const Field& field) {
    Field out = field;
    if (key >= 0 && key < Delete) {
        const QString typed = caption(key).replace(u'H', QStringLiteral("&H"));
        if (field.caret == field.text.size() || field.caret == 0) {
            // At either end the text is extended at its end.
            out.text += typed;
            out.caret = static_cast<int>(out.text.trimmed().size());
        } else {
            out.text = field.text.left(field.caret) + typed +
                       field.text.mid(field.caret + field.selectionLength);
            out.caret = field.caret + static_cast<int>(typed.size());
        }
        out.selectionLength = 0;
    } else if (key == Delete && field.selectionLength > 0) {
        out.text =
            field.text.left(field.caret) + field.text.mid(field.caret + field.selectionLength);
        out.selectionLength = 0;
    } else if (key == Clear) {
        out = Field{};
    } else if (key == Colour) {
        colourKeyRed_ = !colourKeyRed_;
    }
    return out;
}
