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
    QSaveFile file(path);
    const QByteArray bytes = TextCodec::encode(text);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return ok;
}

bool TextFile::writeLines(const QString& path, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return write(path, text, error);
}
