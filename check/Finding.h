// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One thing the check found on a cell of the map. An error: the controller
// would get something other than what the drawing says (or the assembler
// stops). A warning: likely a mistake.
struct Finding {
    enum class Severity { Error, Warning };

    int page = 0; // from 0, as the map counts
    int cell = 0;
    QString element; // bitmap name
    QString label;
    Severity severity = Severity::Error;
    QString message;

    bool isError() const { return severity == Severity::Error; }
    QString severityName() const;
    // "page:row:column" counted from 1.
    QString place() const;
    // The compiler-style line editors and terminals understand:
    // "LATCH.MAP:1:3:2: error: register 9 is outside 0–7 for IN; ...".
    QString line(const QString& mapName) const;
};
