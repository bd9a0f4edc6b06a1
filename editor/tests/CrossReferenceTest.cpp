// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrossReference.h"
#include "LadderMap.h"

#include <gtest/gtest.h>

namespace {

void put(LadderMap& map, int page, int cell, const QString& bitmap, const QString& label) {
    map.cell(page, cell).A = bitmap;
    map.cell(page, cell).B = label;
}

QStringList described(const QList<CrossReference::Group>& groups) {
    QStringList lines;
    for (const auto& group : groups) {
        lines << group.title;
        for (const auto& entry : group.entries)
            lines << CrossReference::line(entry);
    }
    return lines;
}

TEST(CrossReference, BitsAreGroupedByRegisterWhateverWayTheyWereTyped) {
    LadderMap map;
    put(map, 0, 0, "no.bmp", "0,3");
    put(map, 0, 10, "out.bmp", " 0, 3 "); // same row as the contact: one use
    put(map, 2, 22, "nc.bmp", "&H0,3");   // page 3, row 29
    put(map, 2, 23, "orm.bmp", "0,10");
    put(map, 0, 12, "out.bmp", "1,0");
    put(map, 1, 0, "mem_s.bmp", "7,63");
    put(map, 1, 1, "cot_s.bmp", "5,100"); // two operands, not a bit
    put(map, 1, 2, "goto.bmp", "7");
    put(map, 1, 3, "no.bmp", "X0.1"); // not a number: listed as typed
    put(map, 1, 4, "line10.bmp", ""); // no label, no entry
    put(map, 3, 0, "no.bmp", "4,4");  // beyond the pages asked for

    EXPECT_EQ(
        described(CrossReference::build(map, 3)),
        (QStringList{"Register 0", "0,3    no out nc    page 1 row 1; page 3 row 29",
                     "0,10    orm    page 3 row 29", "Register 1", "1,0    out    page 1 row 2",
                     "Register 7", "7,63    mem_s    page 2 row 14", "Other operands",
                     "5,100    cot_s    page 2 row 14", "7    goto    page 2 row 14",
                     "X0.1    no    page 2 row 14"}));
}

TEST(CrossReference, RowsOfOnePageAreListedTogether) {
    LadderMap map;
    put(map, 0, 0, "no.bmp", "2,1");
    put(map, 0, 33, "no.bmp", "2,1");
    put(map, 1, 0, "nc.bmp", "2,1");
    const auto groups = CrossReference::build(map, 2);
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(CrossReference::line(groups[0].entries[0]),
              "2,1    no nc    page 1 rows 1, 4; page 2 row 14");
}

} // namespace
