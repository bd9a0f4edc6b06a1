// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of every kind of map edit, the modified state, and what a
// save or leaving asks when the map has changed.

#include "FakePrompter.h"
#include "MapEditor.h"
#include "MapFile.h"
#include "TestFolder.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every field of every cell, for comparing whole maps.
QStringList cells(const LadderMap& map) {
    QStringList out;
    for (int p = 0; p < LadderMap::Pages; ++p)
        for (int c = 0; c < LadderMap::CellsPerPage; ++c) {
            const CellRecord& r = map.cell(p, c);
            out << r.A + '|' + r.B + '|' + r.C + '|' + r.D;
        }
    return out;
}

class EditHistoryTest : public ::testing::Test {
protected:
    EditHistoryTest() {
        t.write("def/mpage.def", " 3\r\n");
        t.write("def/mapbk.def", "space.bmp\r\nno.bmp\r\n");
        t.write("def/map1.def", "IN\r\n");
        t.write("BMP/no.bmp", "b");
        LadderMap two;
        two.cell(0, 7) = {"no.bmp", "0,7", "1", "IN"};
        t.write("PLC/TWO.MAP", MapFile::write(two, 0).toUtf8());
        editor.start();
        editor.mapFiles().browser().setFolder(t.path("PLC"));
        editor.grid().selectSlot(1);
        // Something on two pages, for the row operations to move.
        for (int p = 0; p < 2; ++p)
            for (int c = 0; c < LadderMap::CellsPerPage; c += 5)
                editor.map().cell(p, c) = {"no.bmp", QString::number(c), "1", "IN"};
        editor.view().showPage(0);
    }
    void press(int cell, int mode) {
        editor.grid().setMode(mode);
        editor.grid().pressCell(cell, GridEditor::Left);
    }

    TestFolder t;
    FakePrompter prompter;
    MapEditor editor{t.folder(), prompter};
};

TEST_F(EditHistoryTest, EveryEditIsTakenBackAndDoneAgain) {
    GridEditor& grid = editor.grid();
    const struct {
        const char* name;
        std::function<void()> edit;
    } edits[] = {
        {"place", [&] { press(1, GridEditor::Place); }},
        {"delete", [&] { press(0, GridEditor::Delete); }},
        {"insert", [&] { press(2, GridEditor::Insert); }},
        {"insert row", [&] { press(13, GridEditor::InsertRow); }},
        {"delete row", [&] { press(130, GridEditor::DeleteRow); }},
        {"copy row above", [&] { press(24, GridEditor::CopyRowAbove); }},
        {"delete label", [&] { press(5, GridEditor::DeleteLabel); }},
        {"cut", [&] { press(10, GridEditor::Cut); }},
        {"label",
         [&] {
             grid.pressCell(3, GridEditor::Right);
             grid.setOperandText("0,3");
             grid.confirmOperand();
         }},
        {"label transparency", [&] { grid.pressLabel(4, GridEditor::Left); }},
        {"clear", [&] { editor.clearAll(); }},
        {"load",
         [&] {
             editor.mapFiles().setFileName("TWO.MAP");
             editor.mapFiles().load();
         }},
    };
    EditHistory& history = editor.history();
    for (const auto& e : edits) {
        editor.view().showPage(0);
        const QStringList before = cells(editor.map());
        e.edit();
        const QStringList after = cells(editor.map());
        ASSERT_NE(before, after) << e.name;
        EXPECT_EQ(history.undoText(), e.name);
        history.undo();
        EXPECT_EQ(cells(editor.map()), before) << e.name;
        history.redo();
        EXPECT_EQ(cells(editor.map()), after) << e.name;
    }
    // Unlimited: all the way back to the start and forward again.
    const QStringList last = cells(editor.map());
    while (history.canUndo())
        history.undo();
    EXPECT_EQ(editor.map().cell(1, 5).A, "no.bmp");
    while (history.canRedo())
        history.redo();
    EXPECT_EQ(cells(editor.map()), last);
    // A new edit drops what was undone.
    history.undo();
    press(1, GridEditor::Place);
    EXPECT_FALSE(history.canRedo());
}

TEST_F(EditHistoryTest, DesignerEditsAreUndoneByRewritingTheirFilesInOneOrderWithTheMap) {
    const auto file = [&](const char* name) { return TextFile::read(t.path(name)); };
    const auto mapbk = file("def/mapbk.def");
    t.write("def/label.def", "0,1\r\n");
    editor.labels().load();
    editor.definitions().designerBoxChanged(true, ElementDefinitions::AccessText);
    editor.setElementCopy(true);

    editor.paletteRightPressed(5); // the selected no.bmp into slot 5
    EXPECT_EQ(editor.catalogue().slotBitmap(5), "no.bmp");
    ASSERT_TRUE(file("def/map5.def").has_value());
    press(1, GridEditor::Place);
    LabelList& labels = editor.labels();
    labels.startEdit();
    labels.setText("\r\n0,1\r\n0,2");
    labels.finishEdit();
    EXPECT_EQ(labels.entries().size(), 2);

    EditHistory& history = editor.history();
    EXPECT_EQ(history.undoText(), "label list");
    history.undo();
    history.undo(); // the map edit: the map is as it was, the palette copy stays
    EXPECT_FALSE(history.modified()) << "definition files are not the map";
    history.redo();
    history.redo();
    history.undo();
    EXPECT_EQ(file("def/label.def"), "0,1\r\n");
    EXPECT_EQ(labels.entries(), QStringList{"0,1"});
    history.undo(); // the map edit between
    EXPECT_TRUE(editor.map().cell(0, 1).A.isEmpty());
    history.undo();
    EXPECT_EQ(file("def/mapbk.def"), mapbk);
    EXPECT_FALSE(file("def/map5.def").has_value()) << "it was made by the copy";
    EXPECT_EQ(editor.catalogue().slotBitmap(5), "space.bmp");
    history.redo();
    EXPECT_EQ(editor.catalogue().slotBitmap(5), "no.bmp");
}

TEST_F(EditHistoryTest, TheMapIsModifiedOnlyAwayFromWhatWasSavedOrLoaded) {
    EditHistory& history = editor.history();
    EXPECT_FALSE(history.modified());
    EXPECT_TRUE(editor.mayDiscardChanges());
    EXPECT_TRUE(prompter.questions.isEmpty()) << "no changes, no question";

    press(1, GridEditor::Place);
    EXPECT_TRUE(history.modified());
    history.undo();
    EXPECT_FALSE(history.modified());
    history.redo();

    prompter.choice = 2; // Cancel
    EXPECT_FALSE(editor.mayDiscardChanges());
    prompter.choice = 1; // Discard
    EXPECT_TRUE(editor.mayDiscardChanges());
    EXPECT_TRUE(history.modified());
    prompter.choice = 0; // Save
    editor.mapFiles().setFileName("KEPT.MAP");
    EXPECT_TRUE(editor.mayDiscardChanges());
    EXPECT_FALSE(history.modified());
    EXPECT_TRUE(TextFile::read(t.path("PLC/KEPT.MAP")).has_value());
}

TEST_F(EditHistoryTest, ASaveAsksBeforeLeavingOutPagesThatHoldElements) {
    // The slider at 1 saves pages 1 and 2; page 4 holds an element.
    editor.setPagesInUse(1);
    editor.map().cell(3, 5) = {"no.bmp", "", "1", "IN"};
    editor.mapFiles().setFileName("SLIDER.MAP");
    const auto pagesSaved = [&] {
        LadderMap read;
        QFile file(t.path("PLC/SLIDER.MAP"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        MapFile::read(file, read);
        return read.cell(3, 5).A.trimmed();
    };
    prompter.choice = 1; // as the slider says
    ASSERT_TRUE(editor.mapFiles().save());
    EXPECT_TRUE(prompter.questions.last().startsWith("Page 4 holds elements, but the page slider "
                                                     "saves only pages 1 to 2."));
    EXPECT_EQ(pagesSaved(), "");
    prompter.choice = 0; // include them
    ASSERT_TRUE(editor.mapFiles().save());
    EXPECT_EQ(editor.map().pagesInUse(), 3);
    EXPECT_EQ(pagesSaved(), "no.bmp");
}

TEST_F(EditHistoryTest, ALabelThatTheFileWouldCutIsRefused) {
    GridEditor& grid = editor.grid();
    grid.pressCell(3, GridEditor::Right);
    grid.setOperandText("0,3 C=1");
    grid.confirmOperand();
    EXPECT_TRUE(prompter.messages.last().startsWith("A label cannot hold \"C=\""));
    EXPECT_TRUE(grid.operandBoxOpen());
    EXPECT_EQ(editor.map().cell(0, 3).B, "");
    EXPECT_FALSE(editor.history().canUndo());
}

TEST_F(EditHistoryTest, EditingTheLabelListAddsNoBlankLine) {
    t.write("def/label.def", "0,1\r\n0,2\r\n");
    LabelList& labels = editor.labels();
    labels.load();
    labels.setEditEnabled(true);
    for (int round = 0; round < 2; ++round) {
        labels.startEdit();
        labels.setText(labels.text());
        labels.finishEdit();
        labels.load();
    }
    const auto file = TextFile::read(t.path("def/label.def"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(*file, "0,1\r\n0,2\r\n");
}

} // namespace
