#include "SourceFile.h"

#include "LineReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QFileInfo>

QString SourceFile::lines(const QString& text) {
    QString source;
    source.reserve(text.size() + text.size() / 16);
    for (const QString& line : LineReader::lines(text))
        source.append(line).append(u"\r\n");
    return source;
}

std::optional<QString> SourceFile::load(const ProgramFolder& folder, const QString& name,
                                        QString* error) {
    const QString path = folder.path(QStringLiteral("plc\\") + name);
    const auto text = QFileInfo(path).isFile() ? TextFile::read(path) : std::nullopt;
    if (!text) {
        if (error) *error = QStringLiteral("%1 cannot be read from the plc folder").arg(name);
        return std::nullopt;
    }
    return lines(*text);
}

QString SourceFile::saveName(const QString& answer) {
    if (answer.contains(u".PLC") || answer.contains(u".plc")) return answer;
    return answer + QStringLiteral(".plc");
}

bool SourceFile::save(const QString& path, const QString& source, QString* error) {
    return TextFile::write(path, source + QStringLiteral("\r\n"), error);
}
