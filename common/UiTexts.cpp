// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTexts.h"

#include "LineReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QRegularExpression>

QString UiTexts::fileFor(const ProgramFolder& folder, bool english) {
    return folder.path(english ? QStringLiteral("fun_text1_en.txt")
                               : QStringLiteral("fun_text1.txt"));
}

UiTexts UiTexts::load(const QString& path) {
    const auto file = TextFile::read(path);
    return file ? parse(*file) : UiTexts();
}

UiTexts UiTexts::parse(const QString& text) {
    UiTexts texts;
    for (const QString& line : LineReader::lines(text)) {
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u'#') || equals <= 0) continue;
        texts.texts_.insert(
            line.left(equals).trimmed(),
            line.mid(equals + 1).trimmed().replace(QStringLiteral("\\n"), QStringLiteral("\n")));
    }
    return texts;
}

QString UiTexts::text(const QString& key, const QString& fallback) const {
    return texts_.value(key, fallback);
}

QString UiTexts::tip(const QString& window, const QString& control) const {
    const QString prefix = window + u'/';
    if (const auto exact = texts_.constFind(prefix + control); exact != texts_.constEnd())
        return *exact;
    static const QRegularExpression numbered(QStringLiteral("^(.*)\\((\\d+)\\)$"));
    const QRegularExpressionMatch match = numbered.match(control);
    if (!match.hasMatch()) return {};
    const QString row = texts_.value(prefix + match.captured(1) + QStringLiteral("(*)"));
    return row.contains(QStringLiteral("%1")) ? row.arg(match.captured(2).toInt() + 1) : row;
}
