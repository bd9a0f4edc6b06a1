// SPDX-License-Identifier: LGPL-3.0-or-later
#include "OleColour.h"

namespace {
// System colour indices and the palette roles that mean the same.
QPalette::ColorRole roleOf(quint32 index) {
    switch (index) {
    case 5:
        return QPalette::Base; // window background
    case 8:
        return QPalette::Text; // window text
    case 13:
        return QPalette::Highlight; // highlight
    case 14:
        return QPalette::HighlightedText; // highlight text
    case 15:
        return QPalette::Button; // button face
    case 16:
        return QPalette::Dark; // button shadow
    case 18:
        return QPalette::ButtonText; // button text
    case 20:
        return QPalette::Light; // button highlight
    case 21:
        return QPalette::Shadow; // 3D dark shadow
    case 23:
        return QPalette::ToolTipText; // info text
    case 24:
        return QPalette::ToolTipBase; // info background
    default:
        return QPalette::Window;
    }
}
} // namespace

QColor OleColour::toColor(quint32 value, const QPalette& palette) {
    if (value & 0x80000000u) return palette.color(roleOf(value & 0xFF));
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

quint32 OleColour::fromRgb(int red, int green, int blue) {
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}
