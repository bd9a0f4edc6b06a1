// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapCheck.h"

#include "Blanks.h"
#include "CellInstructions.h"
#include "InstructionCheck.h"
#include "InstructionSet.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "LineReader.h"
#include "ProgramFolder.h"
#include "TemplateText.h"
#include "TextFile.h"

#include <algorithm>
#include <map>

namespace {

using Severity = Finding::Severity;

struct Place {
    int page;
    int cell;
};

class Checker {
public:
    explicit Checker(const LadderMap& map) : map_(map) {}
    void cell(const LadderToText::Piece& piece, const std::vector<InstructionCheck::Result>& lines,
              const QString& glued);
    void skipped(const LadderToText::Skipped& skipped);
    void acrossCells();
    QList<Finding> findings;

private:
    void add(const Place& at, Severity severity, const QString& message);
    bool labelFits(const LadderToText::Piece& piece);
    void secondFieldKept(const LadderToText::Piece& piece);
    void count(const Place& at, const InstructionCheck::Result& line);
    static QString placeText(const Place& at);

    const LadderMap& map_;
    // Coils by "register,bit", labels by number, in the order of the text.
    std::map<std::pair<int, int>, QList<Place>> outputs_;
    std::map<int, QList<Place>> labels_;
    QList<std::pair<Place, InstructionCheck::Result>> jumps_;
};

void Checker::add(const Place& at, Severity severity, const QString& message) {
    const CellRecord& record = map_.cell(at.page, at.cell);
    findings.append({at.page, at.cell, record.A.trimmed(), record.B, severity, message});
}

QString Checker::placeText(const Place& at) {
    return Finding{at.page, at.cell, {}, {}, Severity::Error, {}}.place();
}

// A template that takes the label's fields ("#1", "#+1") needs a label of
// two fields; without a "," the conversion leaves the marker in the text.
bool Checker::labelFits(const LadderToText::Piece& piece) {
    const QString& t = piece.templateText;
    const QString& label = map_.cell(piece.page, piece.cell).B;
    if (!(TemplateText::has(t, u"#1") || TemplateText::has(t, u"#+1")) || label.contains(u','))
        return true;
    add({piece.page, piece.cell}, Severity::Error,
        QStringLiteral("the label \"%1\" has one field; this element takes two, \"first,second\"")
            .arg(label.trimmed()));
    return false;
}

// "#2" takes the second field's first 6 characters, blanks included.
void Checker::secondFieldKept(const LadderToText::Piece& piece) {
    if (!piece.labelPlaced || !TemplateText::has(piece.templateText, u"#2")) return;
    const QString& label = map_.cell(piece.page, piece.cell).B;
    const QStringView field = QStringView(label).mid(label.indexOf(u',') + 1);
    const QStringView kept = Blanks::trimmed(field.left(LadderToText::SecondFieldLength));
    if (kept == Blanks::trimmed(field)) return;
    add({piece.page, piece.cell}, Severity::Warning,
        QStringLiteral("\"#2\" takes the first %1 characters of the second field \"%2\", "
                       "blanks included: the conversion keeps \"%3\"")
            .arg(LadderToText::SecondFieldLength)
            .arg(field.toString(), kept.toString()));
}

void Checker::count(const Place& at, const InstructionCheck::Result& line) {
    using Role = InstructionCheck::Result::Role;
    switch (line.role) {
    case Role::Coil:
        outputs_[{line.a, line.b}] << at;
        break;
    case Role::Label:
        labels_[line.a] << at;
        break;
    case Role::Jump:
        jumps_.append({at, line});
        break;
    case Role::Other:
        break;
    }
}

void Checker::cell(const LadderToText::Piece& piece,
                   const std::vector<InstructionCheck::Result>& lines, const QString& glued) {
    const Place at{piece.page, piece.cell};
    if (!labelFits(piece)) return;
    secondFieldKept(piece);
    if (!glued.isEmpty())
        add(at, Severity::Warning,
            QStringLiteral("the label \"%1\" of this line piece is added to the instruction "
                           "before it")
                .arg(glued));
    for (const InstructionCheck::Result& line : lines) {
        if (line.problem) add(at, line.problem->severity, line.problem->message);
        if (line.sound) count(at, line);
    }
}

void Checker::skipped(const LadderToText::Skipped& skipped) {
    using Why = LadderToText::Skipped::Why;
    const QString because = placeText({skipped.becausePage, skipped.becauseCell});
    QString reason;
    switch (skipped.why) {
    case Why::AfterEmptyCell:
        reason = QStringLiteral("the rung ends at the empty cell %1 before it").arg(because);
        break;
    case Why::InBranchRows:
        reason = QStringLiteral("its row is passed over with the branch rows of the rung that "
                                "ends at %1")
                     .arg(because);
        break;
    case Why::AfterEnd:
        reason = QStringLiteral("the conversion stops at *END at %1").arg(because);
        break;
    case Why::PageNotConverted:
        reason = skipped.page == LadderMap::Pages - 1
                     ? QStringLiteral("page %1 is never converted").arg(LadderMap::Pages)
                     : QStringLiteral("page %1 lies past the pages in use (%2)")
                           .arg(skipped.page + 1)
                           .arg(map_.pagesInUse());
        break;
    }
    add({skipped.page, skipped.cell}, Severity::Warning,
        QStringLiteral("this element is not converted: ") + reason);
}

void Checker::acrossCells() {
    for (const auto& [output, places] : outputs_)
        for (int k = 0; k < places.size() && places.size() > 1; ++k)
            add(places[k], Severity::Warning,
                QStringLiteral("output %1,%2 is also set at %3; only the last coil in the program "
                               "decides it")
                    .arg(output.first)
                    .arg(output.second)
                    .arg(placeText(places[k == 0 ? 1 : 0])));
    for (const auto& [label, places] : labels_)
        for (int k = 1; k < places.size(); ++k)
            add(places[k], Severity::Error,
                QStringLiteral("label %1 is also placed at %2; this block overwrites that one's "
                               "code")
                    .arg(label)
                    .arg(placeText(places[0])));
    for (const auto& [at, jump] : jumps_)
        if (!labels_.count(jump.a))
            add(at, Severity::Warning,
                QStringLiteral("no label element carries %1; %2 goes to an empty block")
                    .arg(jump.a)
                    .arg(jump.mnemonic));
}

} // namespace

QList<Finding> MapCheck::run(const LadderMap& map, const ElementCatalogue& catalogue,
                             const QStringList& psLines, const QStringList& replaceLines) {
    Checker checker(map);
    const LadderToText::Walk walk = LadderToText::walk(map, catalogue);
    const std::vector<CellInstructions::Reading> readings =
        CellInstructions::of(walk.texts, psLines, replaceLines);
    // Cells with the same piece share its lines: each is checked once.
    std::vector<std::vector<InstructionCheck::Result>> checked;
    checked.reserve(readings.size());
    for (const CellInstructions::Reading& reading : readings) {
        checked.emplace_back();
        for (const QString& line : reading.lines)
            checked.back().push_back(InstructionCheck::of(line));
    }
    for (const LadderToText::Piece& piece : walk.pieces)
        checker.cell(piece, checked[piece.text], readings[piece.text].glued);
    for (const LadderToText::Skipped& skipped : walk.skipped)
        checker.skipped(skipped);
    checker.acrossCells();
    std::stable_sort(checker.findings.begin(), checker.findings.end(),
                     [](const Finding& x, const Finding& y) {
                         return std::pair(x.page, x.cell) < std::pair(y.page, y.cell);
                     });
    return checker.findings;
}

QList<Finding> MapCheck::run(const LadderMap& map, const ElementCatalogue& catalogue,
                             const ProgramFolder& folder) {
    const auto lines = [&folder](const char* name) {
        const auto text = TextFile::read(folder.path(QString::fromLatin1(name)));
        return text ? LineReader::lines(*text) : QStringList();
    };
    return run(map, catalogue, lines("def\\ps.def"), lines("def\\Replace.def"));
}

int MapCheck::errors(const QList<Finding>& findings) {
    return int(std::count_if(findings.begin(), findings.end(),
                             [](const Finding& f) { return f.isError(); }));
}
