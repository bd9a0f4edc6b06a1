// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class ProgramFolder;

// Prepares the source for the assembler: upper case, the "+" form of the
// instructions whose operand is written in hexadecimal, then the user's
// replacement list def\Replace.def ("FIND [REPLACEMENT]" per line, in file
// order, each line working on the result of the one before).
class SourceReplacement {
public:
    struct Result {
        QString work;
        // Lines of the list that are not "FIND [REPLACEMENT]" and were passed
        // over, as "line N: text".
        QStringList skipped;
        // Why the replacement stopped: a list that would make the text grow
        // past what any source may be. Empty when it went through.
        QString refusal;
    };

    static Result Rep_prs(const QString& source, const ProgramFolder& folder);
    // The same with the replacement list given as its lines.
    static Result apply(const QString& source, const QStringList& replaceLines);
};
