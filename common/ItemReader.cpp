// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemReader.h"

#include "LineReader.h"

QStringList ItemReader::items(const QString& text) {
    QStringList out;
    for (const QString& line : LineReader::lines(text))
        splitLine(line, out);
    return out;
}

void ItemReader::splitLine(const QString& line, QStringList& out) {
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && (line[i] == u' ' || line[i] == u'\t'))
            ++i;
        qsizetype end;
        if (i < n && line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            const qsizetype stop = close < 0 ? n : close;
            out.append(line.mid(i + 1, stop - i - 1));
            // Whatever follows the closing quote up to the comma is dropped.
            end = close < 0 ? n : line.indexOf(u',', close);
            if (end < 0) end = n;
        } else {
            end = line.indexOf(u',', i);
            if (end < 0) end = n;
            out.append(line.mid(i, end - i));
        }
        if (end >= n) return;
        i = end + 1;
    }
}
