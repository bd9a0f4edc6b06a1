#include "MapEditor.h"
#include "FakePrompter.h"
#include "ProductChoice.h"
#include "TestFolder.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class MapEditorTest : public ::testing::Test {
protected:
    MapEditorTest() {
        t.write("def/mpage.def", " 3\r\n");
        t.write("def/mapbk.def", "line1.bmp\r\nno.bmp\r\n");
        t.write("def/map1.def", "X\r\n");
        t.write("def/label.def", "X0.0\r\nY0.0\r\n");
        t.write("def/NAME.TXT", "line,contact\r\n");
        for (const char* name : {"space.bmp", "line1.bmp", "no.bmp"}) {
            t.write(QString("BMP/") + name, "b");
            t.write(QString("BMP_T/") + name, "b");
        }
    }

    TestFolder t;
    FakePrompter prompter;
};

TEST_F(MapEditorTest, StartUpLoadsEverythingAndShowsTheFirstPage) {
    MapEditor editor(t.folder(), prompter);
    QSignalSpy products(&editor, &MapEditor::productChanged);
    editor.start();
    EXPECT_EQ(editor.map().pagesInUse(), 3);
    EXPECT_EQ(editor.map().currentPage(), 0);
    EXPECT_EQ(editor.view().pageButtonColour(0), PageView::Violet);
    EXPECT_EQ(editor.view().pageButtonColour(1), PageView::Orange);
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(editor.catalogue().templateOf(1), "\r\nX");
    EXPECT_EQ(editor.catalogue().name(1), "contact");
    EXPECT_EQ(editor.catalogue().slotBitmap(2), "space.bmp");
    EXPECT_EQ(editor.pictures().slotPicture(1), t.path("BMP/no.bmp"));
    EXPECT_EQ(editor.labels().text(), "\r\nX0.0\r\nY0.0");
    EXPECT_EQ(editor.labels().entries(), QStringList({"X0.0", "Y0.0"}));
    ASSERT_EQ(products.size(), 1);
    EXPECT_EQ(editor.product(), 0);
    EXPECT_EQ(ProductChoice::product(editor.product()).mapFolder, "PLC");
}

TEST_F(MapEditorTest, AMissingDefinitionFolderStillStarts) {
    QDir(t.path("def")).removeRecursively();
    MapEditor editor(t.folder(), prompter);
    editor.start();
    EXPECT_EQ(editor.map().pagesInUse(), 1);
    EXPECT_EQ(editor.catalogue().slotBitmap(0), "space.bmp");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(MapEditorTest, TheBitmapFolderSwitchReloadsThePalettePictures) {
    MapEditor editor(t.folder(), prompter);
    editor.start();
    editor.map().cell(0, 0).A = "no.bmp";
    editor.setAlternativeIcons(true);
    EXPECT_TRUE(editor.alternativeIcons());
    EXPECT_EQ(editor.pictures().slotPicture(1), t.path("BMP_T/no.bmp"));
    EXPECT_EQ(editor.view().cell(0).picture, t.path("BMP_T/no.bmp"));
    editor.setAlternativeIcons(false);
    EXPECT_EQ(editor.view().cell(0).picture, t.path("BMP/no.bmp"));
}

TEST_F(MapEditorTest, ThePageCountIsStoredAndAFailureIsToldOnce) {
    MapEditor editor(t.folder(), prompter);
    editor.start();
    editor.setPagesInUse(7);
    EXPECT_EQ(editor.map().pagesInUse(), 7);
    EXPECT_EQ(*DefinitionFiles(t.folder()).readPageCount(), 7);

    // A folder where the file should be makes every write fail.
    QFile::remove(t.path("def/mpage.def"));
    QDir().mkpath(t.path("def/mpage.def"));
    editor.setPagesInUse(8);
    editor.setPagesInUse(9);
    EXPECT_EQ(editor.map().pagesInUse(), 9);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("mpage.def"));
}

// Command button 1 opens the download window as well only for the code
// exactly; the box is emptied only then.
TEST_F(MapEditorTest, TheAccessCodeCountsOnlyExactly) {
    MapEditor editor(t.folder(), prompter);
    editor.start();
    for (const char* typed : {"", " 581204967", "581204967 ", "581204968", "581204967\n"}) {
        editor.view().setInstructionPreview(typed);
        EXPECT_FALSE(editor.takeAccessCode()) << typed;
        EXPECT_EQ(editor.view().instructionPreview(), typed);
    }
    editor.view().setInstructionPreview(MapEditor::AccessCode);
    EXPECT_TRUE(editor.takeAccessCode());
    EXPECT_EQ(editor.view().instructionPreview(), "");
    EXPECT_FALSE(editor.takeAccessCode());
}

} // namespace
