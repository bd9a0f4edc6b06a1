// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineEnds.h"

QString LineEnds::crLf(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\n', QStringLiteral("\r\n"));
}
