// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderToText.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "TestFolder.h"
#include "TextFile.h"

#include <gtest/gtest.h>

namespace {

const QString I12(12, u' ');

class LadderToTextTest : public ::testing::Test {
protected:
    LadderToTextTest() { map.setPagesInUse(1); }

    // An element kind: its bitmap name in slot `slot` with `templateText`.
    void element(int slot, const QString& bitmap, const QString& templateText) {
        catalogue.setPaletteBitmap(slot, bitmap);
        catalogue.setTemplate(slot, "\r\n" + templateText);
    }
    void put(int page, int cell, const QString& bitmap, const QString& label,
             const QString& mark = "1") {
        map.cell(page, cell) = {bitmap, label, mark, ""};
    }
    QString convert(const QString& name = "TEST.MAP") {
        return LadderToText::text_prs(map, catalogue, name, t.folder()).text;
    }
    // The instruction lines only: no blank lines, no row comments.
    QStringList lines(const QString& text) {
        QStringList out;
        for (const QString& line : text.split("\r\n"))
            if (!line.trimmed().isEmpty() && !line.startsWith("'")) out << line;
        return out;
    }

    TestFolder t;
    LadderMap map;
    ElementCatalogue catalogue;
};

TEST_F(LadderToTextTest, AnEmptyMapGivesARowCommentForEveryRow) {
    const auto result = LadderToText::text_prs(map, catalogue, "", t.folder());
    QString expected = "\r\n\r\n\r\n";
    for (int row = 0; row < 13; ++row)
        expected += "\r\n' " + QString::number(row + 2) + "\r\n";
    EXPECT_EQ(result.text, expected);
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(result.file.endsWith("plc/REG.hrim"));
    EXPECT_EQ(TextFile::read(result.file).value(), expected + "\r\n");
}

TEST_F(LadderToTextTest, SeriesElementsGetAnd) {
    element(1, "no.bmp", "X");
    put(0, 0, "no.bmp", "0.1");
    put(0, 1, "no.bmp", " 0.2 ");
    EXPECT_EQ(lines(convert()), QStringList({I12 + "IN0.1", I12 + "AND,IN0.2"}));
}

TEST_F(LadderToTextTest, ParameterMarkers) {
    element(1, "add.bmp", "ADD,#1,#2,#+1");
    element(2, "at.bmp", "SET,@");
    put(0, 0, "add.bmp", "D100,5");
    put(0, 11, "add.bmp", "100,5");
    put(0, 22, "at.bmp", "1,2");
    put(0, 33, "add.bmp", "1234567"); // no ",": #1 and #+1 stay, #2 takes 6 characters
    const QStringList out = lines(convert());
    const QString run = I12; // what each replaced marker leaves inside the line
    EXPECT_EQ(out[0], I12 + "ADD,D100" + run + ",5");
    EXPECT_EQ(out[1], run + ",1");
    EXPECT_EQ(out[2], I12 + "ADD,100" + run + ",5");
    EXPECT_EQ(out[3], run + ",101");
    EXPECT_EQ(out[4], I12 + "SET,1,2");
    EXPECT_EQ(out[5], I12 + "ADD,#1,123456");
    EXPECT_EQ(out[6], I12 + ",#+1");
}

TEST_F(LadderToTextTest, AnEmptyCellEndsTheRungAndEndStopsTheScan) {
    element(1, "no.bmp", "X");
    element(2, "end.bmp", "*END");
    put(0, 0, "no.bmp", "0.1");
    put(0, 2, "no.bmp", "0.9"); // after the empty cell 1: never converted
    put(0, 11, "end.bmp", "");
    put(0, 22, "no.bmp", "0.3"); // after the end
    const QString text = convert();
    EXPECT_FALSE(text.contains("0.9"));
    EXPECT_FALSE(text.contains("0.3"));
    EXPECT_TRUE(text.contains("' 2\r\n" + I12 + QString(10, u' ') + "END"));
}

TEST_F(LadderToTextTest, OrGroupsWriteTheirJunctionsAndSkipTheirRows) {
    element(1, "no.bmp", "X");
    element(2, "or.bmp", "OR");
    element(3, "par.bmp", "^X");
    element(4, "coil.bmp", "*OUT,");
    put(0, 0, "no.bmp", "0.0");
    put(0, 1, "or.bmp", "", "0");
    put(0, 2, "no.bmp", "0.1");
    put(0, 3, "coil.bmp", "1,0");
    put(0, 12, "or.bmp", "", "0"); // the branch goes on below
    put(0, 15, "par.bmp", "1.0");
    put(0, 23, "or.bmp", "", "0"); // and on once more

    put(0, 27, "par.bmp", "2.0");
    put(0, 33, "no.bmp", "0.5"); // the next rung, after the two branch rows
    EXPECT_EQ(lines(convert()), QStringList({I12 + "IN0.0", I12 + "OR,^IN1.0", I12 + "OR,^IN2.0",
                                             I12 + "AND,IN0.1", I12 + " OUT,1,0", I12 + "IN0.5"}));
}

TEST_F(LadderToTextTest, BrGroupsWriteTheirLinesPlain) {
    element(1, "no.bmp", "X");
    element(2, "or.bmp", "OR");
    element(3, "br.bmp", "BR");
    element(4, "pout.bmp", "^*OUT,");
    put(0, 0, "no.bmp", "0.0");
    put(0, 1, "or.bmp", "", "1");
    put(0, 12, "br.bmp", "");
    put(0, 14, "pout.bmp", "1,1"); // i + 13: in the search from 12 to 20
    EXPECT_EQ(lines(convert()),
              QStringList({I12 + "IN0.0", I12 + "^" + QString(10, u' ') + "OUT,1,1"}));
}

// The search for a group's junction runs past the last converted cell; what
// lies there on the page that is never converted counts as empty.
TEST_F(LadderToTextTest, AGroupInTheLastConvertedCellSeesNothingBeyondIt) {
    element(1, "no.bmp", "X");
    element(2, "or.bmp", "OR");
    element(3, "par.bmp", "^X");
    map.setPagesInUse(22);
    QStringList rung{I12 + "IN0.0"};
    put(20, 132, "no.bmp", "0.0"); // the last row, full
    for (int cell = 133; cell < 142; ++cell) {
        put(20, cell, "no.bmp", "0.0");
        rung << I12 + "AND,IN0.0";
    }
    put(20, 142, "or.bmp", "", "0");
    // The cells right after it, as one list, with the templates a map file keeps.
    map.cell(21, 10) = {"or.bmp", "", "0", "\r\nOR"};
    map.cell(21, 13) = {"par.bmp", "1.0", "1", "\r\n^X"};
    EXPECT_EQ(lines(convert()), rung);
}

TEST_F(LadderToTextTest, OnlyTwentyOnePagesAndSlotsUpTo203) {
    element(1, "no.bmp", "X");
    element(200, "no.bmp", "Y");
    element(250, "no.bmp", "Z"); // the fifth group gives no template
    map.setPagesInUse(22);
    put(20, 0, "no.bmp", "1,2");
    put(21, 0, "no.bmp", "9,9");
    const QString text = convert();
    EXPECT_TRUE(text.contains("OUT1,2"));
    EXPECT_FALSE(text.contains("9,9"));
    EXPECT_EQ(map.cell(20, 0).D, "\r\nY");
}

TEST_F(LadderToTextTest, UserReplacementsRunBeforeTheFixedOnes) {
    // ABC becomes PQX, whose X the fixed table then turns into IN; a line
    // without a bracket pair or with nothing to find is passed over.
    t.write("def/ps.def", "ABC[PQX]\r\nQQ [R ]\r\nno bracket\r\n[empty find]\r\n]wrong[\r\n");
    element(1, "k.bmp", "ABC QQ");
    put(0, 0, "k.bmp", "");
    EXPECT_EQ(lines(convert()), QStringList({I12 + "PQIN R "}));
}

TEST(LadderToTextNames, OutputFileNames) {
    EXPECT_EQ(LadderToText::outputName("PUMP.MAP"), "PUMP.hrim");
    EXPECT_EQ(LadderToText::outputName("a.b.map"), "a.hrim");
    EXPECT_EQ(LadderToText::outputName("pump"), "hrim");
    EXPECT_EQ(LadderToText::outputName(""), "REG.hrim");
}

} // namespace
