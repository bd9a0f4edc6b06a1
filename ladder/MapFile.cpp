// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapFile.h"

#include "LadderMap.h"
#include "TextCodec.h"

#include <QIODevice>

namespace {

// A page or cell number as the writer puts it: decimal digits, blanks allowed
// around them; nothing else places a cell.
int number(QStringView text) {
    const QStringView digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9) return -1;
    int value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// The text between two positions, or nothing when they are in the wrong order.
bool between(QStringView line, qsizetype open, qsizetype openSize, qsizetype close,
             QStringView* out) {
    if (open < 0 || close < 0 || close < open + openSize) return false;
    *out = line.mid(open + openSize, close - open - openSize);
    return true;
}

} // namespace

bool MapFile::isBlank(int page, int cell, const LadderMap& map) {
    const CellRecord& r = map.cell(page, cell);
    const bool restEmpty =
        r.B.trimmed().isEmpty() && r.C.trimmed().isEmpty() && r.D.trimmed().isEmpty();
    const QString a = r.A.trimmed();
    return restEmpty && (a.isEmpty() || a == u"space.bmp");
}

QString MapFile::encodeTemplate(const QString& text) {
    return QString(text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("~"))
        .remove(u' ')
        .trimmed();
}

QString MapFile::decodeTemplate(QStringView text) {
    return text.toString().remove(QStringLiteral("~~")).replace(u'~', QStringLiteral("\r\n"));
}

CellRecord MapFile::written(const CellRecord& cell) {
    return {cell.A.trimmed(), cell.B.trimmed(), cell.C.trimmed(), encodeTemplate(cell.D)};
}

QString MapFile::line(int page, int cell, const LadderMap& map) {
    const CellRecord r = written(map.cell(page, cell));
    return QStringLiteral("(%1-%2)  A=%3 B=%4 C=%5 D=%6")
        .arg(page)
        .arg(cell)
        .arg(r.A, r.B, r.C, r.D);
}

QString MapFile::write(const LadderMap& map, int lastPage) {
    QString text;
    for (int page = 0; page <= lastPage && page < LadderMap::Pages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell)
            if (!isBlank(page, cell, map)) text += line(page, cell, map) + QStringLiteral("\r\n");
    return text;
}

bool MapFile::readLine(QStringView line, LadderMap& map) {
    const qsizetype open = line.indexOf(u'('), dash = line.indexOf(u'-'),
                    close = line.indexOf(u')');
    const qsizetype a = line.indexOf(u"A="), b = line.indexOf(u"B="), c = line.indexOf(u"C="),
                    d = line.indexOf(u"D=");
    QStringView pageText, cellText, aText, bText, cText;
    if (!between(line, open, 1, dash, &pageText) || !between(line, dash, 1, close, &cellText) ||
        !between(line, a, 2, b, &aText) || !between(line, b, 2, c, &bText) ||
        !between(line, c, 2, d, &cText))
        return false;
    const int page = number(pageText), cell = number(cellText);
    if (page < 0 || page >= LadderMap::Pages || cell < 0 || cell >= LadderMap::CellsPerPage)
        return false;
    map.cell(page, cell) = {aText.toString(), bText.toString(), cText.toString(),
                            decodeTemplate(line.mid(d + 2))};
    return true;
}

MapFile::ReadResult MapFile::read(QIODevice& file, LadderMap& map) {
    ReadResult result;
    int lineNumber = 0;
    const auto skip = [&] {
        ++result.skipped;
        if (result.firstSkipped.size() < SkippedLinesNamed) result.firstSkipped.append(lineNumber);
    };
    while (!file.atEnd()) {
        QByteArray bytes = file.readLine(MaxLineBytes + 3); // a line, CR LF and one byte more
        ++lineNumber;
        if (!bytes.endsWith('\n') && !file.atEnd()) {
            // Too long to be a cell: pass over the rest of it in pieces.
            while (!bytes.endsWith('\n') && !file.atEnd())
                bytes = file.readLine(MaxLineBytes);
            skip();
            continue;
        }
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        // A lone CR ends a line as well.
        const QList<QByteArray> pieces = bytes.split('\r');
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0) ++lineNumber;
            if (pieces[i].isEmpty()) continue;
            if (readLine(TextCodec::decode(pieces[i]), map))
                ++result.cells;
            else
                skip();
        }
    }
    return result;
}

QString MapFile::companionName(const QString& mapName) {
    return QString(mapName).replace(QStringLiteral(".MAP"), QStringLiteral(".CHR"),
                                    Qt::CaseInsensitive);
}
