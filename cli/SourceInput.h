// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QTextStream;

// The source an obelc command works on: a file, or stdin for "-", read as
// the assembler's source box holds it.
class SourceInput {
public:
    // Nothing after telling err why it cannot be read.
    static std::optional<QString> read(const QString& name, QTextStream& err);

    // An argument that is no option of the command: the source's name. The
    // usage error for an unknown option or a second source, else "".
    static QString takeName(const QString& arg, QString& name);
    // The usage error when no source was named (and no help asked), else "".
    static QString named(const QString& name, bool help);
};
