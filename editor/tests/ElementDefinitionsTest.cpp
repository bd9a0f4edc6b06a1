// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePrompter.h"
#include "MapEditor.h"
#include "TestFolder.h"
#include "TextFile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class ElementDefinitionsTest : public ::testing::Test {
protected:
    ElementDefinitionsTest() {
        t.write("def/mapbk.def", "space.bmp\r\nno.bmp\r\n");
        t.write("def/map1.def", "X\r\n");
        t.write("def/NAME.TXT", "blank\r\ncontact\r\n");
        t.write("def/label.def", "X0.0\r\n");
        for (const char* name : {"space.bmp", "no.bmp", "nc.bmp"})
            t.write(QString("BMP/") + name, "b");
        editor.start();
    }
    QString file(const char* name) { return TextFile::read(t.path(name)).value_or("<missing>"); }

    TestFolder t;
    FakePrompter prompter;
    MapEditor editor{t.folder(), prompter};
    ElementDefinitions& definitions = editor.definitions();
};

TEST_F(ElementDefinitionsTest, DesignerModeNeedsTheAccessTextInTheFileNameBox) {
    definitions.designerBoxChanged(true, "Kelm tavo");
    EXPECT_FALSE(definitions.designer());
    EXPECT_FALSE(definitions.open(1).has_value());
    EXPECT_FALSE(editor.labels().editEnabled());
    definitions.designerBoxChanged(true, "Kelm Tavo");
    EXPECT_TRUE(definitions.designer());
    EXPECT_TRUE(editor.labels().editEnabled());
    const auto draft = definitions.open(1);
    ASSERT_TRUE(draft.has_value());
    EXPECT_EQ(draft->templateText, "X");
    EXPECT_EQ(draft->bitmapName, "no.bmp");
    EXPECT_EQ(draft->name, "contact");
    definitions.designerBoxChanged(false, "Kelm Tavo");
    EXPECT_FALSE(definitions.designer());
}

TEST_F(ElementDefinitionsTest, StoringMarksLineEndsAndRewritesTheFiles) {
    definitions.designerBoxChanged(true, ElementDefinitions::AccessText);
    ASSERT_TRUE(definitions.store({5, "LD @\nAND X", "nc.bmp", "new, name"}));
    EXPECT_EQ(file("def/map5.def"), "LD @ >\r\nAND X\r\n");
    EXPECT_EQ(editor.catalogue().templateOf(5), "\r\nLD @ >\r\nAND X");
    EXPECT_EQ(editor.catalogue().slotBitmap(5), "nc.bmp");
    EXPECT_EQ(editor.catalogue().paletteBitmap(5), ""); // lookups see it after a restart
    EXPECT_TRUE(editor.pictures().slotPicture(5).endsWith("BMP/nc.bmp"));
    EXPECT_TRUE(file("def/mapbk.def").startsWith("space.bmp\r\nno.bmp\r\nspace.bmp\r\n"));
    EXPECT_EQ(file("def/mapbk.def").count("\r\n"), 255);
    EXPECT_TRUE(file("def/NAME.TXT").contains("\r\nnew, name\r\n"));

    // Opening the slot again shows what was stored, so storing it again
    // changes nothing.
    const auto again = definitions.open(5);
    ASSERT_TRUE(again.has_value());
    ASSERT_TRUE(definitions.store(*again));
    EXPECT_EQ(file("def/map5.def"), "LD @ >\r\nAND X\r\n");
}

TEST(ElementDefinitionsRule, LineEndMarks) {
    EXPECT_EQ(ElementDefinitions::markLineEnds("LD @\r\nAND X"), "LD @ >\r\nAND X");
    EXPECT_EQ(ElementDefinitions::markLineEnds("LD >\r\nAND X"), "LD >\r\nAND X");
    EXPECT_EQ(ElementDefinitions::markLineEnds("X"), "X");
    EXPECT_EQ(ElementDefinitions::markLineEnds("A\r\nB\r\n"), "A >\r\nB >\r\n");
}

TEST_F(ElementDefinitionsTest, AnEmptyBitmapNameStoresSpace) {
    ASSERT_TRUE(definitions.store({1, "X", "  ", "c"}));
    EXPECT_EQ(editor.catalogue().slotBitmap(1), "space.bmp");
}

TEST_F(ElementDefinitionsTest, PaletteCopyWritesTheSlot) {
    editor.grid().selectSlot(1);
    editor.paletteRightPressed(60); // the element-copy box is not ticked
    EXPECT_EQ(editor.catalogue().slotBitmap(60), "space.bmp");
    editor.setElementCopy(true);
    editor.paletteRightPressed(60);
    EXPECT_EQ(file("def/map60.def"), "\r\nX\r\n"); // a first empty line, as read
    EXPECT_EQ(editor.catalogue().slotBitmap(60), "no.bmp");
    EXPECT_EQ(file("def/mapbk.def").split("\r\n")[60], "no.bmp");
}

TEST_F(ElementDefinitionsTest, AFileThatCannotBeWrittenIsReportedOnceAndKept) {
    QDir().mkpath(t.path("def/map7.def/blocked")); // a folder where the file goes
    EXPECT_FALSE(definitions.store({7, "Y", "no.bmp", "seven"}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("map7.def"));
    EXPECT_EQ(editor.catalogue().templateOf(7), "");       // read again from the files
    EXPECT_TRUE(file("def/mapbk.def").contains("no.bmp")); // the others were written
}

TEST_F(ElementDefinitionsTest, TheLabelListIsEditedOnlyInDesignerMode) {
    LabelList& labels = editor.labels();
    labels.startEdit();
    EXPECT_FALSE(labels.editing());
    definitions.designerBoxChanged(true, ElementDefinitions::AccessText);
    labels.startEdit();
    ASSERT_TRUE(labels.editing());
    labels.setText("\nM0.0\r\nM0.1");             // as typed into the box, or kept from the file
    EXPECT_EQ(labels.text(), "\r\nM0.0\r\nM0.1"); // the hardware table saved with maps
    labels.finishEdit();
    EXPECT_FALSE(labels.editing());
    // The text's line ends go in front of each line, the file's behind it.
    EXPECT_EQ(file("def/label.def"), "M0.0\r\nM0.1\r\n");
    EXPECT_EQ(labels.entries(), QStringList({"M0.0", "M0.1"}));
}

} // namespace
