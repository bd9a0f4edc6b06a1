// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReceiveLog.h"

#include <algorithm>

void ReceiveLog::add(quint8 byte) {
    if (std::find(filters_.begin(), filters_.end(), byte) != filters_.end())
        text_ += QStringLiteral("\r\n");
    text_ += QString::number(byte, 16).toUpper() + u' ';
}
