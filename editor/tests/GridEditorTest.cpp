#include "FakePrompter.h"
#include "MapEditor.h"
#include "OperandKeypad.h"
#include "TestFolder.h"
#include "TwoElementFolder.h"

#include <gtest/gtest.h>

namespace {

class GridEditorTest : public ::testing::Test {
protected:
    GridEditorTest() {
        writeTwoElements(t);
        editor.start();
    }

    // Fills row r of page p with elements named by column: "e<c>.bmp".
    void fillRow(int page, int row, const QString& tag) {
        for (int c = 0; c < 11; ++c)
            map().cell(page, 11 * row + c) = {tag + QString::number(c), "L" + QString::number(c),
                                              "m", "D"};
    }
    // The tag a row was filled with, "" for an empty row.
    QString rowTag(int page, int row) {
        const QString& first = map().cell(page, 11 * row).A;
        return first.isEmpty() ? first : first.chopped(1);
    }

    LadderMap& map() { return editor.map(); }
    GridEditor& grid() { return editor.grid(); }
    void press(int cell, int button = GridEditor::Left) { grid().pressCell(cell, button); }

    TestFolder t;
    FakePrompter prompter;
    MapEditor editor{t.folder(), prompter};
};

TEST_F(GridEditorTest, PlaceTakesTheSelectedElementAndKeepsTheLabel) {
    map().cell(0, 5).B = "X0.1";
    editor.view().showPage(0);
    grid().selectSlot(1);
    press(5);
    EXPECT_EQ(map().cell(0, 5).A, "no.bmp");
    EXPECT_EQ(map().cell(0, 5).D, "\r\nX");
    EXPECT_EQ(map().cell(0, 5).B, "X0.1");
    EXPECT_TRUE(editor.view().cell(5).picture.endsWith("BMP/no.bmp"));
    EXPECT_TRUE(editor.view().cell(5).pictureInFront);
}

TEST_F(GridEditorTest, DeleteShiftsTheRowLeftAndMarksStay) {
    fillRow(0, 2, "a");
    editor.view().showPage(0);
    grid().setMode(GridEditor::Delete);
    press(22); // column 0
    EXPECT_EQ(map().cell(0, 22).A, "a1");
    EXPECT_EQ(map().cell(0, 31).A, "a10");
    EXPECT_EQ(map().cell(0, 32).A, "");
    EXPECT_EQ(map().cell(0, 32).C, "m"); // the mark stays with its cell
    EXPECT_EQ(editor.view().cell(32).picture, editor.pictures().blankFile());
    press(32); // column 10: only that cell
    EXPECT_EQ(map().cell(0, 31).A, "a10");
    // The clipboard holds the deleted cell: a middle press shows it elsewhere,
    // on screen only.
    grid().setMode(GridEditor::Place);
    press(22);
    grid().pressCell(100, GridEditor::Middle);
    EXPECT_EQ(editor.view().cell(100).bitmapName, "a1");
    EXPECT_EQ(map().cell(0, 100).A, "");
}

TEST_F(GridEditorTest, InsertShiftsRightAndLosesTheRowEnd) {
    fillRow(0, 0, "a");
    editor.view().showPage(0);
    grid().selectSlot(2);
    grid().setMode(GridEditor::Insert);
    press(3);
    EXPECT_EQ(map().cell(0, 3).A, "out.bmp");
    EXPECT_EQ(map().cell(0, 4).A, "a3");
    EXPECT_EQ(map().cell(0, 10).A, "a9"); // a10 is gone
    EXPECT_EQ(map().cell(0, 3).B, "");    // the selected label after a palette click
    press(10);
    EXPECT_EQ(map().cell(0, 10).A, "out.bmp");
    press(0); // nothing before the first cell
    EXPECT_EQ(map().cell(0, 0).A, "out.bmp");
    EXPECT_EQ(map().cell(0, 1).A, "a0");
}

TEST_F(GridEditorTest, CutThenInsertMovesAnElementWithItsLabel) {
    fillRow(0, 0, "a");
    editor.view().showPage(0);
    grid().setMode(GridEditor::Cut);
    press(2);
    EXPECT_EQ(grid().mode(), GridEditor::Insert);
    EXPECT_EQ(grid().element().bitmapName, "a2");
    EXPECT_EQ(map().cell(0, 2).A, "a3");
    press(7);
    EXPECT_EQ(map().cell(0, 7).A, "a2");
    EXPECT_EQ(map().cell(0, 7).B, "L2");
}

TEST_F(GridEditorTest, InsertRowShiftsAcrossPagesAndLosesTheLastRow) {
    fillRow(0, 12, "p0r12");
    fillRow(1, 0, "p1r0");
    fillRow(2, 12, "p2r12"); // last row of the last page in use
    editor.view().showPage(0);
    grid().setMode(GridEditor::InsertRow);
    press(12 * 11 + 4);
    EXPECT_EQ(map().cell(0, 132).A, "");
    EXPECT_EQ(rowTag(1, 0), "p0r12");
    EXPECT_EQ(rowTag(1, 1), "p1r0");
    EXPECT_EQ(map().cell(3, 0).A, ""); // page 3 is out of use: the lost row does not go there
    EXPECT_EQ(map().cell(2, 132).A, "");
}

TEST_F(GridEditorTest, CopyRowAboveDuplicatesAndRowZeroShowsTwice) {
    fillRow(0, 0, "r0");
    fillRow(0, 1, "r1");
    editor.view().showPage(0);
    grid().setMode(GridEditor::CopyRowAbove);
    press(11 + 3);
    EXPECT_EQ(rowTag(0, 1), "r0");
    EXPECT_EQ(rowTag(0, 2), "r1");
    press(5);
    EXPECT_EQ(rowTag(0, 0), "r0");
    EXPECT_EQ(rowTag(0, 1), "r0");
}

TEST_F(GridEditorTest, DeleteRowAsksAndPullsUpAcrossPages) {
    fillRow(0, 5, "gone");
    fillRow(0, 6, "next");
    fillRow(1, 0, "p1r0");
    fillRow(3, 0, "p3r0"); // the page after the last in use
    editor.view().showPage(0);
    grid().setMode(GridEditor::DeleteRow);
    prompter.answer = false;
    press(55);
    EXPECT_EQ(rowTag(0, 5), "gone");
    prompter.answer = true;
    press(55);
    EXPECT_EQ(prompter.questions, QStringList({"Kill Line ?", "Kill Line ?"}));
    EXPECT_EQ(rowTag(0, 5), "next");
    EXPECT_EQ(rowTag(0, 12), "p1r0");
    EXPECT_EQ(rowTag(2, 12), "p3r0");
}

TEST_F(GridEditorTest, RowsBeyondThePagesInUseDoNothingAndPage21KeepsItsLastRow) {
    editor.setPagesInUse(22);
    fillRow(21, 12, "last");
    editor.view().showPage(21);
    grid().setMode(GridEditor::DeleteRow);
    press(0);
    EXPECT_EQ(rowTag(21, 12), "last");
    editor.setPagesInUse(3);
    fillRow(21, 0, "far");
    grid().setMode(GridEditor::InsertRow);
    press(0); // page 21 is on screen, beyond the pages in use
    EXPECT_EQ(rowTag(21, 0), "far");
    EXPECT_EQ(rowTag(21, 1), "");
}

TEST_F(GridEditorTest, LabelPressesSwitchTheMark) {
    editor.view().showPage(0);
    grid().pressLabel(9, GridEditor::Left);
    EXPECT_EQ(map().cell(0, 9).C, "0");
    grid().pressLabel(9, GridEditor::Left);
    EXPECT_EQ(map().cell(0, 9).C, "1");
    grid().pressLabel(9, GridEditor::Right);
    EXPECT_EQ(map().cell(0, 9).C, "1");
}

TEST_F(GridEditorTest, TheOperandBoxLabelsTheRightPressedCell) {
    map().cell(0, 4) = {"space.bmp", "old", "", ""};
    map().cell(0, 6) = {"no.bmp", "six", "", ""};
    editor.view().showPage(0);
    press(4, GridEditor::Right);
    EXPECT_TRUE(grid().operandBoxOpen());
    EXPECT_EQ(grid().operandText(), "old");
    EXPECT_EQ(editor.view().markedCell(), 4);
    press(6, GridEditor::Right); // re-targets the open box
    EXPECT_EQ(grid().operandText(), "six");
    press(7, GridEditor::Left); // while open, a left press edits nothing
    EXPECT_EQ(map().cell(0, 7).A, "");
    grid().setOperandText("X1.0");
    grid().enterOperand();
    EXPECT_EQ(map().cell(0, 6).B, "X1.0");
    EXPECT_TRUE(grid().operandBoxOpen());
    press(4, GridEditor::Right);
    grid().appendToOperand("Y");
    grid().confirmOperand();
    EXPECT_FALSE(grid().operandBoxOpen());
    EXPECT_EQ(map().cell(0, 4).B, "oldY");
    EXPECT_EQ(editor.view().cell(4).labelColour, PageView::Red); // "space.bmp" is not empty
    EXPECT_EQ(editor.view().markedCell(), 4);                    // goes on blinking
    grid().closeOperandBox();
    EXPECT_EQ(editor.view().markedCell(), PageView::NoCell);
}

TEST(GridEditorButtons, QtButtonsTakeTheEditorsCodes) {
    EXPECT_EQ(GridEditor::buttonOf(Qt::LeftButton), GridEditor::Left);
    EXPECT_EQ(GridEditor::buttonOf(Qt::RightButton), GridEditor::Right);
    EXPECT_EQ(GridEditor::buttonOf(Qt::MiddleButton), GridEditor::Middle);
    EXPECT_EQ(GridEditor::buttonOf(Qt::BackButton), GridEditor::NoButton);
}

TEST(OperandKeypad, TypingDeletingAndClearing) {
    using F = OperandKeypad::Field;
    OperandKeypad keypad;
    auto typed = keypad.press(21, F{"12", 2, 0}); // "H" at the end
    EXPECT_EQ(typed.text, "12&H");
    EXPECT_EQ(typed.caret, 4);
    typed = keypad.press(5, F{"AB", 0, 0}); // at position 0 it appends too
    EXPECT_EQ(typed.text, "AB5");
    typed = keypad.press(18, F{"D100 5", 4, 1}); // replaces the selection
    EXPECT_EQ(typed.text, "D100,5");
    EXPECT_EQ(typed.caret, 5);
    typed = keypad.press(7, F{"X  ", 3, 0}); // caret after trailing blanks
    EXPECT_EQ(typed.text, "X  7");
    EXPECT_EQ(typed.caret, 4);
    typed = keypad.press(7, F{"  X", 3, 0}); // trimmed length, not the end
    EXPECT_EQ(typed.caret, 2);
    EXPECT_EQ(keypad.press(OperandKeypad::Delete, F{"ABCD", 1, 2}).text, "AD");
    EXPECT_EQ(keypad.press(OperandKeypad::Delete, F{"ABCD", 1, 0}).text, "ABCD");
    EXPECT_EQ(keypad.press(OperandKeypad::Clear, F{"ABCD", 1, 0}).text, "");
}

TEST(OperandKeypad, TheColourKeySwitchesOnlyItsOwnColour) {
    OperandKeypad keypad;
    EXPECT_FALSE(keypad.colourKeyRed());
    EXPECT_EQ(keypad.press(OperandKeypad::Colour, {"AB", 1, 0}).text, "AB");
    EXPECT_TRUE(keypad.colourKeyRed());
    keypad.press(0, {});
    EXPECT_TRUE(keypad.colourKeyRed());
    keypad.press(OperandKeypad::Colour, {});
    EXPECT_FALSE(keypad.colourKeyRed());
}

TEST(OperandKeypad, TheCaptionedKeysAreInTheCaptionFilesOrder) {
    // The caption file names them delete, insert, clear and enter.
    QStringList captions;
    for (const int key : OperandKeypad::CaptionedKeys)
        captions << OperandKeypad::caption(key);
    EXPECT_EQ(captions, QStringList({"刪除", "插入", "清除", "確定輸入"}));
}

} // namespace
