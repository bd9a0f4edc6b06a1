// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapCheck.h"
#include "AssemblyPass.h"
#include "CodeImage.h"
#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "InstructionSet.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "MapFile.h"
#include "ProgramFolder.h"
#include "ShippedFolder.h"
#include "SourceReplacement.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Cells as "row,column element label", one rung a row, on page 1 unless
// told.
struct Cell {
    int row, column;
    QString element, label;
    int page = 0;
};

class MapCheckTest : public ::testing::Test {
protected:
    MapCheckTest() : folder(shipped.path()) {
        const DefinitionFiles files(folder);
        files.loadTemplates(catalogue);
        files.loadPaletteBitmaps(catalogue);
    }
    LadderMap mapOf(const QList<Cell>& cells) const {
        LadderMap map;
        map.setPagesInUse(1);
        for (const Cell& c : cells)
            map.cell(c.page, LadderMap::cellAt(c.row, c.column)) = {c.element, c.label, "1", ""};
        return map;
    }
    QList<Finding> check(const LadderMap& map) const {
        return MapCheck::run(map, catalogue, folder);
    }

    ShippedFolder shipped;
    ProgramFolder folder;
    ElementCatalogue catalogue;
};

struct Mistake {
    const char* what;
    QList<Cell> cells;
    QString place; // of the one finding
    bool error;
    QString says;
};

// Each map holds one mistake, and the check finds that one on its cell.
TEST_F(MapCheckTest, FindsTheOneMistakeOfEachMapOnItsCell) {
    const QList<Cell> coil{{0, 0, "no.bmp", "0,0"}, {0, 1, "out.bmp", "1,0"}};
    const QList<Mistake> mistakes{
        {"register past its field",
         {{0, 0, "no.bmp", "9,3"}, {0, 1, "out.bmp", "1,0"}},
         "1:1:1",
         true,
         "register 9 is outside 0\u20137 for IN; the controller would run OR,1,3 instead (C9 03)"},
        {"bit past its field",
         {{0, 0, "no.bmp", "0,0"}, {0, 1, "out.bmp", "1,70"}},
         "1:1:2",
         true,
         "bit 70 is outside 0\u201363 for OUT; the controller would run OUT,1,6 instead (C1 86)"},
        {"a negative register",
         {{0, 0, "no.bmp", "-1,0"}, {0, 1, "out.bmp", "1,0"}},
         "1:1:1",
         true,
         "register -1 is outside 0\u20137 for IN; the controller would get BF 00, which is no "
         "instruction"},
        {"bit missing",
         {{0, 0, "no.bmp", "0"}, {0, 1, "out.bmp", "1,0"}},
         "1:1:1",
         true,
         "bit is missing for IN; the controller would run IN,0,0 instead (C0 00)"},
        {"text where the bit goes",
         {{0, 0, "no.bmp", "0,x"}, {0, 1, "out.bmp", "1,0"}},
         "1:1:1",
         true,
         "bit \"X\" is not a number for IN; the controller would run IN,0,0 instead (C0 00)"},
        {"&H without hexadecimal digits",
         {{0, 0, "no.bmp", "&HZZ,1"}, {0, 1, "out.bmp", "1,0"}},
         "1:1:1",
         true,
         "the assembler stops at this rung"},
        {"empty label",
         {{0, 0, "no.bmp", ""}, {0, 1, "out.bmp", "1,0"}},
         "1:1:1",
         true,
         "operand 1 \"\" is empty"},
        {"one field for two", coil + QList<Cell>{{1, 0, "no.bmp", "0,1"}, {1, 1, "mgr.bmp", "5"}},
         "1:2:2", true, "the label \"5\" has one field; this element takes two"},
        {"address past a plain stack form",
         coil + QList<Cell>{{1, 0, "no.bmp", "0,1"}, {1, 1, "push.bmp", "224"}}, "1:2:2", true,
         "address 224 is outside 0\u2013223 for PUSH; the controller would run +PUSH,0 instead (90 "
         "C0)"},
        {"jump to no label", coil + QList<Cell>{{1, 0, "no.bmp", "0,1"}, {1, 1, "goto.bmp", "5"}},
         "1:2:2", false, "no label element carries 5; GOTO goes to an empty block"},
        {"a field too many",
         coil + QList<Cell>{{1, 0, "label.bmp", "5"},
                            {2, 0, "no.bmp", "0,1"},
                            {2, 1, "goto.bmp", "5,3"}},
         "1:3:2", false, "GOTO takes 1 operand; \"3\" is ignored"},
        {"label placed twice",
         coil + QList<Cell>{{1, 0, "label.bmp", "5"}, {2, 0, "label.bmp", "5"}}, "1:3:1", true,
         "label 5 is also placed at 1:2:1"},
        {"a label on a line piece",
         {{0, 0, "no.bmp", "0,0"}, {0, 1, "line1.bmp", "7"}, {0, 2, "out.bmp", "1,0"}},
         "1:1:2",
         false,
         "the label \"7\" of this line piece is added to the instruction before it"},
        {"a register past MOVD's field",
         coil + QList<Cell>{{1, 0, "no.bmp", "0,1"}, {1, 1, "del_s.bmp", "100,5"}}, "1:2:2", true,
         "register 100 is outside 0\u201363 for MOVD; the controller would run CPD,36,5 instead "
         "(64 05)"},
        {"a MOVD register that makes a one-byte code",
         coil + QList<Cell>{{1, 0, "no.bmp", "0,1"}, {1, 1, "del_s.bmp", "240,5"}}, "1:2:2", true,
         "the controller would get F0 05: SET_W, then 05 as the first byte of the next "
         "instruction"},
        {"a second field longer than #2 takes",
         coil + QList<Cell>{{1, 0, "no.bmp", "0,1"}, {1, 1, "del_s.bmp", "5,   12345"}}, "1:2:2",
         false,
         "\"#2\" takes the first 6 characters of the second field \"   12345\", blanks "
         "included: the conversion keeps \"123\""},
        {"an element after an empty cell", coil + QList<Cell>{{0, 3, "out.bmp", "1,1"}}, "1:1:4",
         false, "this element is not converted: the rung ends at the empty cell 1:1:3 before it"},
        {"an element after *END",
         coil + QList<Cell>{{1, 0, "end.bmp", ""}, {2, 0, "out.bmp", "1,1"}}, "1:3:1", false,
         "this element is not converted: the conversion stops at *END at 1:2:1"},
        {"an element on page 22", coil + QList<Cell>{{0, 0, "out.bmp", "1,1", 21}}, "22:1:1", false,
         "this element is not converted: page 22 is never converted"},
        {"an element past the pages in use", coil + QList<Cell>{{0, 0, "out.bmp", "1,1", 1}},
         "2:1:1", false, "this element is not converted: page 2 lies past the pages in use (1)"},
    };
    for (const Mistake& mistake : mistakes) {
        const QList<Finding> findings = check(mapOf(mistake.cells));
        ASSERT_EQ(findings.size(), 1)
            << mistake.what << ": "
            << (findings.isEmpty() ? "" : findings[0].message.toStdString());
        const Finding& f = findings[0];
        EXPECT_EQ(f.place(), mistake.place) << mistake.what;
        EXPECT_EQ(f.isError(), mistake.error) << mistake.what;
        EXPECT_TRUE(f.message.contains(mistake.says))
            << mistake.what << ": " << f.message.toStdString();
    }
}

TEST_F(MapCheckTest, OneOutputSetByTwoCoilsIsMarkedOnBoth) {
    const QList<Finding> findings = check(mapOf({{0, 0, "no.bmp", "0,0"},
                                                 {0, 1, "out.bmp", "1,0"},
                                                 {1, 0, "no.bmp", "0,1"},
                                                 {1, 1, "out.bmp", " 1,0"}}));
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings[0].place(), "1:1:2");
    EXPECT_TRUE(findings[0].message.startsWith("output 1,0 is also set at 1:2:2"));
    EXPECT_EQ(findings[1].place(), "1:2:2");
    EXPECT_FALSE(findings[1].isError());
    EXPECT_EQ(findings[1].line("M.MAP"),
              "M.MAP:1:2:2: warning: output 1,0 is also set at 1:1:2; only the last coil in the "
              "program decides it");
}

TEST_F(MapCheckTest, TheShippedSamplesAreClean) {
    const QStringList samples = QDir(shipped.path("PLC")).entryList({"*.MAP"});
    ASSERT_EQ(samples.size(), 3);
    for (const QString& name : samples) {
        QFile file(shipped.path("PLC/" + name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        LadderMap map;
        map.setPagesInUse(1);
        MapFile::read(file, map);
        const QList<Finding> findings = check(map);
        EXPECT_TRUE(findings.isEmpty())
            << name.toStdString() << ": " << findings.value(0).message.toStdString();
    }
}

// What the finding says the controller gets is what the assembler makes of
// the converted map: the bytes, and the instruction those bytes stand for.
TEST_F(MapCheckTest, SaysExactlyWhatTheAssemblerMakesOfAnOperandOutsideItsField) {
    const QList<Cell> cases{{0, 0, "no.bmp", "9,3"},       {0, 0, "nc.bmp", "12,65"},
                            {0, 0, "cot_up.bmp", "100"},   {0, 0, "goto.bmp", "300"},
                            {0, 0, "del_s.bmp", "64,300"}, {0, 0, "pop.bmp", "250"}};
    for (const Cell& cell : cases) {
        LadderMap map = mapOf({cell});
        const QList<Finding> findings = check(map);
        ASSERT_EQ(findings.size(), 1) << cell.label.toStdString();
        const QRegularExpressionMatch said =
            QRegularExpression("run (\\S+) instead \\((..) (..)\\)").match(findings[0].message);
        ASSERT_TRUE(said.hasMatch()) << findings[0].message.toStdString();

        const QString source = LadderToText::text_prs(map, catalogue, "T.MAP", folder).text;
        const AssemblyPass::Result pass =
            AssemblyPass::run(SourceReplacement::Rep_prs(source, folder).work);
        ASSERT_TRUE(pass.ok) << pass.message.toStdString();
        const QList<CodeImage::Record> image = CodeImage::records(pass.image.text());
        ASSERT_FALSE(image.isEmpty());
        EXPECT_EQ(CodeImage::hex2(image[0].even), said.captured(2)) << cell.label.toStdString();
        EXPECT_EQ(CodeImage::hex2(image[0].odd), said.captured(3)) << cell.label.toStdString();

        const QStringList reading = said.captured(1).split(',');
        const auto again =
            InstructionSet::encode(reading[0], reading.value(1).toInt(), reading.value(2).toInt());
        ASSERT_TRUE(again);
        EXPECT_EQ(again->byte1, image[0].even) << said.captured(1).toStdString();
        EXPECT_EQ(again->byte2, image[0].odd) << said.captured(1).toStdString();
    }
}

} // namespace
