// SPDX-License-Identifier: GPL-3.0-or-later
#include "Excerpt.h"

QString Excerpt::of(QStringView line) {
    if (line.size() <= MaxLength) return line.toString();
    return line.left(MaxLength).toString() +
           QStringLiteral(" ... (%1 characters in all)").arg(line.size());
}
