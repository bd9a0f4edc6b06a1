// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextStream;

// What obelc prints on a terminal: the files' CR LF line ends as LF, a line
// end after the last line, and characters a terminal would act on (escape
// sequences, bells, lone CRs, invisible controls) written as \xHH or \u{H}.
// Into a file or a pipe the text goes as it is.
class TerminalText {
public:
    static QString shown(const QString& text);
    static bool isTerminal(const QTextStream& stream);
    static void print(QTextStream& stream, const QString& text);
};
