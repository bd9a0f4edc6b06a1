// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFile.h"

#include "ItemReader.h"
#include "LineReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString Offset = QStringLiteral("offset=");

bool wholeNumber(const QString& text, bool signedNumber) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,6}$"));
    static const QRegularExpression signedDigits(QStringLiteral("^-?\\d{1,6}$"));
    return (signedNumber ? signedDigits : digits).match(text).hasMatch();
}

} // namespace

QString TableFile::path(const ProgramFolder& folder, const QString& name) {
    return folder.path(QStringLiteral("TAB/") + name.trimmed() + QStringLiteral(".tab"));
}

std::optional<TableFile> TableFile::read(const QString& path, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    const QString name = QFileInfo(path).fileName();
    const std::optional<QString> text = TextFile::read(path);
    if (!text)
        return fail(QStringLiteral("The table %1 cannot be read: there is no such file in "
                                   "the TAB folder, or it may not be opened.")
                        .arg(name));
    const QStringList lines = LineReader::lines(*text);
    if (lines.isEmpty() || !lines[0].startsWith(Offset))
        return fail(QStringLiteral("%1, line 1: the table must begin with \"offset=\" and the "
                                   "offset.")
                        .arg(name));

    TableFile table;
    table.header_ = lines[0];
    const QString offset = lines[0].mid(7, 10).trimmed();
    table.offset_ = offset.toInt();
    if (!wholeNumber(offset, true) || table.offset_ < LowestOffset || table.offset_ > HighestOffset)
        return fail(QStringLiteral("%1, line 1: the offset must be a whole number from %2 to %3 "
                                   "(the addresses' high byte is the offset + 10), not \"%4\".")
                        .arg(name)
                        .arg(LowestOffset)
                        .arg(HighestOffset)
                        .arg(offset));

    for (qsizetype n = 1; n < lines.size(); ++n) {
        if (lines[n].trimmed().isEmpty()) continue;
        const QStringList items = ItemReader::items(lines[n]);
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QString item = items[i].trimmed();
            // A comma at the end of a line ends the item before it.
            if (item.isEmpty() && i == items.size() - 1 && i > 0) continue;
            const int value = item.toInt();
            if (!wholeNumber(item, false) || value > 255)
                return fail(QStringLiteral("%1, line %2: item %3 must be a whole number from 0 to "
                                           "255, not \"%4\".")
                                .arg(name)
                                .arg(n + 1)
                                .arg(table.items_.size())
                                .arg(item));
            if (table.items_.size() == MaxItems)
                return fail(QStringLiteral("%1, line %2: a table holds at most %3 items.")
                                .arg(name)
                                .arg(n + 1)
                                .arg(MaxItems));
            table.items_.push_back({item, quint8(value)});
        }
    }
    return table;
}
