// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageView.h"

#include "ClockText.h"
#include "ElementCatalogue.h"
#include "NumericText.h"
#include "Pictures.h"

#include <cmath>
#include <cstdint>
#include <limits>

PageView::PageView(LadderMap& map, const ElementCatalogue& catalogue, const Pictures& pictures)
    : map_(map), catalogue_(catalogue), pictures_(pictures) {
    pageButtons_.fill(Orange);
    rowBackgrounds_.fill(White);
    for (int r = 0; r < Rows; ++r)
        rowNumbers_[r] = QString::number(r + 1);
    print_.rowNumbers = rowNumbers_;
}

void PageView::initialise() {
    for (CellView& view : cells_) {
        view.picture = pictures_.blankFile();
        view.labelColour = Red;
        view.labelOpaque = true;
    }
    print_.cells = cells_;
    emit changed();
}

int PageView::rowLabelOf(double row) const {
    // The row-number label of a typed row number: its place within its page.
    const double v = row - 1;
    const double index = std::nearbyint(v - Rows * std::floor(v / Rows));
    return index >= 0 && index < Rows ? static_cast<int>(index) : -1;
}

void PageView::drawCell(int page, int k) {
    const CellRecord& record = map_.cell(page, k);
    CellView& view = cells_[k];
    view = CellView{};
    const QString file = pictures_.elementFile(record.A);
    view.picture = file.isEmpty() ? pictures_.slotPicture(0) : file;
    view.bitmapName = record.A;
    view.viewTemplate = record.D;
    view.labelText = record.B;
    view.labelOpaque = !LadderMap::branchGoesDown(record.C);
    view.labelColour = LadderMap::holdsElement(record.A) ? Red : Blue;
    layer(k);
}

void PageView::layer(int k) {
    const QString& name = cells_[k].bitmapName;
    cells_[k].pictureInFront = !(name.isEmpty() || name == u"space.bmp");
}

void PageView::turnPage(int step) {
    const int page = map_.currentPage() + step;
    if (page >= 0 && page < map_.pagesInUse()) showPage(page);
}

void PageView::showPage(int page) {
    if (page > map_.pagesInUse() - 1) return;

    const int marked = rowLabelOf(NumericText::value(goToRowText_));
    if (marked >= 0) rowBackgrounds_[marked] = White;

    for (int j = 0; j <= map_.pagesInUse() && j < PageButtons; ++j) {
        if (j != page) {
            pageButtons_[j] = Orange;
            continue;
        }
        pageButtons_[j] = Violet;
        for (int k = 0; k < Cells; ++k)
            drawCell(page, k);
        map_.setCurrentPage(page);
        print_.cells = cells_;
        print_.heading1 = projectHeading_ + QStringLiteral(" : ") + projectName_;
        print_.heading2 = pageHeading_ + QStringLiteral(" : ") + signedNumber(page + 1);
        print_.page = page;
    }

    for (int r = 0; r < Rows; ++r)
        rowNumbers_[r] = QString::number(Rows * map_.currentPage() + r + 1);
    print_.rowNumbers = rowNumbers_;

    catalogue_.refreshTemplates(map_, map_.currentPage());
    emit changed();
}

void PageView::setGoToRowText(const QString& text) {
    goToRowText_ = text;
    const double v = NumericText::value(text);
    const double page = std::floor((v - 1) / Rows);
    // Row numbers whose page does not fit the page number's 16 bits are ignored.
    if (!(page >= std::numeric_limits<int16_t>::min() &&
          page <= std::numeric_limits<int16_t>::max()))
        return;
    showPage(static_cast<int>(page));
    const int row = rowLabelOf(v);
    if (row >= 0) rowBackgrounds_[row] = RowMark;
    emit changed();
}

void PageView::unmarkGoToRow() {
    const int row = rowLabelOf(NumericText::value(goToRowText_));
    if (row < 0) return;
    rowBackgrounds_[row] = White;
    emit changed();
}

QString PageView::signedNumber(int value) {
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value);
}

void PageView::setCoordinates(int x, int y) {
    coordinates_ =
        QStringLiteral("X=") + signedNumber(x) + QStringLiteral("    Y=") + signedNumber(y);
}

void PageView::pointerOverLabel(int, int x, int y) {
    setCoordinates(x, y);
    emit feedbackChanged();
}

void PageView::pointerOverCell(int k, int x, int y) {
    CellView& view = cells_[k];
    setCoordinates(x, y);
    if (!(view.bitmapName.isEmpty() || view.bitmapName == u"space.bmp")) {
        preview_ = view.viewTemplate.contains(u'@')
                       ? QString(view.viewTemplate).replace(u'@', view.labelText)
                       : view.viewTemplate + view.labelText;
    }
    view.hoverHint = view.labelText;
    emit feedbackChanged();
}

Colour PageView::titleColour() const {
    return 0xffff0000u | static_cast<Colour>(128 + titleStep_) << 8;
}

void PageView::advance() {
    titleStep_ += titleRising_ ? 1 : -1;
    if (titleStep_ > 120 || titleStep_ == 0) titleRising_ = !titleRising_;
    ticks_ = (ticks_ + 1) % TitleFrameTicks;
    titleFrameDue_ = ticks_ == 0;

    blinked_ = blinkCountdown_ == 0;
    if (blinked_) {
        paletteBlink_ = !paletteBlink_;
        if (markedCell_ != NoCell) markedBorder_ = !markedBorder_;
        blinkCountdown_ = 50;
    }
    --blinkCountdown_;
}

void PageView::tick(const QDateTime& now) {
    advance();
    clock_ = ClockText::of(now);
    clockSecond_ = -1;
    emit ticked();
}

void PageView::tickFrame() {
    bool anyBlink = false;
    for (int i = 0; i < TitleFrameTicks; ++i) {
        advance();
        anyBlink = anyBlink || blinked_;
    }
    blinked_ = anyBlink;
    finishTick();
}

void PageView::tick() {
    advance();
    finishTick();
}

void PageView::finishTick() {
    // Local time costs a look at the time zone; the epoch's count does not.
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    if (ms / 1000 != clockSecond_) {
        clockSecond_ = ms / 1000;
        clock_ = ClockText::of(QDateTime::fromMSecsSinceEpoch(ms));
    }
    emit ticked();
}

void PageView::setCoordinateLines(bool shown) {
    print_.coordinateLines = shown;
    emit changed();
}

void PageView::setPrintedFindings(const QList<Finding>* findings) {
    print_.findings = findings;
    emit changed();
}
