// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CodeImage.h"

#include <QString>

#include <functional>

// The pass over the prepared source: a location counter, no symbols. It
// walks the text the way the controller family's assembler always has, so
// sources written for it assemble to the same image: comment heads, short
// lines passed over two characters at a time, ";" comments, "PEND" as the end.
class AssemblyPass {
public:
    struct Result {
        bool ok = true;
        CodeImage image;
        QString listing;
        QString message;   // the error report, empty when ok
        QString trace;     // the last line's parse trace
        QString origin;    // the last ORG address in decimal
        QString goToRow;   // on an error: the map row of the failing rung (1: the first)
        int errorLine = 0; // on an error: the failing line, counted from 1
        QString reason;    // on an error: what is wrong with it, in a few words
        int instructions = 0;
    };

    // Called once per two-byte instruction with the percentage of 4,096
    // instructions done.
    using Progress = std::function<void(int percent)>;

    static Result run(const QString& work, const Progress& progress = {});
    // The work text with the "PEND" line added when it has none.
    static QString withEnd(QString work);

    // The highest address a program may reach.
    static constexpr int Top = 0x7FFF;
};
