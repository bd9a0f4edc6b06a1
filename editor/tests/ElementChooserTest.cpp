// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePrompter.h"
#include "MapEditor.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

class ElementChooserTest : public ::testing::Test {
protected:
    ElementChooserTest() {
        // Group 1 has slots 0 to 50, group 3 begins at slot 102.
        QByteArray bitmaps = "space.bmp\r\nline1.bmp\r\nno.bmp\r\nnc.bmp\r\nout.bmp\r\n"
                             "nout.bmp\r\ndel_s.bmp\r\n";
        for (int slot = 7; slot < 102; ++slot)
            bitmaps += "space.bmp\r\n";
        bitmaps += "no.bmp\r\nkey.bmp\r\n";
        t.write("def/mapbk.def", bitmaps);
        t.write("def/NAME.TXT", "Blank,Horizontal line,Normally open contact,Normally closed "
                                "contact,Output coil,Inverted output coil,Delay timer\r\n");
        t.write("def/map2.def", "IN @\r\n");
        t.write("def/map6.def", "TIM @\r\n");
        t.write("def/map102.def", "IN @\r\n");
        editor.start();
    }

    ElementChooser& chooser() { return editor.chooser(); }

    TestFolder t;
    FakePrompter prompter;
    MapEditor editor{t.folder(), prompter};
};

TEST_F(ElementChooserTest, TheBitmapNamedFirstThenWordsThenAnywhereThenLettersInOrder) {
    EXPECT_EQ(chooser().matches("no"), (QList<int>{2, 3, 5})); // nc: "Normally"
    EXPECT_EQ(chooser().matches("OUT"), (QList<int>{4, 5}));
    EXPECT_EQ(chooser().matches("tim"), (QList<int>{6})); // a word and the template
    EXPECT_EQ(chooser().matches("tmr"), (QList<int>{6}));
    EXPECT_EQ(chooser().matches("contact"), (QList<int>{2, 3}));
    EXPECT_TRUE(chooser().matches("zzz").isEmpty());
    // Everything but the blank slots; the same element of another group once.
    EXPECT_EQ(chooser().matches(""), (QList<int>{1, 2, 3, 4, 5, 6, 103}));

    editor.chooseProduct(1); // a product offering group 3 only
    EXPECT_EQ(chooser().matches(""), (QList<int>{102, 103}));
    EXPECT_EQ(chooser().matches("no"), QList<int>{102});
}

TEST_F(ElementChooserTest, TheLatestElementsComeBackOnTheirNumbers) {
    EXPECT_FALSE(chooser().chooseRecent(1));
    editor.grid().selectSlot(2); // the palette counts as well
    chooser().choose(4);
    chooser().choose(2);
    EXPECT_EQ(chooser().recent(), (QList<int>{2, 4}));
    ASSERT_TRUE(chooser().chooseRecent(2));
    EXPECT_EQ(editor.grid().element().bitmapName, "out.bmp");
    EXPECT_EQ(editor.grid().selectedSlot(), 4);
    EXPECT_FALSE(chooser().chooseRecent(3));

    for (int slot = 1; slot < 12; ++slot)
        chooser().choose(slot);
    EXPECT_EQ(chooser().recent().size(), ElementChooser::RecentCount);
    EXPECT_EQ(chooser().recent().first(), 11);
    // Ctrl+digit on the grid is the same choice.
    EXPECT_TRUE(editor.cursor().press(Qt::Key_3, Qt::ControlModifier, {}));
    EXPECT_EQ(editor.grid().selectedSlot(), 9);
}

} // namespace
