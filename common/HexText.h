// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A number as upper-case hexadecimal with leading zeros, as every display
// and message of the link writes bytes and addresses ("0A", "01F0").
inline QString hexText(quint32 value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}
