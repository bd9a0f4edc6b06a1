// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// One cell of the ladder map: the element's bitmap name (its identity), the
// operand label typed for it, the branch-continue mark ("0" lets the vertical
// branch line continue to the row below) and its instruction template.
struct CellRecord {
    QString A; // bitmap name
    QString B; // label
    QString C; // branch-continue mark
    QString D; // template
};

// The ladder diagram: 22 pages of 13 rows by 11 cells, with the page on
// screen and the number of pages in use.
class LadderMap {
public:
    static constexpr int Pages = 22;
    static constexpr int Rows = 13;
    static constexpr int Columns = 11;
    static constexpr int CellsPerPage = Rows * Columns;

    static bool validCell(int cell) { return cell >= 0 && cell < CellsPerPage; }
    // Cells are numbered row by row from the top left.
    static int rowOf(int cell) { return cell / Columns; }
    static int columnOf(int cell) { return cell % Columns; }
    static int cellAt(int row, int column) { return row * Columns + column; }
    // "" and "space.bmp" (blanks at either end ignored) mean "no element".
    static bool holdsElement(const QString& bitmapName);
    // A mark that reads as the number 0 makes the label transparent: the
    // vertical branch line goes on to the row below.
    static bool branchGoesDown(const QString& mark);

    CellRecord& cell(int page, int cell) { return cells_[page][cell]; }
    const CellRecord& cell(int page, int cell) const { return cells_[page][cell]; }

    int currentPage() const { return currentPage_; }
    void setCurrentPage(int page) { currentPage_ = page; }

    int pagesInUse() const { return pagesInUse_; }
    // Kept within 1 to 22, as the page slider keeps it.
    void setPagesInUse(int pages);

    // Empties every field of the pages in use; later pages keep their content.
    void clr_map();

private:
    std::array<std::array<CellRecord, CellsPerPage>, Pages> cells_{};
    int currentPage_ = 0;
    int pagesInUse_ = 1;
};
