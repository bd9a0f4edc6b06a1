// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceReplacement.h"

#include "Excerpt.h"
#include "LineReader.h"
#include "PlainReplace.h"
#include "ProgramFolder.h"
#include "SourceFile.h"
#include "TextFile.h"

namespace {

// An operand written "&H..." addresses memory without the offset of 32 that
// the plain forms add.
constexpr const char16_t* hexadecimalForms[][2] = {
    {u"PUSH,&", u"+PUSH,&"},     {u"POP,&", u"+POP,&"}, {u"SWAP,&", u"+SWAP,&"},
    {u"TRACER,&", u"+TRACER,&"}, {u"ANL,&", u"+ANL,&"}, {u"ORL,&", u"+ORL,&"},
    {u"XRL,&", u"+XRL,&"},
};

} // namespace

SourceReplacement::Result SourceReplacement::Rep_prs(const QString& source,
                                                     const ProgramFolder& folder) {
    const auto list = TextFile::read(folder.path(QStringLiteral("def\\Replace.def")));
    return apply(source, list ? LineReader::lines(*list) : QStringList{});
}

SourceReplacement::Result SourceReplacement::apply(const QString& source,
                                                   const QStringList& replaceLines) {
    Result result{source.toUpper(), {}, {}};
    for (const auto& [find, by] : hexadecimalForms)
        PlainReplace::all(result.work, find, by);

    for (qsizetype n = 0; n < replaceLines.size(); ++n) {
        const QString& line = replaceLines[n];
        if (line.trimmed().isEmpty()) continue;
        const qsizetype open = line.indexOf(u'[');
        const qsizetype close = open < 0 ? -1 : line.indexOf(u']', open + 1);
        // A line without "[...]" is passed over whole rather than run with
        // half of the line before it.
        if (close < 0) {
            result.skipped.append(QStringLiteral("line %1: %2").arg(n + 1).arg(Excerpt::of(line)));
            continue;
        }
        const QString find = line.left(open).trimmed().toUpper();
        const QString by = line.mid(open + 1, close - open - 1).trimmed().toUpper();
        // Each line works on what the lines before it made; a list whose
        // replacements feed each other would grow the text without end.
        if (!PlainReplace::all(result.work, find, by, SourceFile::MaxSize)) {
            result.refusal =
                QStringLiteral("Line %1 of the replacement list makes the source larger "
                               "than %2 MiB; not assembled")
                    .arg(n + 1)
                    .arg(SourceFile::MaxSize / (1024 * 1024));
            return result;
        }
    }
    return result;
}
