// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineReader.h"

QStringList LineReader::lines(const QString& text) {
    QStringList out;
    forEach(text, [&out](QStringView line) { out.append(line.toString()); });
    return out;
}

void LineReader::forEach(QStringView text, const std::function<void(QStringView line)>& take) {
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        take(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) take(text.mid(start));
}
