// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapComparison.h"
#include "ElementCatalogue.h"
#include "MapFile.h"
#include "MapText.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>

namespace {

ElementCatalogue catalogue() {
    ElementCatalogue elements;
    const QStringList bitmaps{"space.bmp", "no.bmp", "out.bmp", "line3.bmp"};
    const QStringList templates{"", "\r\nX,", "\r\n*OUT,", "\r\nOR"};
    const QStringList names{"blank", "contact", "coil", "branch"};
    for (int slot = 0; slot < bitmaps.size(); ++slot) {
        elements.setPaletteBitmap(slot, bitmaps[slot]);
        elements.setTemplate(slot, templates[slot]);
        elements.setName(slot, names[slot]);
    }
    return elements;
}

// Cells on the first and the last page, of every kind: elements, a branch
// going down, a label without an element, a template without one.
LadderMap base() {
    LadderMap map;
    map.cell(0, 0) = {"no.bmp", "0,0", "1", "\r\nX,"};
    map.cell(0, 1) = {"line3.bmp", "", "0", "\r\nOR"};
    map.cell(0, 10) = {"out.bmp", "1,0", "1", "\r\n*OUT,"};
    map.cell(0, 12) = {"no.bmp", "0,1", "1", "\r\nX,"};
    map.cell(21, 142) = {"space.bmp", "note", "1", ""};
    map.cell(21, 0) = {"", "", "", "\r\nLD"};
    return map;
}

struct Edit {
    const char* what;
    int page, cell;
    std::function<void(CellRecord&)> change;
    MapComparison::Kind kind;
    QStringList fields;
    bool refreshed;
};

TEST(MapComparison, EachEditIsOneChangeAtItsPlace) {
    using K = MapComparison::Kind;
    const QList<Edit> edits{
        {"element", 0, 0, [](CellRecord& c) { c.A = "out.bmp"; }, K::Changed, {"element"}, false},
        {"label", 0, 12, [](CellRecord& c) { c.B = "0,7"; }, K::Changed, {"label"}, false},
        {"mark", 0, 1, [](CellRecord& c) { c.C = "1"; }, K::Changed, {"mark"}, false},
        {"template edit",
         0,
         0,
         [](CellRecord& c) { c.D = "\r\nY,"; },
         K::Changed,
         {"template"},
         false},
        {"template refresh",
         0,
         10,
         [](CellRecord& c) { c.D = "\r\n*OUT,"; },
         K::Changed,
         {"template"},
         true},
        {"label and template",
         0,
         0,
         [](CellRecord& c) {
             c = {"no.bmp", "0,5", "1", "\r\nY"};
         },
         K::Changed,
         {"label", "template"},
         false},
        {"added on the last cell",
         21,
         141,
         [](CellRecord& c) {
             c = {"no.bmp", "2,2", "1", ""};
         },
         K::Added,
         {},
         false},
        {"label-only cell removed",
         21,
         142,
         [](CellRecord& c) {
             c = {"space.bmp", "", "", ""};
         },
         K::Removed,
         {},
         false},
        {"template-only cell removed", 21, 0, [](CellRecord& c) { c = {}; }, K::Removed, {}, false},
        {"blanks around fields",
         0,
         12,
         [](CellRecord& c) {
             c.B = " 0,1 ";
             c.D = "\r\nX, ";
         },
         K::Changed,
         {},
         false},
    };
    const ElementCatalogue elements = catalogue();
    for (const Edit& edit : edits) {
        LadderMap before = base(), after = base();
        // The refresh case starts from a template older than the catalogue's.
        if (edit.refreshed) before.cell(edit.page, edit.cell).D = "\r\nOUT,";
        edit.change(after.cell(edit.page, edit.cell));
        const auto changes = MapComparison::compare(before, after, elements);
        if (edit.fields.isEmpty() && edit.kind == K::Changed) {
            EXPECT_TRUE(changes.isEmpty()) << edit.what << ": the files would be the same";
            continue;
        }
        ASSERT_EQ(changes.size(), 1) << edit.what;
        const MapComparison::Change& c = changes[0];
        EXPECT_EQ(c.page, edit.page) << edit.what;
        EXPECT_EQ(c.cell, edit.cell) << edit.what;
        EXPECT_EQ(c.kind, edit.kind) << edit.what;
        EXPECT_EQ(c.fields, edit.fields) << edit.what;
        EXPECT_EQ(c.templateRefreshed, edit.refreshed) << edit.what;
    }
}

TEST(MapComparison, ChangesComeInTheOrderOfPageAndCell) {
    LadderMap before = base(), after = base();
    after.cell(21, 142).B = "other";
    after.cell(0, 12).B = "0,2";
    after.cell(3, 5).A = "no.bmp";
    QList<int> order;
    for (const auto& c : MapComparison::compare(before, after, catalogue()))
        order << c.page * LadderMap::CellsPerPage + c.cell;
    EXPECT_EQ(order, (QList<int>{12, 3 * 143 + 5, 21 * 143 + 142}));
    EXPECT_TRUE(MapComparison::compare(after, after, catalogue()).isEmpty());
}

TEST(MapText, ShowsRungsWithTheBranchesTheyReach) {
    LadderMap map = base();
    map.cell(0, 33) = {"no.bmp", "0,4", "1", "\r\nX,"}; // row 4: a rung of its own
    map.cell(0, 34) = {"mystery.bmp", "", "5", "\r\nZZ"};
    EXPECT_EQ(
        MapText::show(map, catalogue()),
        "page 1\n"
        "  rung at row 1\n"
        "    row 1 column 1: no.bmp contact, label 0,0\n"
        "    row 1 column 2: line3.bmp branch, branch goes down\n"
        "    row 1 column 11: out.bmp coil, label 1,0\n"
        "    row 2 column 2: no.bmp contact, label 0,1\n"
        "  rung at row 4\n"
        "    row 4 column 1: no.bmp contact, label 0,4\n"
        "    row 4 column 2: mystery.bmp (not in the catalogue), mark \"5\", template \"~ZZ\"\n"
        "\n"
        "page 22\n"
        "  rung at row 1\n"
        "    row 1 column 1: no element, mark \"\", template \"~LD\"\n"
        "  rung at row 13\n"
        "    row 13 column 11: space.bmp blank, label note\n");
}

TEST(MapText, TheSameMapReadsTheSameAfterASaveAndALoad) {
    const LadderMap map = base();
    QByteArray bytes = MapFile::write(map, LadderMap::Pages - 1).toUtf8();
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    LadderMap loaded;
    MapFile::read(file, loaded);
    EXPECT_EQ(MapText::show(loaded, catalogue()), MapText::show(map, catalogue()));
    EXPECT_TRUE(MapComparison::compare(map, loaded, catalogue()).isEmpty());
}

} // namespace
