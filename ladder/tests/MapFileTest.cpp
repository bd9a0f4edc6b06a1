// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapFile.h"
#include "LadderMap.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

LadderMap readText(const QByteArray& bytes, MapFile::ReadResult* result = nullptr) {
    LadderMap map;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const MapFile::ReadResult r = MapFile::read(buffer, map);
    if (result) *result = r;
    return map;
}

TEST(MapFile, WritesTheLineWithItsBlanks) {
    LadderMap map;
    map.cell(0, 12) = {" no.bmp ", "X0.1 ", "", "\r\nIN @"};
    EXPECT_EQ(MapFile::line(0, 12, map), "(0-12)  A=no.bmp B=X0.1 C= D=~IN@");
}

TEST(MapFile, BlankCellsAreNotWritten) {
    LadderMap map;
    map.setPagesInUse(1);
    map.cell(0, 0) = {"space.bmp", "", "", ""};
    map.cell(0, 1) = {"space.bmp", "lbl", "", ""};
    map.cell(0, 2) = {"  ", " ", "", " "};
    map.cell(0, 3) = {"", "", "0", ""};
    EXPECT_EQ(MapFile::write(map, 1), "(0-1)  A=space.bmp B=lbl C= D=\r\n(0-3)  A= B= C=0 D=\r\n");
}

TEST(MapFile, SavesPagesZeroToNInclusive) {
    LadderMap map;
    for (int page = 0; page < LadderMap::Pages; ++page)
        map.cell(page, 0).A = "no.bmp";
    const QString three = MapFile::write(map, 3);
    EXPECT_TRUE(three.contains("(3-0)"));
    EXPECT_FALSE(three.contains("(4-0)"));
    EXPECT_EQ(MapFile::write(map, 22).count("\r\n"), 22); // page 22 does not exist
}

TEST(MapFile, TemplatesLoseTheirBlanksAndEmptyLines) {
    LadderMap map;
    map.cell(1, 5) = {"out.bmp", "Y0", "1", "\r\nLD @\r\nOUT"};
    map.cell(1, 6) = {"out.bmp", "Y1", "1", "\r\nA\r\n\r\nB"};
    const QString text = MapFile::write(map, 1);
    EXPECT_TRUE(text.contains("D=~LD@~OUT\r\n"));
    EXPECT_TRUE(text.contains("D=~A~~B\r\n"));

    const LadderMap back = readText(text.toUtf8());
    EXPECT_EQ(back.cell(1, 5).D, "\r\nLD@\r\nOUT");
    EXPECT_EQ(back.cell(1, 6).D, "\r\nAB"); // "~~" is removed: the lines join
    // Fields keep the blank before the next marker.
    EXPECT_EQ(back.cell(1, 5).A, "out.bmp ");
    EXPECT_EQ(back.cell(1, 5).B, "Y0 ");
    EXPECT_EQ(back.cell(1, 5).C, "1 ");
}

TEST(MapFile, ALabelWithCEqualsShiftsIntoTheMark) {
    const LadderMap map = readText("(0-1)  A=no.bmp B=X C=Y C=1 D=~X\r\n");
    EXPECT_EQ(map.cell(0, 1).B, "X ");
    EXPECT_EQ(map.cell(0, 1).C, "Y C=1 ");
}

TEST(MapFile, CellsBeyondThePagesInUseAreStored) {
    LadderMap map;
    map.setPagesInUse(3);
    QBuffer buffer;
    buffer.setData("(5-142)  A=no.bmp B= C= D=\r\n");
    buffer.open(QIODevice::ReadOnly);
    MapFile::read(buffer, map);
    EXPECT_EQ(map.cell(5, 142).A, "no.bmp ");
}

TEST(MapFile, BadLinesAreSkippedAndTheRestIsRead) {
    const struct {
        const char* line;
        const char* why;
    } bad[] = {
        {"(22-0)  A=no.bmp B= C= D=", "page out of range"},
        {"(0-143)  A=no.bmp B= C= D=", "cell out of range"},
        {"(-1-0)  A=no.bmp B= C= D=", "negative page"},
        {"(x-0)  A=no.bmp B= C= D=", "page not a number"},
        {"(0-1.5)  A=no.bmp B= C= D=", "cell not a whole number"},
        {"(0-99999999999999)  A=no.bmp B= C= D=", "huge cell"},
        {"(0-1)  A=no.bmp C= D=", "no B="},
        {"(0-1)  A=no.bmp B= C=", "no D="},
        {"(0-1)  D= C= B= A=no.bmp", "markers in reverse"},
        {")0-1(  A=no.bmp B= C= D=", "parentheses reversed"},
        {"", "empty"},
        {"\x01\xff\xfe\x80 garbage", "binary"},
    };
    QByteArray text = "(0-0)  A=first.bmp B= C= D=\r\n";
    for (const auto& b : bad)
        text += QByteArray(b.line) + "\r\n";
    text += "(0-2)  A=last.bmp B= C= D=\r\n";
    MapFile::ReadResult result;
    const LadderMap map = readText(text, &result);
    EXPECT_EQ(result.cells, 2);
    EXPECT_EQ(result.skipped, int(std::size(bad)) - 1); // the empty line is no line
    EXPECT_EQ(map.cell(0, 0).A, "first.bmp ");
    EXPECT_EQ(map.cell(0, 2).A, "last.bmp ");
    EXPECT_EQ(map.cell(0, 1).A, "");
}

TEST(MapFile, NulBytesLoneCrAndOverlongLinesDoNoHarm) {
    static const char nul[] = "(0-0)  A=a\0b.bmp B= C= D=\r";
    QByteArray text(nul, sizeof nul - 1);
    text += "(0-1)  A=cr.bmp B= C= D=\n";
    text += "(0-2)  A=" + QByteArray(MapFile::MaxLineBytes * 3, 'x') + " B= C= D=\r\n";
    text += "(0-3)  A=after.bmp B= C= D=";
    MapFile::ReadResult result;
    const LadderMap map = readText(text, &result);
    EXPECT_EQ(map.cell(0, 0).A, QString::fromUtf8("a\0b.bmp ", 8));
    EXPECT_EQ(map.cell(0, 1).A, "cr.bmp ");
    EXPECT_EQ(map.cell(0, 2).A, "");
    EXPECT_EQ(map.cell(0, 3).A, "after.bmp ");
    EXPECT_EQ(result.skipped, 1);
}

TEST(MapFile, Big5LabelsReadBack) {
    const LadderMap map = readText("(0-0)  A=no.bmp B=\xb1\x4d\xae\xd7 C= D=\r\n");
    EXPECT_EQ(map.cell(0, 0).B, u"專案 "_qs);
}

TEST(MapFile, CompanionNameInAnyLetterCase) {
    EXPECT_EQ(MapFile::companionName("pump.map"), "pump.CHR");
    EXPECT_EQ(MapFile::companionName("PUMP.MAP"), "PUMP.CHR");
    EXPECT_EQ(MapFile::companionName("pump.Map"), "pump.CHR");
}

} // namespace
