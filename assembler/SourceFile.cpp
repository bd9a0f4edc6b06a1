// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceFile.h"

#include "LineReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include "TextCodec.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

QString SourceFile::lines(const QString& text) {
    QString source;
    source.reserve(text.size() + text.size() / 16);
    LineReader::forEach(text, [&source](QStringView line) { source.append(line).append(u"\r\n"); });
    return source;
}

QString SourceFile::tooLarge(const QString& name, qint64 size) {
    if (size <= MaxSize) return {};
    return QStringLiteral("%1 is larger than %2 MiB, more than any program can be; not assembled")
        .arg(name)
        .arg(MaxSize / (1024 * 1024));
}

// Read in pieces until the end or one byte past the bound: /dev/zero or an
// endless pipe is refused, not read into all of memory.
std::optional<QString> SourceFile::read(QIODevice& device, const QString& name, QString* error) {
    QByteArray bytes;
    for (QByteArray piece; bytes.size() <= MaxSize; bytes += piece) {
        piece = device.read(std::min<qint64>(1 << 20, MaxSize + 1 - bytes.size()));
        if (piece.isEmpty()) break;
    }
    const qint64 size = bytes.size();
    // The bytes go once decoded, the decoded text once its lines are taken.
    QString text = size > MaxSize ? QString() : TextCodec::decode(std::exchange(bytes, {}));
    // Every line end becomes CR LF, which may make the text longer still.
    text = lines(std::exchange(text, {}));
    if (const QString refusal = tooLarge(name, std::max<qint64>(size, text.size()));
        !refusal.isEmpty()) {
        if (error) *error = refusal;
        return std::nullopt;
    }
    return text;
}

std::optional<QString> SourceFile::load(const ProgramFolder& folder, const QString& name,
                                        QString* error) {
    QFile file(folder.path(QStringLiteral("plc\\") + name));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("%1 cannot be read from the plc folder").arg(name);
        return std::nullopt;
    }
    return read(file, name, error);
}

QString SourceFile::saveName(const QString& answer) {
    if (answer.contains(u".PLC") || answer.contains(u".plc")) return answer;
    return answer + QStringLiteral(".plc");
}

bool SourceFile::save(const QString& path, const QString& source, QString* error) {
    return TextFile::write(path, source + QStringLiteral("\r\n"), error);
}
