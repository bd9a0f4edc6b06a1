// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A small RFC 4180 reader for tests that read back what was recorded: quoted
// fields may hold commas, line ends and doubled quotes; rows end in CR LF or LF.
class CsvText {
public:
    static QList<QStringList> rows(const QString& text) {
        QList<QStringList> rows;
        QStringList row;
        QString field;
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (quoted && c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = !quoted;
            } else if (!quoted && c == u',') {
                row << field;
                field.clear();
            } else if (!quoted && c == u'\n') {
                rows << (row << field);
                row.clear();
                field.clear();
            } else if (quoted || c != u'\r') {
                field += c;
            }
        }
        return rows;
    }
};
