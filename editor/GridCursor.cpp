// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridCursor.h"

#include "ElementChooser.h"
#include "GridEditor.h"
#include "LadderMap.h"
#include "PageView.h"

#include <algorithm>

namespace {

// The keys that run an edit mode's action at the cursor.
struct ModeKey {
    int key;
    Qt::KeyboardModifiers modifiers;
    int mode;
};
const ModeKey ModeKeys[] = {
    {Qt::Key_Delete, Qt::NoModifier, GridEditor::Delete},
    {Qt::Key_Insert, Qt::NoModifier, GridEditor::Insert},
    {Qt::Key_Backspace, Qt::NoModifier, GridEditor::DeleteLabel},
    {Qt::Key_Insert, Qt::ControlModifier, GridEditor::InsertRow},
    {Qt::Key_Delete, Qt::ControlModifier, GridEditor::DeleteRow},
    {Qt::Key_D, Qt::ControlModifier, GridEditor::CopyRowAbove},
    {Qt::Key_X, Qt::ControlModifier, GridEditor::Cut},
    // What was cut goes back in with its label: the insert action.
    {Qt::Key_V, Qt::ControlModifier, GridEditor::Insert},
};

} // namespace

GridCursor::GridCursor(PageView& view, GridEditor& grid, ElementChooser& chooser)
    : view_(view), grid_(grid), chooser_(chooser) {}

void GridCursor::moveTo(int cell) {
    if (!LadderMap::validCell(cell) || cell == cell_) return;
    cell_ = cell;
    emit moved(cell_);
}

void GridCursor::moveBy(int rows, int columns) {
    const int row = std::clamp(LadderMap::rowOf(cell_) + rows, 0, LadderMap::Rows - 1);
    const int column = std::clamp(LadderMap::columnOf(cell_) + columns, 0, LadderMap::Columns - 1);
    moveTo(LadderMap::cellAt(row, column));
}

void GridCursor::rowStart() {
    moveTo(LadderMap::cellAt(LadderMap::rowOf(cell_), 0));
}

void GridCursor::rowEnd() {
    moveTo(LadderMap::cellAt(LadderMap::rowOf(cell_), LadderMap::Columns - 1));
}

void GridCursor::home() {
    view_.showPage(0);
    moveTo(0);
}

void GridCursor::place() {
    run(GridEditor::Place);
    moveBy(0, 1);
}

void GridCursor::run(int mode) {
    grid_.pressCellAs(cell_, mode);
}

void GridCursor::toggleMark() {
    grid_.pressLabel(cell_, GridEditor::Left);
}

void GridCursor::openLabel(const QString& typed) {
    grid_.openOperandByKey(cell_, typed);
    emit labelOpened();
}

bool GridCursor::press(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier &&
        modifiers != Qt::ControlModifier)
        return false;
    for (const ModeKey& modeKey : ModeKeys)
        if (modeKey.key == key && modeKey.modifiers == modifiers) {
            run(modeKey.mode);
            return true;
        }
    if (modifiers == Qt::ControlModifier) return pressWithControl(key);
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        openLabel();
        return true;
    }
    if (moveWith(key)) return true;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        place();
        return true;
    }
    if (key == Qt::Key_Space) {
        emit chooserWanted({});
        return true;
    }
    // Labels mostly begin with a number; elements are found by their words.
    if (text.size() != 1) return false;
    if (text[0].isDigit()) {
        openLabel(text);
        return true;
    }
    if (text[0].isLetter()) {
        emit chooserWanted(text);
        return true;
    }
    return false;
}

bool GridCursor::moveWith(int key) {
    switch (key) {
    case Qt::Key_Left:
        moveBy(0, -1);
        return true;
    case Qt::Key_Right:
        moveBy(0, 1);
        return true;
    case Qt::Key_Up:
        moveBy(-1, 0);
        return true;
    case Qt::Key_Down:
        moveBy(1, 0);
        return true;
    case Qt::Key_Home:
        rowStart();
        return true;
    case Qt::Key_End:
        rowEnd();
        return true;
    default:
        return false;
    }
}

bool GridCursor::pressWithControl(int key) {
    if (key == Qt::Key_Home) {
        home();
        return true;
    }
    if (key == Qt::Key_B) {
        toggleMark();
        return true;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return chooser_.chooseRecent(key - Qt::Key_0);
    return false;
}
