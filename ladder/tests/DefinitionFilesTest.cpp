// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "TestFolder.h"
#include "TextFile.h"

#include <gtest/gtest.h>

TEST(DefinitionFiles, TemplatesAreTheLinesEachWithCrLfInFront) {
    TestFolder t;
    t.write("def/map7.def", "LD\r\nOUT\r\n");
    t.write("def/MAP254.DEF", "\xa6\x57"); // one Big5 character, any letter case
    ElementCatalogue catalogue;
    catalogue.setTemplate(8, "stale");
    DefinitionFiles(t.folder()).loadTemplates(catalogue);
    EXPECT_EQ(catalogue.templateOf(7), "\r\nLD\r\nOUT");
    EXPECT_EQ(catalogue.templateOf(254), u"\r\n名"_qs);
    EXPECT_EQ(catalogue.templateOf(8), ""); // missing file: empty template
}

TEST(DefinitionFiles, PaletteBitmapsFillTheListedSlotsOnly) {
    TestFolder t;
    QByteArray lines;
    for (int i = 0; i < 60; ++i)
        lines += "e" + QByteArray::number(i) + ".bmp\r\n";
    t.write("def/mapbk.def", lines);
    ElementCatalogue catalogue;
    catalogue.setSlotBitmap(60, "space.bmp");
    DefinitionFiles files(t.folder());
    EXPECT_EQ(files.loadPaletteBitmaps(catalogue), 60);
    EXPECT_EQ(catalogue.slotBitmap(59), "e59.bmp");
    EXPECT_EQ(catalogue.paletteBitmap(59), "e59.bmp");
    EXPECT_EQ(catalogue.slotBitmap(60), "space.bmp");
    EXPECT_EQ(catalogue.paletteBitmap(60), "");
}

TEST(DefinitionFiles, ACommaInAnElementNameShiftsTheFollowingNames) {
    TestFolder t;
    t.write("def/name.txt", "contact\r\ntimer, on delay\r\ncoil\r\n");
    ElementCatalogue catalogue;
    DefinitionFiles(t.folder()).loadNames(catalogue);
    EXPECT_EQ(catalogue.name(0), "contact");
    EXPECT_EQ(catalogue.name(1), "timer");
    EXPECT_EQ(catalogue.name(2), "on delay");
    EXPECT_EQ(catalogue.name(3), "coil");
}

TEST(DefinitionFiles, PageCountReadsTheLeadingNumber) {
    TestFolder t;
    DefinitionFiles files(t.folder());
    EXPECT_FALSE(files.readPageCount().has_value());
    t.write("def/mpage.def", " 3\r\n");
    EXPECT_EQ(files.readPageCount(), 3);
    t.write("def/mpage.def", "zero\r\n");
    EXPECT_FALSE(files.readPageCount().has_value());

    QString error;
    ASSERT_TRUE(files.writePageCount(5, &error));
    EXPECT_EQ(TextFile::read(t.path("def/mpage.def")).value(), " 5\r\n");
}
