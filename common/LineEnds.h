// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts typed into a box end their lines with LF; the files and the
// hardware table this system keeps end them with CR LF.
class LineEnds {
public:
    // Every LF, alone or already after a CR, ends its line with CR LF.
    static QString crLf(QString text);
};
