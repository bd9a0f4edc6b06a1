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
};
