// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePrompter.h"
#include "MapEditor.h"
#include "TestFolder.h"
#include "TwoElementFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Two editors on one program folder: one driven as the mouse drives it, one
// by the keys only. After every step their maps, pages on screen, editing
// state and histories must be one.
class GridCursorTest : public ::testing::Test {
protected:
    GridCursorTest() {
        writeTwoElements(t);
        for (MapEditor* editor : {&mouse, &keys}) {
            editor->start();
            // Rows 3 to 5 hold something to delete, insert and copy around.
            for (int cell = 33; cell < 66; ++cell)
                editor->map().cell(0, cell) = {"e" + QString::number(cell), "L", "1", "D"};
            editor->view().showPage(0);
        }
    }

    bool key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        return cursor().press(k, modifiers, text);
    }
    GridCursor& cursor() { return keys.cursor(); }
    void click(int cell, int mode) {
        mouse.grid().setMode(mode);
        mouse.grid().pressCell(cell, GridEditor::Left);
    }

    void expectSame(const char* step) {
        SCOPED_TRACE(step);
        for (int page = 0; page < LadderMap::Pages; ++page)
            for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
                const CellRecord &a = mouse.map().cell(page, cell),
                                 &b = keys.map().cell(page, cell);
                ASSERT_TRUE(a.A == b.A && a.B == b.B && a.C == b.C && a.D == b.D)
                    << "page " << page << " cell " << cell;
            }
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
            const CellView &a = mouse.view().cell(cell), &b = keys.view().cell(cell);
            ASSERT_TRUE(a.picture == b.picture && a.bitmapName == b.bitmapName &&
                        a.labelText == b.labelText && a.labelColour == b.labelColour &&
                        a.labelOpaque == b.labelOpaque && a.pictureInFront == b.pictureInFront)
                << "view cell " << cell;
        }
        EXPECT_EQ(mouse.map().currentPage(), keys.map().currentPage());
        EXPECT_EQ(mouse.grid().element().bitmapName, keys.grid().element().bitmapName);
        EXPECT_EQ(mouse.grid().operandBoxOpen(), keys.grid().operandBoxOpen());
        EXPECT_EQ(mouse.view().markedCell(), keys.view().markedCell());
        EXPECT_EQ(mouse.history().modified(), keys.history().modified());
    }

    TestFolder t;
    FakePrompter mousePrompter, keysPrompter;
    MapEditor mouse{t.folder(), mousePrompter};
    MapEditor keys{t.folder(), keysPrompter};
};

TEST_F(GridCursorTest, EveryKeyedEditIsTheMousePressOfItsMode) {
    mouse.grid().selectSlot(1);
    keys.chooser().choose(keys.chooser().matches("no").first());
    key(Qt::Key_Home, Qt::ControlModifier);
    mouse.grid().pressCell(0, GridEditor::Left);
    mouse.grid().pressCell(1, GridEditor::Left);
    key(Qt::Key_Return);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(cursor().cell(), 2); // each place moves on
    expectSame("place twice");

    mouse.grid().selectSlot(2);
    keys.chooser().choose(2);
    mouse.grid().pressCell(10, GridEditor::Left);
    key(Qt::Key_End);
    key(Qt::Key_Return);
    EXPECT_EQ(cursor().cell(), 10); // the row end holds the cursor
    expectSame("place at the row end");

    // A label typed on the cell: the right press, the field, keypad key 25.
    mouse.grid().pressCell(10, GridEditor::Right);
    mouse.grid().setOperandText("0,3");
    mouse.grid().confirmOperand();
    key(Qt::Key_0, Qt::NoModifier, "0");
    EXPECT_EQ(keys.grid().operandText(), "0");
    keys.grid().setOperandText("0,3");
    keys.grid().enterOperand();
    expectSame("label");

    mouse.grid().pressLabel(1, GridEditor::Left);
    key(Qt::Key_Home);
    key(Qt::Key_Right);
    key(Qt::Key_B, Qt::ControlModifier);
    expectSame("branch mark");

    const struct {
        const char* name;
        int mode;
        int cell;
        std::function<void()> keyed;
    } steps[] = {
        {"delete", GridEditor::Delete, 34, [&] { key(Qt::Key_Delete); }},
        {"insert", GridEditor::Insert, 34, [&] { key(Qt::Key_Insert); }},
        {"delete label", GridEditor::DeleteLabel, 34, [&] { key(Qt::Key_Backspace); }},
        {"insert row", GridEditor::InsertRow, 34,
         [&] { key(Qt::Key_Insert, Qt::ControlModifier); }},
        {"copy row above", GridEditor::CopyRowAbove, 45,
         [&] { key(Qt::Key_D, Qt::ControlModifier); }},
        {"delete row", GridEditor::DeleteRow, 45,
         [&] { key(Qt::Key_Delete, Qt::ControlModifier); }},
        {"cut", GridEditor::Cut, 56, [&] { key(Qt::Key_X, Qt::ControlModifier); }},
    };
    for (const auto& step : steps) {
        click(step.cell, step.mode);
        cursor().moveTo(step.cell);
        step.keyed();
        expectSame(step.name);
    }
    EXPECT_EQ(keysPrompter.questions, QStringList{"Kill Line ?"});

    // The cut element goes back in elsewhere with its label.
    EXPECT_EQ(keys.grid().mode(), GridEditor::Insert);
    mouse.grid().pressCell(60, GridEditor::Left);
    cursor().moveTo(60);
    key(Qt::Key_V, Qt::ControlModifier);
    expectSame("paste");

    // Each keyed edit is one step back, as each press is.
    int undone = 0;
    while (mouse.history().canUndo()) {
        ASSERT_TRUE(keys.history().canUndo());
        mouse.history().undo();
        keys.history().undo();
        ++undone;
        expectSame("undo");
    }
    EXPECT_FALSE(keys.history().canUndo());
    EXPECT_GT(undone, 10);
}

TEST_F(GridCursorTest, TheCursorStaysOnThePageAndCtrlHomeGoesToPageOne) {
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_EQ(cursor().cell(), 0);
    for (int i = 0; i < 20; ++i) {
        key(Qt::Key_Down);
        key(Qt::Key_Right);
    }
    EXPECT_EQ(cursor().cell(), 142);
    key(Qt::Key_Home);
    EXPECT_EQ(cursor().cell(), 132);
    key(Qt::Key_Up);
    key(Qt::Key_End);
    EXPECT_EQ(cursor().cell(), 131);

    keys.view().turnPage(1);
    keys.view().turnPage(1);
    EXPECT_EQ(keys.map().currentPage(), 2);
    keys.view().turnPage(1); // page 4 is not in use
    EXPECT_EQ(keys.map().currentPage(), 2);
    EXPECT_EQ(cursor().cell(), 131); // the same cell on the page turned to
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(keys.map().currentPage(), 0);
    EXPECT_EQ(cursor().cell(), 0);
    keys.view().turnPage(-1);
    EXPECT_EQ(keys.map().currentPage(), 0);

    // Keys the grid does not use go on to the window (focus, window keys).
    for (const int other : {int(Qt::Key_Tab), int(Qt::Key_F7), int(Qt::Key_Escape)})
        EXPECT_FALSE(key(other));
    EXPECT_FALSE(key(Qt::Key_A, Qt::AltModifier, "a"));
    EXPECT_FALSE(keys.history().canUndo());
}

TEST_F(GridCursorTest, TheLabelKeysOpenTheOperandBoxAndEnterThereConfirms) {
    keys.map().cell(0, 40).B = "5,5";
    keys.view().showPage(0);
    cursor().moveTo(40);
    key(Qt::Key_Menu);
    EXPECT_TRUE(keys.grid().operandBoxOpen());
    EXPECT_EQ(keys.grid().operandText(), "5,5"); // the label to edit
    EXPECT_EQ(keys.view().markedCell(), 40);
    keys.grid().closeOperandBox();

    key(Qt::Key_7, Qt::NoModifier, "7"); // typing replaces it
    EXPECT_EQ(keys.grid().operandText(), "7");
    keys.grid().enterOperand();
    EXPECT_FALSE(keys.grid().operandBoxOpen());
    EXPECT_EQ(keys.map().cell(0, 40).B, "7");

    // A box the mouse opened keeps Enter as it always was: stored, still open.
    keys.grid().pressCell(40, GridEditor::Right);
    keys.grid().setOperandText("8");
    keys.grid().enterOperand();
    EXPECT_TRUE(keys.grid().operandBoxOpen());
    EXPECT_EQ(keys.map().cell(0, 40).B, "8");

    // While the box is open a keyed edit does what a left press then does:
    // nothing to the map.
    key(Qt::Key_Delete);
    EXPECT_EQ(keys.map().cell(0, 40).B, "8");
    EXPECT_EQ(keys.map().cell(0, 40).A, "e40");
}

} // namespace
