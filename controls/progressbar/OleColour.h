// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "FenrowExport.h"

#include <QColor>
#include <QPalette>

// Colours as containers of these controls store them: red in the low byte,
// then green, then blue. A value with the top bit set names a system colour
// by its low byte, which maps onto the palette role of the same meaning.
class FENROW_EXPORT OleColour {
public:
    static constexpr quint32 ButtonFace = 0x8000000F;
    static constexpr quint32 Highlight = 0x8000000D;
    static constexpr quint32 HighlightText = 0x8000000E;
    static constexpr quint32 ButtonText = 0x80000012;

    static QColor toColor(quint32 value, const QPalette& palette);
    static quint32 fromRgb(int red, int green, int blue);
};
