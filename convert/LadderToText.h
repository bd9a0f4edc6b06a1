// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LadderMap.h"
#include "TemplateText.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <unordered_map>
#include <vector>

class ElementCatalogue;
class ProgramFolder;

// The conversion of a ladder map into instruction text: every element gets
// its template, the rungs are walked cell by cell (series elements with
// "AND,", parallel branches with "OR,"), and the text is rewritten by the
// user's replacements (def\ps.def) and a fixed table that turns the
// editor's element words into mnemonics. The text is also kept in plc\.
class LadderToText {
public:
    struct Result {
        QString text; // what the source box shows
        QString file; // the ".hrim" file it was written to
        bool saved = false;
        QString error; // why it was not
    };

    // Pages in use come from the map; the map name from the file-name box.
    static Result text_prs(LadderMap& map, const ElementCatalogue& catalogue,
                           const QString& mapName, const ProgramFolder& folder);

    // The ".hrim" file name for a map name: up to its first ".", then "hrim".
    static QString outputName(const QString& mapName);
    // def\ps.def, then the fixed table, applied to a generated text.
    static QString replace(QString text, const QStringList& userLines);

    // What one cell adds to the generated text before the replacements: an
    // element's line, or a branch junction's line that its group writes.
    struct Piece {
        int page = 0;
        int cell = 0;
        QString templateText;     // as the conversion assigns it, before the label goes in
        bool labelPlaced = false; // the label went into the template's "@", "#1", "#2"
        int text = 0;             // into Walk::texts
    };
    // An element the conversion passes over: after an empty cell in its row
    // (the rung ends there), in the rows the jump past a rung's branches
    // takes, after "*END", or on a page it does not convert.
    struct Skipped {
        enum class Why { AfterEmptyCell, InBranchRows, AfterEnd, PageNotConverted };
        int page = 0;
        int cell = 0;
        Why why = Why::PageNotConverted;
        // The empty cell or the "*END" cell; the first cell not converted.
        int becausePage = 0;
        int becauseCell = 0;
    };
    struct Walk {
        std::vector<Piece> pieces; // in the order of the text
        // The distinct pieces as they stand in the text, each after a line
        // end; a rung's first line behind the rung's "[". A map of a few
        // thousand elements has far fewer distinct ones (an address names
        // one of 512 bits), so each is made once.
        QStringList texts;
        std::vector<Skipped> skipped;
    };
    // The conversion's walk over the map without writing anything: the
    // pieces with the templates text_prs assigns (the map is not changed)
    // and the elements it passes over.
    static Walk walk(const LadderMap& map, const ElementCatalogue& catalogue);

    // "#2" takes this many characters of the label's second field.
    static constexpr int SecondFieldLength = 6;

    // A template of a connection, which gives no instruction: a line ("%")
    // or a branch ("OR", "BR"); or an empty one.
    static bool isConnection(const QString& templateText);

private:
    // The last page is never converted.
    static constexpr int ConvertedPages = LadderMap::Pages - 1;
    static constexpr int Cells = ConvertedPages * LadderMap::CellsPerPage;
    enum class Joint { None, And, Or };
    // A cell's line: its joint ("AND,", "OR,"), the template with the
    // label, and a line end; in walk() with the rung's "[" before it at a
    // rung's start.
    struct Line {
        QString text;
        QString expanded; // the template with the label put in
        bool labelPlaced = false;
        int id = 0; // into Walk::texts
    };
    struct LineKey {
        QString templateText;
        QString label;
        int form = 0; // the joint, a junction's or not, at a rung's start or not
        bool operator==(const LineKey&) const = default;
    };
    friend size_t qHash(const LineKey& key, size_t seed);

    LadderToText(const LadderMap& map, const ElementCatalogue& catalogue);
    const QString& assigned(const CellRecord& record) const;
    void copyLinear(LadderMap* assignTo);
    QString scan(int pagesInUse);
    void endRung(int& i);
    void writeElement(int i);
    void writeBranchGroup(int i);
    const Line& lineOf(int i, Joint joint, bool junction);
    void put(int i, const Line& line);
    // The elements of the cells from .. to (linear, past the converted
    // pages too) that were not written.
    void passOver(int from, int to, Skipped::Why why, int because);
    QString expand(int i) const;
    const QString& templateAt(int i) const;
    const QString& labelAt(int i) const;
    const QString& markAt(int i) const;

    const LadderMap& map_;
    const ElementCatalogue& catalogue_;
    std::vector<QString> templates_, labels_, marks_;
    QString out_;
    int series_ = 0;
    int extraRows_ = 0;
    QHash<LineKey, Line> lines_;
    // The slots of the bitmaps met, -1 for none.
    struct TextHash {
        size_t operator()(const QString& text) const { return TemplateText::hash(text); }
    };
    mutable std::unordered_map<QString, int, TextHash> slots_;
    // Only for walk(): what is recorded instead of the text.
    Walk* walk_ = nullptr;
    std::vector<bool> written_;
    bool rungOpen_ = false;
};
