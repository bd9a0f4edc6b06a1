// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Finding.h"
#include "LadderMap.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>

class ElementCatalogue;
class Pictures;

// Colours as 0xAARRGGBB, the form the toolkit's painters take.
using Colour = quint32;

// What one cell view of the grid shows.
struct CellView {
    QString picture; // the picture file shown
    QString bitmapName;
    QString viewTemplate;
    QString labelText;
    QString hoverHint;
    Colour labelColour = 0;
    bool labelOpaque = true;     // an opaque label hides the column guide behind it
    bool pictureInFront = false; // elements sit in front of the column guide
};

// The print window's copy of the page on screen.
struct PrintPage {
    std::array<CellView, LadderMap::CellsPerPage> cells;
    std::array<QString, LadderMap::Rows> rowNumbers;
    QString heading1;
    QString heading2;
    // The 24 coordinate lines, through the middle of every column and row.
    bool coordinateLines = false;
    int page = 0;
    // The program check's findings, marked on their cells when the print
    // shows them; none when it does not.
    const QList<Finding>* findings = nullptr;
};

// The grid view of the main window as state: the cell views of the page on
// screen, the page buttons, the row numbers, the pointer feedback and the
// 10 ms timer's blinking, title pulse and clock text. The window renders it.
class PageView : public QObject {
    Q_OBJECT
public:
    static constexpr int Cells = LadderMap::CellsPerPage;
    static constexpr int Rows = LadderMap::Rows;
    static constexpr int PageButtons = LadderMap::Pages;
    static constexpr int NoCell = 999;
    static constexpr Colour Violet = 0xffffc0ff;  // page on screen
    static constexpr Colour Orange = 0xffffc080;  // other pages
    static constexpr Colour RowMark = 0xffffc0c0; // row last jumped to
    static constexpr Colour White = 0xffffffff;
    static constexpr Colour Red = 0xffff0000;  // label of an element
    static constexpr Colour Blue = 0xff0000ff; // label of an empty cell

    PageView(LadderMap& map, const ElementCatalogue& catalogue, const Pictures& pictures);

    // Start-up: every cell shows the blank picture with an opaque red label.
    void initialise();
    // Shows page i; a page beyond the pages in use is ignored.
    void showPage(int page);
    // Page Up and Page Down: the page step pages away, when it is in use.
    void turnPage(int step);
    // Drawing order of cell k's picture against its column guide.
    void layer(int cell);

    const QString& goToRowText() const { return goToRowText_; }
    // Every change of the go-to row field: shows the row's page and marks it.
    void setGoToRowText(const QString& text);
    // The assembler window's commands give the row the field names a white
    // label again.
    void unmarkGoToRow();

    void pointerOverCell(int cell, int x, int y);
    void pointerOverLabel(int cell, int x, int y);
    void tick(const QDateTime& now);
    // The 10 ms timer's tick: the same, with the local time looked up only
    // when a new second has begun (the clock text shows seconds).
    void tick();
    // What the window's timer calls: the TitleFrameTicks ticks of one title
    // frame at once, so an idle window wakes ten times a second, not a
    // hundred; blinked() tells whether any of them blinked.
    void tickFrame();
    // What the last tick changed on screen. The pulse moves every tick; the
    // title shows it every TitleFrameTicks ticks, ten times a second, which
    // keeps an idle editor cheap (a repaint of the title costs as much as
    // all else the timer does); the blink changes every 50 ticks.
    static constexpr int TitleFrameTicks = 10;
    static constexpr int TickMs = 10;
    static constexpr int FrameMs = TitleFrameTicks * TickMs;
    bool titleFrameDue() const { return titleFrameDue_; }
    bool blinked() const { return blinked_; }

    const CellView& cell(int k) const { return cells_[k]; }
    const std::array<CellView, Cells>& cells() const { return cells_; }
    // Edits change the views of the pressed cells directly.
    CellView& cell(int k) { return cells_[k]; }
    const PrintPage& printPage() const { return print_; }
    Colour pageButtonColour(int page) const { return pageButtons_[page]; }
    const QString& rowNumber(int row) const { return rowNumbers_[row]; }
    const std::array<QString, Rows>& rowNumbers() const { return rowNumbers_; }
    Colour rowNumberBackground(int row) const { return rowBackgrounds_[row]; }
    const std::array<Colour, Rows>& rowNumberBackgrounds() const { return rowBackgrounds_; }
    const QString& coordinates() const { return coordinates_; }
    // The show-coordinates box: the coordinate lines over the grid and the print window.
    bool coordinateLines() const { return print_.coordinateLines; }
    void setCoordinateLines(bool shown);
    // The findings the print marks, or none; they must outlive the view.
    void setPrintedFindings(const QList<Finding>* findings);
    const QString& instructionPreview() const { return preview_; }
    void setInstructionPreview(const QString& text) { preview_ = text; }
    void setProjectName(const QString& name) { projectName_ = name; }
    // The words before the project name and the page number on the printed
    // page, in the captions' language; Chinese until told.
    const QString& projectHeading() const { return projectHeading_; }
    const QString& pageHeading() const { return pageHeading_; }
    void setPrintHeadings(const QString& project, const QString& page) {
        projectHeading_ = project;
        pageHeading_ = page;
    }

    int markedCell() const { return markedCell_; }
    void setMarkedCell(int cell) { markedCell_ = cell; }
    bool markedBorder() const { return markedBorder_; }
    void setMarkedBorder(bool on) { markedBorder_ = on; }
    bool paletteBlink() const { return paletteBlink_; }
    void setPaletteBlink(bool on) { paletteBlink_ = on; }
    Colour titleColour() const;
    int titleStep() const { return titleStep_; }
    const QString& clock() const { return clock_; }

signals:
    // The page on screen changed: cells, page buttons or row numbers.
    void changed();
    // Only the pointer feedback changed: coordinates, preview or a hover hint.
    void feedbackChanged();
    void ticked();

private:
    void advance();
    // The clock text, then the news of the tick.
    void finishTick();
    void drawCell(int page, int k);
    int rowLabelOf(double row) const;
    void setCoordinates(int x, int y);
    static QString signedNumber(int value);

    LadderMap& map_;
    const ElementCatalogue& catalogue_;
    const Pictures& pictures_;

    std::array<CellView, Cells> cells_;
    PrintPage print_;
    std::array<Colour, PageButtons> pageButtons_;
    std::array<QString, Rows> rowNumbers_;
    std::array<Colour, Rows> rowBackgrounds_;
    QString goToRowText_;
    QString coordinates_;
    QString preview_;
    QString projectName_;
    QString projectHeading_ = QStringLiteral("專案名稱");
    QString pageHeading_ = QStringLiteral("頁簽");

    int markedCell_ = NoCell;
    bool markedBorder_ = false;
    bool paletteBlink_ = false;
    int blinkCountdown_ = 100;
    int titleStep_ = 0;
    bool titleRising_ = true;
    int ticks_ = 0;
    bool titleFrameDue_ = false;
    bool blinked_ = false;
    QString clock_;
    qint64 clockSecond_ = -1; // the second clock_ shows, since the epoch
};
