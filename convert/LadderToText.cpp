#include "LadderToText.h"

#include "Blanks.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "LineReader.h"
#include "NumericText.h"
#include "PlainReplace.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Indent = QString(12, u' ');
const QString Empty;

// A template's few characters are searched directly: Qt's vectorised
// search costs more to set up than such a text takes to walk.
qsizetype find(QStringView text, QStringView needle, qsizetype from = 0) {
    if (text.size() > 256) return text.indexOf(needle, from);
    const qsizetype last = text.size() - needle.size();
    for (qsizetype at = from; at <= last; ++at)
        if (text[at] == needle[0] && text.mid(at, needle.size()) == needle) return at;
    return -1;
}

bool has(QStringView text, QStringView needle) {
    return find(text, needle) >= 0;
}

// A template without its line ends, trimmed.
QString flatten(const QString& text) {
    if (!has(text, CrLf)) return Blanks::trimmed(text);
    const QStringView view(text);
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = find(view, CrLf); at >= 0; at = find(view, CrLf, from)) {
        out.append(view.mid(from, at - from));
        from = at + 2;
    }
    out.append(view.mid(from));
    return Blanks::trimmed(out);
}

// Whether a template flattens to "OR", without building the flattened text.
bool isOr(QStringView text) {
    int letters = 0;
    for (QChar c : text)
        if (c != u' ' && c != u'\r' && c != u'\n' && ++letters > 2) return false;
    return letters == 2 && flatten(text.toString()) == u"OR";
}

// flatten() on a buffer of its own, without a new allocation.
void flattenInPlace(QString& text) {
    for (qsizetype at = find(text, CrLf); at >= 0; at = find(text, CrLf, at))
        text.remove(at, 2);
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    text.remove(0, start);
}

// Every marker becomes the value followed by a line break and an indent.
void putInPlace(QString& text, QStringView marker, QStringView value) {
    for (qsizetype at = find(text, marker); at >= 0; at = find(text, marker, at)) {
        text.replace(at, marker.size(), value.data(), value.size());
        at += value.size();
        text.insert(at, CrLf + Indent);
        at += 2 + Indent.size();
    }
}

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
    flattenInPlace(t);
    if (has(t, u"@")) putInPlace(t, u"@", Blanks::trimmed(QStringView(label)));
    const qsizetype comma = label.indexOf(u',');
    const bool hash = has(t, u"#");
    if (comma >= 0 && hash) {
        const QStringView first = Blanks::trimmed(QStringView(label).left(comma));
        if (has(t, u"#1")) {
            flattenInPlace(t);
            putInPlace(t, u"#1", first);
        }
        if (has(t, u"#+1")) {
            flattenInPlace(t);
            putInPlace(t, u"#+1", decimal(NumericText::value(first) + 1));
        }
    }
    flattenInPlace(t);
    if (hash) putInPlace(t, u"#2", Blanks::trimmed(QStringView(label).mid(comma + 1, 6)));
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

void LadderToText::writeElement(int i) {
    const QString& t = templates_[i];
    out_ += Indent;
    if (series_ != 0) out_ += QStringLiteral("AND,");
    const bool hash = has(t, u"#"); // the cheap test first
    const bool plain = !has(t, u"@") && !(hash && (series_ == 0 || has(t, u"#1")));
    if (plain) {
        out_ += flatten(t);
        out_ += flatten(labelAt(i));
        series_ = 1;
    } else {
        out_ += expand(i);
    }
    out_ += CrLf;
}

// An "OR" cell above an "OR" cell opens parallel contacts, above a "BR" cell
// parallel outputs; each branch row's "^" cell is written here, and the
// rows a branch takes are passed over when the rung ends.
void LadderToText::writeBranchGroup(int i) {
    constexpr int Row = LadderMap::Columns;
    const QString below = flatten(templateAt(i + Row));
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
                out_ += Indent + (orGroup ? QStringLiteral("OR,") : QString()) +
                        flatten(templateAt(junction)) + flatten(labelAt(junction)) + CrLf;
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
        else if (isOr(t))
            writeBranchGroup(i);
        else if (!t.contains(u'^'))
            writeElement(i);
        const QString& now = templateAt(i);
        if (has(now, u"*") && (has(now, u"*END") || has(now, u"*end"))) break;
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
