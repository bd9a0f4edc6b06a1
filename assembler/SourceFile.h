// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class ProgramFolder;
class QIODevice;

// Source files as the assembler's source box takes them: every line,
// whatever ended it, followed by CR LF. The box loads them from plc.
class SourceFile {
public:
    // No program is larger: the controller's memory ends at 0x7FFF, so a
    // program has at most 32,768 one-byte instructions, and with a comment
    // line after every rung at most 65,536 lines; at 128 characters a line
    // (the conversion writes under 40) that is 8 MiB. Twice that is refused.
    static constexpr qint64 MaxSize = 16 * 1024 * 1024;

    static QString lines(const QString& text);
    // The source an open device holds (a file, stdin), read up to MaxSize
    // and no further; nothing, and error saying why, when it is larger or
    // cannot be read.
    static std::optional<QString> read(QIODevice& device, const QString& name,
                                       QString* error = nullptr);
    // Why a source of `size` characters is refused; empty when it is not.
    static QString tooLarge(const QString& name, qint64 size);
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
