#include "LadderToText.h"

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

// Trim removes blanks only, never line ends.
QString trimBlanks(const QString& text) {
    qsizetype start = 0, end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return start == 0 && end == text.size() ? text : text.mid(start, end - start);
}

bool isBlank(QStringView text) {
    for (QChar c : text)
        if (c != u' ') return false;
    return true;
}

// A template without its line ends, trimmed.
QString flatten(const QString& text) {
    if (!text.contains(u'\r')) return trimBlanks(text);
    const QStringView view(text);
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = view.indexOf(CrLf); at >= 0; at = view.indexOf(CrLf, from)) {
        out.append(view.mid(from, at - from));
        from = at + 2;
    }
    out.append(view.mid(from));
    return trimBlanks(out);
}

// Whether a template flattens to "OR", without building the flattened text.
bool isOr(QStringView text) {
    int letters = 0;
    for (QChar c : text)
        if (c != u' ' && c != u'\r' && c != u'\n' && ++letters > 2) return false;
    return letters == 2 && flatten(text.toString()) == u"OR";
}

// Flattens, then replaces a marker.
QString flattenAndPut(const QString& text, QStringView marker, const QString& by) {
    QString t = flatten(text);
    PlainReplace::all(t, marker, by);
    return t;
}

QString cleanLabel(const QString& label) {
    return flatten(label);
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
    const QString label = labelAt(i);
    static const QString next = CrLf + Indent;
    // Each step flattens what the step before it left and replaces its
    // marker; a step whose marker is absent only flattens, which the next
    // step (or the last flatten) does anyway.
    QString t = flatten(templates_[i]);
    if (t.contains(u'@')) PlainReplace::all(t, u"@", trimBlanks(label) + next);
    const qsizetype comma = label.indexOf(u',');
    const bool hash = t.contains(u'#');
    if (comma >= 0 && hash) {
        const QString first = trimBlanks(label.left(comma));
        if (t.contains(u"#1")) t = flattenAndPut(t, u"#1", first + next);
        if (t.contains(u"#+1"))
            t = flattenAndPut(t, u"#+1", decimal(NumericText::value(first) + 1) + next);
    }
    t = hash ? flattenAndPut(t, u"#2", trimBlanks(label.mid(comma + 1, 6)) + next) : flatten(t);
    templates_[i] = t;
    return t;
}

void LadderToText::endRung(int& i) {
    if (i % 11 == 0) out_ += CrLf;
    i = ((i + extraRows_) / 11 + 1) * 11 - 1;
    extraRows_ = 0;
    series_ = 0;
    out_ += QStringLiteral("' ") + QString::number(i / 11 + 2) + CrLf + u'[';
}

void LadderToText::writeElement(int i) {
    const QString& t = templates_[i];
    out_ += Indent;
    if (series_ != 0) out_ += QStringLiteral("AND,");
    const bool hash = t.contains(u'#'); // the cheap test first
    const bool plain = !t.contains(u'@') && !(hash && (series_ == 0 || t.contains(u"#1")));
    if (plain) {
        out_ += flatten(t);
        out_ += cleanLabel(labelAt(i));
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
    const QString below = flatten(templateAt(i + 11));
    const bool orGroup = below == u"OR";
    if (!orGroup && below != u"BR") return;
    for (int r = 0; r <= 10; ++r) {
        int junction = -1;
        if (orGroup) {
            for (int c = 10; c >= 3 && junction < 0; --c)
                if (templateAt(i + 11 * r + c).contains(u'^')) junction = i + 11 * r + c;
        } else {
            for (int c = 12; c <= 20 && junction < 0; ++c)
                if (templateAt(i + 11 * r + c).contains(u'^')) junction = i + 11 * r + c;
        }
        if (junction >= 0) {
            if (!templateAt(junction).isEmpty() || !labelAt(junction).isEmpty())
                out_ += Indent + (orGroup ? QStringLiteral("OR,") : QString()) +
                        flatten(templateAt(junction)) + cleanLabel(labelAt(junction)) + CrLf;
            if (orGroup) extraRows_ += 11;
        }
        if (trimBlanks(markAt(i + 11 * (r + 1))) != u"0") return;
    }
}

QString LadderToText::scan(int pagesInUse) {
    out_ = CrLf + CrLf + CrLf;
    out_.reserve(64 * LadderMap::CellsPerPage * ConvertedPages);
    series_ = extraRows_ = 0;
    const int last = std::min(pagesInUse, ConvertedPages) * LadderMap::CellsPerPage - 1;
    for (int i = 0; i <= last; ++i) {
        const QString& t = templateAt(i);
        if (isBlank(t))
            endRung(i);
        else if (isOr(t))
            writeBranchGroup(i);
        else if (!t.contains(u'^'))
            writeElement(i);
        const QString& now = templateAt(i);
        if (now.contains(u'*') && (now.contains(u"*END") || now.contains(u"*end"))) break;
    }
    return out_;
}

QString LadderToText::replace(QString text, const QStringList& userLines) {
    for (const QString& line : userLines) {
        if (trimBlanks(line).isEmpty()) continue;
        const qsizetype open = line.indexOf(u'['), close = line.indexOf(u']');
        const QString find = trimBlanks(line.left(open));
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
