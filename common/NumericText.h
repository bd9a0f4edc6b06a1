// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The one way a text becomes a number in this system: its leading number,
// leading blanks skipped, "&H" hexadecimal accepted, 0 when there is none.
class NumericText {
public:
    static double value(QStringView text);
    // The value rounded towards minus infinity and clamped to the int range,
    // for the places that use it as an index.
    static int floorInt(double value);
};
