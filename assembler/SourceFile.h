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

    // The file name "Save" makes of a typed answer: ".plc" is added unless
    // the answer holds ".PLC" or ".plc" anywhere.
    static QString saveName(const QString& answer);
    // The source text and one CR LF, written atomically: a failed write
    // leaves the previous file whole and says why in error.
    static bool save(const QString& path, const QString& source, QString* error = nullptr);
};
