// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderToText.h"

#include "Blanks.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "LineReader.h"
#include "NumericText.h"
#include "PlainReplace.h"
#include "ProgramFolder.h"
#include "TemplateText.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

const QString& CrLf = TemplateText::CrLf;
const QString& Indent = TemplateText::Indent;
const QString Empty;

QString decimal(double value) {
    return value == std::floor(value) && std::abs(value) < 1e15 ? QString::number(qint64(value))
                                                                : QString::number(value);
}

} // namespace

LadderToText::LadderToText(LadderMap& map, const ElementCatalogue& catalogue)
    : map_(map), catalogue_(catalogue), templates_(Cells), labels_(Cells), marks_(Cells) {}

const QString& LadderToText::templateAt(int i) const {
    return i >= 0 && i < Cells ? templates_[i] : Empty;
}
const QString& LadderToText::labelAt(int i) const {
    return i >= 0 && i < Cells ? labels_[i] : Empty;
}
const QString& LadderToText::markAt(int i) const {
    return i >= 0 && i < Cells ? marks_[i] : Empty;
}

void LadderToText::assignTemplates() {
    for (int page = 0; page < ConvertedPages; ++page)
        catalogue_.refreshTemplates(map_, page, ElementCatalogue::LastConvertedSlot);
}

void LadderToText::copyLinear() {
    for (int page = 0; page < ConvertedPages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
            const CellRecord& record = map_.cell(page, cell);
            const int i = page * LadderMap::CellsPerPage + cell;
            templates_[i] = record.D;
            labels_[i] = record.B;
            marks_[i] = record.C;
        }
}

QString LadderToText::expand(int i) {
    const QString& label = labelAt(i);
    // Each step flattens what the step before it left and replaces its
    // marker; a step whose marker is absent only flattens, which the next
    // step (or the last flatten) does anyway. One buffer serves all steps.
    QString t = templates_[i];
    t.reserve(t.size() + 4 * (label.size() + 16));
    TemplateText::flattenInPlace(t);
    if (TemplateText::has(t, u"@"))
        TemplateText::putInPlace(t, u"@", Blanks::trimmed(QStringView(label)));
    const qsizetype comma = label.indexOf(u',');
    const bool hash = TemplateText::has(t, u"#");
    if (comma >= 0 && hash) {
        const QStringView first = Blanks::trimmed(QStringView(label).left(comma));
        if (TemplateText::has(t, u"#1")) {
            TemplateText::flattenInPlace(t);
            TemplateText::putInPlace(t, u"#1", first);
        }
        if (TemplateText::has(t, u"#+1")) {
            TemplateText::flattenInPlace(t);
            TemplateText::putInPlace(t, u"#+1", decimal(NumericText::value(first) + 1));
        }
    }
    TemplateText::flattenInPlace(t);
    if (hash)
        TemplateText::putInPlace(t, u"#2", Blanks::trimmed(QStringView(label).mid(comma + 1, 6)));
    templates_[i] = t;
    return t;
}

void LadderToText::endRung(int& i) {
    constexpr int Row = LadderMap::Columns; // the cells of the pages are one list here
    if (i % Row == 0) out_ += CrLf;
    i = ((i + extraRows_) / Row + 1) * Row - 1;
    extraRows_ = 0;
    series_ = 0;
    out_ += QStringLiteral("' ") + QString::number(i / Row + 2) + CrLf + u'[';
}

void LadderToText::keepPiece(int i, qsizetype from) {
    if (!pieces_) return;
    pieces_->push_back({i / LadderMap::CellsPerPage, i % LadderMap::CellsPerPage, out_.mid(from),
                        from > 0 && out_[from - 1] == u'['});
}

void LadderToText::writeElement(int i) {
    const QString& t = templates_[i];
    const qsizetype from = out_.size();
    out_ += Indent;
    if (series_ != 0) out_ += QStringLiteral("AND,");
    const bool hash = TemplateText::has(t, u"#"); // the cheap test first
    const bool plain =
        !TemplateText::has(t, u"@") && !(hash && (series_ == 0 || TemplateText::has(t, u"#1")));
    if (plain) {
        out_ += TemplateText::flatten(t);
        out_ += TemplateText::flatten(labelAt(i));
        series_ = 1;
    } else {
        out_ += expand(i);
    }
    out_ += CrLf;
    keepPiece(i, from);
}

// An "OR" cell above an "OR" cell opens parallel contacts, above a "BR" cell
// parallel outputs; each branch row's "^" cell is written here, and the
// rows a branch takes are passed over when the rung ends.
void LadderToText::writeBranchGroup(int i) {
    constexpr int Row = LadderMap::Columns;
    const QString below = TemplateText::flatten(templateAt(i + Row));
    const bool orGroup = below == u"OR";
    if (!orGroup && below != u"BR") return;
    for (int r = 0; r <= 10; ++r) {
        // Parallel contacts: the rightmost "^" three to ten cells to the right;
        // parallel outputs: the first one to nine cells right on the row below.
        int junction = -1;
        if (orGroup) {
            for (int c = Row - 1; c >= 3 && junction < 0; --c)
                if (templateAt(i + Row * r + c).contains(u'^')) junction = i + Row * r + c;
        } else {
            for (int c = Row + 1; c <= 2 * Row - 2 && junction < 0; ++c)
                if (templateAt(i + Row * r + c).contains(u'^')) junction = i + Row * r + c;
        }
        if (junction >= 0) {
            if (!templateAt(junction).isEmpty() || !labelAt(junction).isEmpty()) {
                const qsizetype from = out_.size();
                out_ += Indent + (orGroup ? QStringLiteral("OR,") : QString()) +
                        TemplateText::flatten(templateAt(junction)) +
                        TemplateText::flatten(labelAt(junction)) + CrLf;
                keepPiece(junction, from);
            }
            if (orGroup) extraRows_ += Row;
        }
        if (Blanks::trimmed(markAt(i + Row * (r + 1))) != u"0") return;
    }
}

QString LadderToText::scan(int pagesInUse) {
    out_ = CrLf + CrLf + CrLf;
    out_.reserve(64 * LadderMap::CellsPerPage * ConvertedPages);
    series_ = extraRows_ = 0;
    const int last = std::min(pagesInUse, ConvertedPages) * LadderMap::CellsPerPage - 1;
    for (int i = 0; i <= last; ++i) {
        const QString& t = templateAt(i);
        if (Blanks::isBlank(t))
            endRung(i);
        else if (TemplateText::isOr(t))
            writeBranchGroup(i);
        else if (!t.contains(u'^'))
            writeElement(i);
        const QString& now = templateAt(i);
        if (TemplateText::has(now, u"*") &&
            (TemplateText::has(now, u"*END") || TemplateText::has(now, u"*end")))
            break;
    }
    return out_;
}

QString LadderToText::replace(QString text, const QStringList& userLines) {
    for (const QString& line : userLines) {
        if (Blanks::trimmed(line).isEmpty()) continue;
        const qsizetype open = line.indexOf(u'['), close = line.indexOf(u']');
        const QString find = Blanks::trimmed(line.left(open));
        if (open < 0 || close < open || find.isEmpty()) continue;
        PlainReplace::all(text, find, QStringView(line).mid(open + 1, close - open - 1));
    }
    static const std::pair<QString, QString> fixed[] = {
        {" > >", ">"},
        {"OUT,@ >", ""},
        {"[" + Indent + "Y", Indent + "IN,OUT"},
        {"[" + Indent + "/Y", Indent + "/IN,OUT"},
        {"[", ""},
        {"~", CrLf},
        {"AND,<", "AND,"},
        {"<", QString(10, u' ')},
        {">", CrLf},
        {"AND,*", " "},
        {"*", QString(10, u' ')},
        {"AND,/", "/AND,"},
        {"AND," + CrLf, ""},
        {"AND, " + CrLf, ""},
        {"OR,/", "/OR,"},
        {"X", "IN"},
        {"YI", "IN,OUT"},
        {"Y", "OUT"},
        {"SOUTS", "SYS"},
        {"INW", "XW"},
        {"OUT,OUT", "OUT"},
        {"OUTOUT", "OUT"},
        {"OUT,@", ""},
        {",@", ","},
        {"OUT,M", "MEMO"},
        {"INRL", "XRL"},
        {"INOR", "XOR"},
        {CrLf + Indent + "%", ""},
    };
    for (const auto& [find, by] : fixed)
        PlainReplace::all(text, find, by);
    return text;
}

QString LadderToText::outputName(const QString& mapName) {
    if (mapName.isEmpty()) return QStringLiteral("REG.hrim");
    const qsizetype dot = mapName.indexOf(u'.');
    return (dot < 0 ? QString() : mapName.left(dot + 1)) + QStringLiteral("hrim");
}

std::vector<LadderToText::Piece> LadderToText::pieces(LadderMap& map,
                                                      const ElementCatalogue& catalogue) {
    std::vector<Piece> pieces;
    LadderToText converter(map, catalogue);
    converter.pieces_ = &pieces;
    converter.assignTemplates();
    converter.copyLinear();
    converter.scan(map.pagesInUse());
    return pieces;
}

LadderToText::Result LadderToText::text_prs(LadderMap& map, const ElementCatalogue& catalogue,
                                            const QString& mapName, const ProgramFolder& folder) {
    LadderToText converter(map, catalogue);
    converter.assignTemplates();
    converter.copyLinear();
    const QString generated = converter.scan(map.pagesInUse());
    const auto userLines = TextFile::read(folder.path(QStringLiteral("def\\ps.def")));
    Result result;
    result.text = replace(generated, userLines ? LineReader::lines(*userLines) : QStringList());
    result.file = folder.path(QStringLiteral("plc\\") + outputName(mapName));
    QDir().mkpath(QFileInfo(result.file).path());
    result.saved = TextFile::write(result.file, result.text + CrLf, &result.error);
    return result;
}
