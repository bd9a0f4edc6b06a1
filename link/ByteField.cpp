#include "ByteField.h"

#include "NumericText.h"

#include <QString>

#include <cmath>

namespace {

// A number put into a byte is rounded to the nearest whole, halves to even,
// before its range is checked.
std::optional<quint8> byte(double value) {
    const double whole = std::nearbyint(value);
    if (!(whole >= 0 && whole <= 255)) return std::nullopt;
    return static_cast<quint8>(whole);
}

} // namespace

std::optional<quint8> ByteField::decimal(QStringView text) {
    return byte(NumericText::value(text));
}

std::optional<quint8> ByteField::hexadecimal(QStringView text) {
    return byte(NumericText::value(QStringLiteral("&H") + text.toString()));
}
