#include "GridEditor.h"

#include "EditHistory.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "PageView.h"
#include "Pictures.h"
#include "Prompter.h"

namespace {

int rowEnd(int cell) {
    return LadderMap::cellAt(LadderMap::rowOf(cell), LadderMap::Columns - 1);
}

// The part of a cell view that travels with its element along a row.
void takeView(CellView& to, const CellView& from, bool withBackground) {
    to.picture = from.picture;
    to.viewTemplate = from.viewTemplate;
    to.bitmapName = from.bitmapName;
    to.labelText = from.labelText;
    if (withBackground) to.labelOpaque = from.labelOpaque;
}

// Fields A, B and D move with an element; the mark C stays with its cell.
void takeElement(CellRecord& to, const CellRecord& from) {
    to.A = from.A;
    to.B = from.B;
    to.D = from.D;
}

} // namespace

GridEditor::GridEditor(LadderMap& map, PageView& view, EditHistory& history,
                       const ElementCatalogue& catalogue, const Pictures& pictures,
                       Prompter& prompter)
    : map_(map), view_(view), history_(history), catalogue_(catalogue), pictures_(pictures),
      prompter_(prompter) {}

GridEditor::Button GridEditor::buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return Left;
    case Qt::RightButton:
        return Right;
    case Qt::MiddleButton:
        return Middle;
    default:
        return NoButton;
    }
}

void GridEditor::setMode(int mode) {
    if (mode < 0 || mode >= Modes || mode == mode_) return;
    mode_ = mode;
    emit modeChanged(mode);
}

void GridEditor::pressCell(int k, int button) {
    press(k, button, mode_);
}

void GridEditor::pressCellAs(int k, int mode) {
    if (mode >= 0 && mode < Modes) press(k, Left, mode);
}

void GridEditor::openOperandByKey(int k, const QString& typed) {
    if (!LadderMap::validCell(k)) return;
    press(k, Right, mode_);
    operandByKey_ = true;
    if (!typed.isEmpty()) operandText_ = typed;
    emit stateChanged();
}

void GridEditor::press(int k, int button, int mode) {
    if (!LadderMap::validCell(k)) return;
    static const char* const names[Modes] = {"place",        "delete",     "insert",
                                             "insert row",   "delete row", "copy row above",
                                             "delete label", "cut"};
    const EditHistory::Edit edit(history_, QString::fromLatin1(names[mode]));
    bitmapNameField_ = view_.cell(k).bitmapName;
    if (button == Middle && !operandBoxOpen_ && (mode == Place || mode == DeleteLabel)) paste(k);
    bool acted = false;
    if (button == Left && !operandBoxOpen_) {
        const CellView& view = view_.cell(k);
        clipboard_ = {view.bitmapName, view.viewTemplate, pictures_.elementFile(view.bitmapName),
                      view.labelText};
        modeAction(k, mode);
        acted = true;
    }
    if (!acted && button == Right) openOperandBox(k);
    view_.layer(k);
    emit stateChanged();
    emit edited();
}

void GridEditor::paste(int k) {
    CellView& view = view_.cell(k);
    if (!clipboard_[2].isEmpty()) view.picture = clipboard_[2];
    view.viewTemplate = clipboard_[1];
    view.bitmapName = clipboard_[0];
    view.labelText = clipboard_[3];
}

void GridEditor::openOperandBox(int k) {
    operandBoxOpen_ = true;
    operandByKey_ = false;
    operandText_ = view_.cell(k).labelText;
    editedCell_ = k;
    if (view_.markedCell() != PageView::NoCell) view_.setMarkedBorder(false);
    view_.setMarkedCell(k);
}

void GridEditor::modeAction(int k, int mode) {
    switch (mode) {
    case Place:
        putElement(k);
        break;
    case Delete:
        shiftLeft(k, true);
        break;
    case Insert:
        shiftRight(k);
        break;
    case InsertRow:
        shiftRowsDown(k, false);
        break;
    case DeleteRow:
        if (prompter_.confirm(QStringLiteral("VantMAP"), QStringLiteral("Kill Line ?")))
            pullRowsUp(k);
        break;
    case CopyRowAbove:
        shiftRowsDown(k, true);
        break;
    case DeleteLabel:
        view_.cell(k).labelText.clear();
        map_.cell(map_.currentPage(), k).B.clear();
        break;
    case Cut:
        cut(k);
        break;
    }
}

void GridEditor::putElement(int k) {
    CellView& view = view_.cell(k);
    CellRecord& record = map_.cell(map_.currentPage(), k);
    const QString file = pictures_.elementFile(element_.bitmapName);
    if (!file.isEmpty()) view.picture = file;
    view.viewTemplate = record.D = element_.templateText;
    view.bitmapName = record.A = element_.bitmapName;
}

void GridEditor::shiftLeft(int k, bool moveBackgrounds) {
    const int page = map_.currentPage(), end = rowEnd(k);
    for (int i = k; i < end; ++i) {
        takeView(view_.cell(i), view_.cell(i + 1), moveBackgrounds);
        takeElement(map_.cell(page, i), map_.cell(page, i + 1));
    }
    CellView& last = view_.cell(end);
    last.picture = pictures_.blankFile();
    last.bitmapName.clear();
    last.labelText.clear();
    last.hoverHint.clear();
    takeElement(map_.cell(page, end), CellRecord{});
}

void GridEditor::shiftRight(int k) {
    const int page = map_.currentPage();
    for (int i = rowEnd(k); i >= k; --i) {
        if (i - 1 < 0) continue; // nothing before the first cell
        takeView(view_.cell(i), view_.cell(i - 1), true);
        takeElement(map_.cell(page, i), map_.cell(page, i - 1));
    }
    putElement(k);
    view_.cell(k).labelText = map_.cell(page, k).B = selectedLabel_;
}

// Inserts a row at the pressed one: every row from it to the end of the last
// page in use moves down one row, the last one is lost.
void GridEditor::shiftRowsDown(int k, bool copyAbove) {
    constexpr int LastRow = LadderMap::Rows - 1;
    const int page = map_.currentPage(), row = LadderMap::rowOf(k);
    for (int q = map_.pagesInUse() - 1; q >= page; --q) {
        for (int t = LastRow; t >= 0; --t) {
            if (q == page && t == row) {
                for (int c = 0; c < LadderMap::Columns; ++c) {
                    CellRecord& target = map_.cell(page, LadderMap::cellAt(row, c));
                    if (!copyAbove)
                        target = CellRecord{};
                    else if (row > 0) // row 0 has no row above: it stays, shown twice
                        target = map_.cell(page, LadderMap::cellAt(row - 1, c));
                }
                view_.showPage(page);
                return;
            }
            // Row 0 of a page takes the last row of the page before it.
            for (int c = 0; c < LadderMap::Columns; ++c)
                map_.cell(q, LadderMap::cellAt(t, c)) =
                    t > 0 ? map_.cell(q, LadderMap::cellAt(t - 1, c))
                          : map_.cell(q - 1, LadderMap::cellAt(LastRow, c));
        }
    }
}

// Deletes the pressed row: every later row up to the last page in use moves
// up one row; the last row takes the first row of the page after it.
void GridEditor::pullRowsUp(int k) {
    constexpr int LastRow = LadderMap::Rows - 1;
    const int page = map_.currentPage(), row = LadderMap::rowOf(k);
    for (int q = page; q <= map_.pagesInUse() - 1; ++q) {
        for (int t = q == page ? row : 0; t <= LastRow; ++t) {
            // The last page keeps its last row.
            if (t == LastRow && q + 1 >= LadderMap::Pages) continue;
            for (int c = 0; c < LadderMap::Columns; ++c)
                map_.cell(q, LadderMap::cellAt(t, c)) =
                    t < LastRow ? map_.cell(q, LadderMap::cellAt(t + 1, c))
                                : map_.cell(q + 1, LadderMap::cellAt(0, c));
        }
    }
    view_.showPage(page);
}

void GridEditor::cut(int k) {
    setMode(Insert);
    const CellView& view = view_.cell(k);
    element_ = {view.bitmapName, view.viewTemplate, pictures_.elementFile(view.bitmapName)};
    selectedLabel_ = view.labelText;
    shiftLeft(k, false);
}

void GridEditor::pressLabel(int k, int button) {
    if (button != Left || !LadderMap::validCell(k)) return;
    const EditHistory::Edit edit(history_, QStringLiteral("label transparency"));
    CellView& view = view_.cell(k);
    view.labelOpaque = !view.labelOpaque;
    map_.cell(map_.currentPage(), k).C =
        view.labelOpaque ? QStringLiteral("1") : QStringLiteral("0");
    emit edited();
}

void GridEditor::selectSlot(int slot) {
    if (slot < 0 || slot >= ElementCatalogue::Slots) return;
    setMode(Place);
    selectedSlot_ = slot;
    view_.setPaletteBlink(true);
    const QString& name = catalogue_.slotBitmap(slot);
    element_ = {name, catalogue_.templateOf(slot), pictures_.elementFile(name)};
    selectedLabel_.clear();
    emit slotSelected(slot);
    emit stateChanged();
}

void GridEditor::reloadElementPicture() {
    if (element_.bitmapName.isEmpty()) return;
    element_.picture = pictures_.elementFile(element_.bitmapName);
    emit stateChanged();
}

bool GridEditor::storeLabel(int k, const QString& text) {
    if (!LadderMap::validCell(k)) return true;
    for (const char* field : {"C=", "D="})
        if (text.contains(QLatin1String(field))) {
            prompter_.inform(QStringLiteral("VantMAP"),
                             QStringLiteral("A label cannot hold \"%1\": the map file would cut "
                                            "the label there. The label was not stored.")
                                 .arg(QLatin1String(field)));
            return false;
        }
    const EditHistory::Edit edit(history_, QStringLiteral("label"));
    view_.cell(k).labelText = map_.cell(map_.currentPage(), k).B = text;
    return true;
}

void GridEditor::confirmOperand() {
    if (!storeLabel(editedCell_, operandText_)) return;
    operandBoxOpen_ = false;
    if (LadderMap::validCell(editedCell_)) {
        CellView& view = view_.cell(editedCell_);
        view.labelColour = view.bitmapName.trimmed().isEmpty() ? PageView::Blue : PageView::Red;
    }
    emit stateChanged();
    emit edited();
}

void GridEditor::enterOperand() {
    if (operandByKey_) {
        confirmOperand();
        return;
    }
    storeLabel(editedCell_, operandText_);
    emit edited();
}

void GridEditor::appendToOperand(const QString& text) {
    operandText_ += text;
    emit stateChanged();
}

void GridEditor::closeOperandBox() {
    operandBoxOpen_ = false;
    view_.setMarkedCell(PageView::NoCell);
    view_.setMarkedBorder(false);
    emit stateChanged();
    emit edited();
}
