// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramMap.h"

#include "CodeImage.h"
#include "MacroBlocks.h"

namespace {

// The block a run starts, as the map has always shown it: decimal after
// "&H", with a blank before it.
QString blockLabel(int start) {
    if (start == 0) return QStringLiteral("  [ Main PRG. ]");
    const int linked = start + MacroBlocks::LinkOffset - 0x1000;
    const QString number =
        linked % 16 == 0 ? QString::number(linked / 16) : QString::number(linked / 16.0);
    return QStringLiteral("  [ Macro&H") + (linked < 0 ? QString() : QStringLiteral(" ")) + number +
           QStringLiteral(" ]");
}

QString runLine(int start, int end) {
    return CodeImage::hex4(start) + QStringLiteral(" -- ") + CodeImage::hex4(end) +
           QStringLiteral(" = ") + QStringLiteral("%1").arg(end - start, 4, 10, QLatin1Char('0')) +
           blockLabel(start) + QStringLiteral("\r\n");
}

} // namespace

QString ProgramMap::text(const QString& imageText) {
    return imageText + QStringLiteral("\r\n    ---------- PG map --------\r\n") + runs(imageText);
}

QString ProgramMap::runs(const QString& imageText) {
    QString lines;
    int start = -1, last = -1;
    for (const CodeImage::Record& record : CodeImage::records(imageText)) {
        if (start >= 0 && record.address == last + 2) {
            last = record.address;
            continue;
        }
        if (start >= 0) lines += runLine(start, last);
        start = last = record.address;
    }
    if (start >= 0) lines += runLine(start, last);
    return lines;
}
