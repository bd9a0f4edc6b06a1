#pragma once

#include <QString>

#include <optional>

class ProgramFolder;

// Source files as the assembler's source box takes them: every line,
// whatever ended it, followed by CR LF. The box loads them from plc.
class SourceFile {
public:
    static QString lines(const QString& text);
    // plc\NAME of the program folder; nothing, and error saying why, when
    // it cannot be read (the file browser may have shown another folder).
    static std::optional<QString> load(const ProgramFolder& folder, const QString& name,
                                       QString* error = nullptr);
};
