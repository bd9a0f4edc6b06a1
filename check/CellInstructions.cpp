// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellInstructions.h"

#include "Blanks.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "LineScanner.h"
#include "SourceReplacement.h"

#include <QHash>

namespace {

const QString CrLf = QStringLiteral("\r\n");
// Ends each piece in the text that goes through the replacements: a
// character of the private use area, which neither list nor instruction
// text holds, so no replacement reaches across it.
constexpr QChar End = QChar(0xE000);

CellInstructions::Reading read(QStringView segment) {
    CellInstructions::Reading reading;
    if (!segment.startsWith(CrLf)) {
        const qsizetype end = segment.indexOf(CrLf);
        reading.glued = Blanks::trimmed(segment.left(end)).toString();
        segment = end < 0 ? QStringView() : segment.mid(end);
    }
    LineScanner scanner(segment);
    while (const auto line = scanner.next())
        reading.lines << line->toString();
    return reading;
}

} // namespace

CellInstructions CellInstructions::of(LadderMap map, const ElementCatalogue& catalogue,
                                      const QStringList& psLines, const QStringList& replaceLines) {
    CellInstructions result;
    // Line pieces, and elements with the same label, give the same piece:
    // each goes through once. A piece follows a line end in the text; the
    // replacements see it there, and a rung's first line behind the rung's "[".
    QHash<QString, int> known;
    QString pieces;
    for (LadderToText::Piece& piece : LadderToText::pieces(map, catalogue)) {
        if (piece.rungStart) piece.text.prepend(u'[');
        auto found = known.constFind(piece.text);
        if (found == known.constEnd()) {
            pieces += CrLf + piece.text + End;
            found = known.insert(piece.text, int(known.size()));
        }
        result.cells.push_back(
            {piece.page, piece.cell, map.cell(piece.page, piece.cell).D, *found});
    }
    const QString work =
        SourceReplacement::apply(LadderToText::replace(pieces, psLines), replaceLines).work;
    result.readings.reserve(known.size());
    for (const QStringView segment : QStringView(work).split(End))
        if (result.readings.size() < size_t(known.size())) result.readings.push_back(read(segment));
    return result;
}
