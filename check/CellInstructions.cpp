// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellInstructions.h"

#include "Blanks.h"
#include "LadderToText.h"
#include "LineScanner.h"
#include "SourceReplacement.h"

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

std::vector<CellInstructions::Reading> CellInstructions::of(const QStringList& pieces,
                                                            const QStringList& psLines,
                                                            const QStringList& replaceLines) {
    // All pieces go through the replacements at once, each after a line end
    // as in the text.
    QString joined;
    for (const QString& piece : pieces)
        joined += CrLf + piece + End;
    const QString work =
        SourceReplacement::apply(LadderToText::replace(joined, psLines), replaceLines).work;
    std::vector<Reading> readings;
    readings.reserve(pieces.size());
    for (const QStringView segment : QStringView(work).split(End))
        if (readings.size() < size_t(pieces.size())) readings.push_back(read(segment));
    return readings;
}
