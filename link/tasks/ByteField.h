// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// A frame byte typed into a text box. Nothing when the text's number is not
// a byte (outside 0-255), so that no wrong byte goes on the line.
class ByteField {
public:
    // The number the text begins with: leading blanks skipped, the rest
    // ignored, empty text 0.
    static std::optional<quint8> decimal(QStringView text);
    // The text read as the digits of a hexadecimal number: "1F" is 31.
    static std::optional<quint8> hexadecimal(QStringView text);
    // A field of hexadecimal digits and nothing else, whose number may lie
    // anywhere from low to high: "", "ZZ", "-1" and "0x1" are no number.
    static std::optional<int> hexadecimal(QStringView text, int low, int high);
};
