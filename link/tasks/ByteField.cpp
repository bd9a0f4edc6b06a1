// SPDX-License-Identifier: GPL-3.0-or-later
#include "ByteField.h"

#include "NumericText.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace {

// A number put into a field is rounded to the nearest whole, halves to even,
// before its range is checked.
std::optional<int> whole(double value, int low, int high) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= low && rounded <= high)) return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<quint8> byte(double value) {
    const auto number = whole(value, 0, 255);
    if (!number) return std::nullopt;
    return static_cast<quint8>(*number);
}

} // namespace

std::optional<quint8> ByteField::decimal(QStringView text) {
    return byte(NumericText::value(text));
}

std::optional<quint8> ByteField::hexadecimal(QStringView text) {
    return byte(NumericText::value(QStringLiteral("&H") + text.toString()));
}

std::optional<int> ByteField::hexadecimal(QStringView text, int low, int high) {
    const auto digit = [](QChar c) {
        const char16_t u = c.toUpper().unicode();
        return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
    };
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), digit)) return std::nullopt;
    return whole(NumericText::value(QStringLiteral("&H") + text.toString()), low, high);
}
