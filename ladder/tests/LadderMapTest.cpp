// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderMap.h"
#include "ElementCatalogue.h"

#include <gtest/gtest.h>

TEST(LadderMap, ClearingEmptiesOnlyThePagesInUse) {
    LadderMap map;
    for (int page = 0; page < LadderMap::Pages; ++page)
        map.cell(page, 142) = {"no.bmp", "X0", "0", "\r\nX"};
    map.setPagesInUse(3);
    map.clr_map();
    for (int page = 0; page < 3; ++page) {
        const CellRecord& cleared = map.cell(page, 142);
        EXPECT_TRUE(cleared.A.isEmpty() && cleared.B.isEmpty() && cleared.C.isEmpty() &&
                    cleared.D.isEmpty());
    }
    for (int page = 3; page < LadderMap::Pages; ++page)
        EXPECT_EQ(map.cell(page, 142).B, "X0");
}

TEST(LadderMap, PagesInUseStayWithinTheSlidersRange) {
    LadderMap map;
    map.setPagesInUse(0);
    EXPECT_EQ(map.pagesInUse(), 1);
    map.setPagesInUse(40);
    EXPECT_EQ(map.pagesInUse(), 22);
}

TEST(LadderMap, SpaceAndEmptyNamesHoldNoElement) {
    EXPECT_FALSE(LadderMap::holdsElement(""));
    EXPECT_FALSE(LadderMap::holdsElement("  space.bmp "));
    EXPECT_TRUE(LadderMap::holdsElement(" no.bmp"));
    EXPECT_TRUE(LadderMap::holdsElement("SPACE.BMP")); // names compare exactly
}

TEST(ElementCatalogue, LookupTakesTheHighestMatchingSlot) {
    ElementCatalogue catalogue;
    catalogue.setPaletteBitmap(3, "no.bmp");
    catalogue.setPaletteBitmap(150, " no.bmp ");
    catalogue.setPaletteBitmap(230, "no.bmp");
    EXPECT_EQ(catalogue.lookup("no.bmp"), 230);
    EXPECT_EQ(catalogue.lookup(" no.bmp", ElementCatalogue::LastConvertedSlot), 150);
    EXPECT_EQ(catalogue.lookup("no.bmp", 2), -1);
    EXPECT_EQ(catalogue.lookup("nc.bmp"), -1);
    // Changing a slot's name takes effect in the next lookup.
    catalogue.setPaletteBitmap(230, "nc.bmp");
    EXPECT_EQ(catalogue.lookup("no.bmp"), 150);
    EXPECT_EQ(catalogue.lookup("nc.bmp"), 230);
}

TEST(ElementCatalogue, TemplateRefreshSkipsEmptyCellsAndUnknownElements) {
    ElementCatalogue catalogue;
    catalogue.setPaletteBitmap(0, "space.bmp");
    catalogue.setTemplate(0, "\r\nBLANK");
    catalogue.setPaletteBitmap(7, "no.bmp");
    catalogue.setTemplate(7, "\r\nX");
    LadderMap map;
    map.cell(4, 0) = {"no.bmp", "", "", "old"};
    map.cell(4, 1) = {"space.bmp", "", "", "kept"};
    map.cell(4, 2) = {"ghost.bmp", "", "", "kept too"};
    map.cell(5, 0) = {"no.bmp", "", "", "other page"};
    catalogue.refreshTemplates(map, 4);
    EXPECT_EQ(map.cell(4, 0).D, "\r\nX");
    EXPECT_EQ(map.cell(4, 1).D, "kept");
    EXPECT_EQ(map.cell(4, 2).D, "kept too");
    EXPECT_EQ(map.cell(5, 0).D, "other page");
}
