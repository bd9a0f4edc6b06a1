// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Whole-file text reads and writes. Reads decode with TextCodec; writes end
// every line with CR LF and are atomic: a failed write leaves the previous
// file whole.
class TextFile {
public:
    static std::optional<QString> read(const QString& path);
    // On failure returns false and, when error is given, a sentence saying why.
    static bool write(const QString& path, const QString& text, QString* error = nullptr);
    static bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);
    // The bytes as they are, atomically: true only once every byte is on
    // the disk under path.
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};
