// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrossReference.h"

#include "LadderMap.h"
#include "NumericText.h"

#include <QMap>
#include <QRegularExpression>

#include <tuple>

namespace {

// The number a label part stands for when it is a decimal or "&H" number
// and nothing else; -1 otherwise.
int wholeNumber(const QString& part) {
    static const QRegularExpression number(QStringLiteral("^(\\d{1,6}|&[Hh][0-9A-Fa-f]{1,5})$"));
    const QString text = part.trimmed();
    return number.match(text).hasMatch() ? static_cast<int>(NumericText::value(text)) : -1;
}

QString elementWord(const QString& bitmapName) {
    QString word = bitmapName.trimmed();
    if (word.endsWith(u".bmp", Qt::CaseInsensitive)) word.chop(4);
    return word;
}

void addUse(CrossReference::Entry& entry, const QString& bitmapName, CrossReference::Use use) {
    const QString word = elementWord(bitmapName);
    if (!word.isEmpty() && !entry.elements.contains(word)) entry.elements << word;
    if (!entry.uses.contains(use)) entry.uses << use;
}

QString usesText(const QList<CrossReference::Use>& uses) {
    QStringList pages;
    for (qsizetype i = 0; i < uses.size();) {
        const int page = uses[i].page;
        QStringList rows;
        for (; i < uses.size() && uses[i].page == page; ++i)
            rows << QString::number(uses[i].row);
        pages << QStringLiteral("page %1 %2 %3")
                     .arg(page)
                     .arg(rows.size() == 1 ? QStringLiteral("row") : QStringLiteral("rows"),
                          rows.join(QStringLiteral(", ")));
    }
    return pages.join(QStringLiteral("; "));
}

} // namespace

bool CrossReference::takesRegisterBit(const QString& bitmapName) {
    static const QStringList words{
        QStringLiteral("no"),    QStringLiteral("nc"),    QStringLiteral("out"),
        QStringLiteral("nout"),  QStringLiteral("orm"),   QStringLiteral("outm"),
        QStringLiteral("mem_s"), QStringLiteral("mem_c"), QStringLiteral("pos_s")};
    return words.contains(elementWord(bitmapName), Qt::CaseInsensitive);
}

QList<CrossReference::Group> CrossReference::build(const LadderMap& map, int pages) {
    QMap<std::tuple<int, int>, Entry> bits; // (register, bit)
    QMap<QString, Entry> others;
    for (int page = 0; page < pages && page < LadderMap::Pages; ++page) {
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
            const CellRecord& record = map.cell(page, cell);
            const QString label = record.B.trimmed();
            if (label.isEmpty()) continue;
            const Use use{page + 1, LadderMap::Rows * page + LadderMap::rowOf(cell) + 1};
            const QStringList parts = label.split(u',');
            const int reg = parts.size() == 2 ? wholeNumber(parts[0]) : -1;
            const int bit = parts.size() == 2 ? wholeNumber(parts[1]) : -1;
            if (takesRegisterBit(record.A) && reg >= 0 && bit >= 0) {
                Entry& entry = bits[{reg, bit}];
                entry.label = QStringLiteral("%1,%2").arg(reg).arg(bit);
                addUse(entry, record.A, use);
            } else {
                Entry& entry = others[label];
                entry.label = label;
                addUse(entry, record.A, use);
            }
        }
    }

    QList<Group> groups;
    for (auto it = bits.cbegin(); it != bits.cend(); ++it) {
        const QString title = QStringLiteral("Register %1").arg(std::get<0>(it.key()));
        if (groups.isEmpty() || groups.last().title != title) groups << Group{title, {}};
        groups.last().entries << it.value();
    }
    if (!others.isEmpty()) groups << Group{QStringLiteral("Other operands"), others.values()};
    return groups;
}

QString CrossReference::line(const Entry& entry) {
    return QStringLiteral("%1    %2    %3")
        .arg(entry.label, entry.elements.join(QStringLiteral(" ")), usesText(entry.uses));
}
