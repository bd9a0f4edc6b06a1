// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LadderMap.h"

#include <QString>
#include <QStringList>

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
        QString text;
        bool rungStart = false; // the first line of a rung, behind the rung's "["
    };
    // The pieces of the map in the order of the text, templates assigned as
    // text_prs assigns them; nothing is written.
    static std::vector<Piece> pieces(LadderMap& map, const ElementCatalogue& catalogue);

private:
    // The last page is never converted.
    static constexpr int ConvertedPages = LadderMap::Pages - 1;
    static constexpr int Cells = ConvertedPages * LadderMap::CellsPerPage;

    LadderToText(LadderMap& map, const ElementCatalogue& catalogue);
    void assignTemplates();
    void copyLinear();
    QString scan(int pagesInUse);
    void endRung(int& i);
    void writeElement(int i);
    void keepPiece(int i, qsizetype from);
    void writeBranchGroup(int i);
    QString expand(int i);
    const QString& templateAt(int i) const;
    const QString& labelAt(int i) const;
    const QString& markAt(int i) const;

    LadderMap& map_;
    const ElementCatalogue& catalogue_;
    std::vector<QString> templates_, labels_, marks_;
    QString out_;
    int series_ = 0;
    int extraRows_ = 0;
    std::vector<Piece>* pieces_ = nullptr;
};
