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

LadderToText::LadderToText(const LadderMap& map, const ElementCatalogue& catalogue)
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

// An element gets the template of its slot in the first four palette groups;
// a cell without one keeps the template it has. Each bitmap is looked up once.
const QString& LadderToText::assigned(const CellRecord& record) const {
    auto found = slots_.find(record.A);
    if (found == slots_.end())
        found = slots_
                    .emplace(record.A,
                             catalogue_.templateSlot(record.A, ElementCatalogue::LastConvertedSlot))
                    .first;
    return found->second >= 0 ? catalogue_.templateOf(found->second) : record.D;
}

void LadderToText::copyLinear(LadderMap* assignTo) {
    for (int page = 0; page < ConvertedPages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
            const CellRecord& record = map_.cell(page, cell);
            const int i = page * LadderMap::CellsPerPage + cell;
            templates_[i] = assigned(record);
            labels_[i] = record.B;
            marks_[i] = record.C;
            if (assignTo) assignTo->cell(page, cell).D = templates_[i];
        }
}

bool LadderToText::isConnection(const QString& templateText) {
    const QString flat = TemplateText::flatten(templateText);
    return flat.isEmpty() || flat == u"%" || flat == u"OR" || flat == u"BR";
}

QString LadderToText::expand(int i) const {
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
        TemplateText::putInPlace(
            t, u"#2", Blanks::trimmed(QStringView(label).mid(comma + 1, SecondFieldLength)));
    return t;
}

size_t qHash(const LadderToText::LineKey& key, size_t seed) {
    return TemplateText::hash(key.label, TemplateText::hash(key.templateText, seed)) ^
           size_t(key.form);
}

// The same template with the same label at the same place in a rung gives
// the same line: each is made once.
const LadderToText::Line& LadderToText::lineOf(int i, Joint joint, bool junction) {
    const bool rungStart = walk_ && rungOpen_;
    const LineKey key{templates_[i], labels_[i], int(joint) + 3 * junction + 6 * rungStart};
    if (const auto found = lines_.constFind(key); found != lines_.constEnd()) return *found;
    static const QString joints[] = {QString(), QStringLiteral("AND,"), QStringLiteral("OR,")};
    const QString& t = templates_[i];
    const bool hash = TemplateText::has(t, u"#"); // the cheap test first
    // An element with "@", or with "#" at a rung's start or "#1", takes its label into
    // the template; the others are written as template and label.
    Line line;
    line.labelPlaced =
        !junction && (TemplateText::has(t, u"@") ||
                      (hash && (joint == Joint::None || TemplateText::has(t, u"#1"))));
    if (line.labelPlaced) line.expanded = expand(i);
    line.text = (rungStart ? QStringLiteral("[") : QString()) + Indent + joints[int(joint)] +
                (line.labelPlaced ? line.expanded
                                  : TemplateText::flatten(t) + TemplateText::flatten(labels_[i])) +
                CrLf;
    if (walk_) {
        line.id = int(walk_->texts.size());
        walk_->texts.append(line.text);
    }
    return *lines_.insert(key, line);
}

void LadderToText::put(int i, const Line& line) {
    if (!walk_) {
        out_ += line.text;
        return;
    }
    walk_->pieces.push_back({i / LadderMap::CellsPerPage, i % LadderMap::CellsPerPage,
                             templates_[i], line.labelPlaced, line.id});
    written_[i] = true;
    rungOpen_ = false;
}

void LadderToText::endRung(int& i) {
    constexpr int Row = LadderMap::Columns; // the cells of the pages are one list here
    const int blank = i;
    if (i % Row == 0 && !walk_) out_ += CrLf;
    i = ((i + extraRows_) / Row + 1) * Row - 1;
    extraRows_ = 0;
    series_ = 0;
    if (!walk_) out_ += QStringLiteral("' ") + QString::number(i / Row + 2) + CrLf + u'[';
    rungOpen_ = true;
    const int rowEnd = (blank / Row + 1) * Row - 1;
    passOver(blank + 1, rowEnd, Skipped::Why::AfterEmptyCell, blank);
    passOver(rowEnd + 1, i, Skipped::Why::InBranchRows, blank);
}

void LadderToText::writeElement(int i) {
    const Line& line = lineOf(i, series_ != 0 ? Joint::And : Joint::None, false);
    if (!line.labelPlaced) series_ = 1;
    put(i, line);
    // The template with the label put in takes the template's place.
    if (line.labelPlaced) templates_[i] = line.expanded;
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
            if (!templateAt(junction).isEmpty() || !labelAt(junction).isEmpty())
                put(junction, lineOf(junction, orGroup ? Joint::Or : Joint::None, true));
            if (orGroup) extraRows_ += Row;
        }
        if (Blanks::trimmed(markAt(i + Row * (r + 1))) != u"0") return;
    }
}

QString LadderToText::scan(int pagesInUse) {
    out_ = CrLf + CrLf + CrLf;
    if (!walk_) out_.reserve(64 * LadderMap::CellsPerPage * ConvertedPages);
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
        if (TemplateText::endsConversion(templateAt(i))) {
            passOver(i + 1, last, Skipped::Why::AfterEnd, i);
            break;
        }
    }
    passOver(last + 1, LadderMap::Pages * LadderMap::CellsPerPage - 1,
             Skipped::Why::PageNotConverted, last + 1);
    return out_;
}

void LadderToText::passOver(int from, int to, Skipped::Why why, int because) {
    if (!walk_) return;
    constexpr int Page = LadderMap::CellsPerPage;
    for (int k = from; k <= to && k < LadderMap::Pages * Page; ++k) {
        if (k < Cells && written_[k]) continue;
        const QString& t = k < Cells ? templates_[k] : assigned(map_.cell(k / Page, k % Page));
        if (!isConnection(t))
            walk_->skipped.push_back({k / Page, k % Page, why, because / Page, because % Page});
    }
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

LadderToText::Walk LadderToText::walk(const LadderMap& map, const ElementCatalogue& catalogue) {
    Walk walk;
    LadderToText converter(map, catalogue);
    converter.walk_ = &walk;
    walk.pieces.reserve(Cells);
    converter.written_.assign(Cells, false);
    converter.copyLinear(nullptr);
    converter.scan(map.pagesInUse());
    return walk;
}

LadderToText::Result LadderToText::text_prs(LadderMap& map, const ElementCatalogue& catalogue,
                                            const QString& mapName, const ProgramFolder& folder) {
    LadderToText converter(map, catalogue);
    converter.copyLinear(&map);
    const QString generated = converter.scan(map.pagesInUse());
    const auto userLines = TextFile::read(folder.path(QStringLiteral("def\\ps.def")));
    Result result;
    result.text = replace(generated, userLines ? LineReader::lines(*userLines) : QStringList());
    result.file = folder.path(QStringLiteral("plc\\") + outputName(mapName));
    QDir().mkpath(QFileInfo(result.file).path());
    result.saved = TextFile::write(result.file, result.text + CrLf, &result.error);
    return result;
}
