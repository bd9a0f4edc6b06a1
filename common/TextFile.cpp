// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include "TextCodec.h"

#include <QFile>
#include <QSaveFile>

std::optional<QString> TextFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return TextCodec::decode(file.readAll());
}

bool TextFile::write(const QString& path, const QString& text, QString* error) {
    return writeBytes(path, TextCodec::encode(text), error);
}

// A small file stays in the device's buffer until commit(), which renames
// the file over the old one even when that last write fails (a full disk):
// the explicit flush is where such a failure shows.
bool TextFile::writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                    file.flush() && file.commit();
    if (!ok && error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return ok;
}

bool TextFile::writeLines(const QString& path, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return write(path, text, error);
}
