// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemReader.h"
#include "LineReader.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

TEST(LineReader, RemovesEveryKindOfLineEnd) {
    EXPECT_EQ(LineReader::lines(u"LD\r\nOUT\r\n"_qs), QStringList({"LD", "OUT"}));
    EXPECT_EQ(LineReader::lines(u"a\nb\rc"_qs), QStringList({"a", "b", "c"}));
    EXPECT_EQ(LineReader::lines(u"a\r\n\r\nb"_qs), QStringList({"a", "", "b"}));
    EXPECT_TRUE(LineReader::lines(QString()).isEmpty());
    EXPECT_EQ(LineReader::lines(u" 3 "_qs), QStringList({" 3 "}));
}

TEST(ItemReader, SplitsAtCommasAndLineEnds) {
    EXPECT_EQ(ItemReader::items(u"a,b\r\nc\r\n"_qs), QStringList({"a", "b", "c"}));
    // Two commas on a line give three items; leading blanks are skipped.
    EXPECT_EQ(ItemReader::items(u"x,  y,z"_qs), QStringList({"x", "y", "z"}));
    EXPECT_EQ(ItemReader::items(u"a,,b"_qs), QStringList({"a", "", "b"}));
    EXPECT_EQ(ItemReader::items(u"a,"_qs), QStringList({"a", ""}));
}

TEST(ItemReader, QuotedItemsKeepTheirCommas) {
    EXPECT_EQ(ItemReader::items(u"\"a,b\",c"_qs), QStringList({"a,b", "c"}));
    EXPECT_EQ(ItemReader::items(u"  \"q\"junk,d"_qs), QStringList({"q", "d"}));
    EXPECT_EQ(ItemReader::items(u"\"open"_qs), QStringList({"open"}));
}

TEST(TextCodec, ReadsUtf8AndBig5) {
    const QString title = u"專案名稱"_qs;
    EXPECT_EQ(TextCodec::decode(title.toUtf8()), title);
    // The same words in Big5, as older tools of the family wrote them.
    EXPECT_EQ(TextCodec::decode(QByteArray("\xb1\x4d\xae\xd7\xa6\x57\xba\xd9")), title);
    EXPECT_EQ(TextCodec::decode("plain ascii"), u"plain ascii"_qs);
}

#include "PlainReplace.h"
#include "QStringPrinter.h"
#include "RandomText.h"

TEST(PlainReplace, EveryOccurrenceLeftToRightWithoutRescanning) {
    const struct {
        const char *text, *find, *by, *result;
    } cases[] = {
        {"AND,AND,", "AND,", "", ""},
        {"aaa", "aa", "b", "ba"},
        {"abc", "", "x", "abc"},
        {"X,X", "X", "IN", "IN,IN"},
        {"ABAB", "AB", "ABAB", "ABABABAB"},
        {"none", "z", "y", "none"},
        {" > >x", " > >", ">", ">x"},
    };
    for (const auto& c : cases) {
        QString text = c.text;
        PlainReplace::all(text, QString(c.find), QString(c.by));
        EXPECT_EQ(text, c.result) << c.text << " / " << c.find;
        if (*c.find) {
            EXPECT_EQ(text, QString(c.text).replace(c.find, c.by)) << "as QString::replace";
        }
    }
}

// The fast replacement against the plain one over random texts, short and long.
TEST(PlainReplace, DoesWhatQStringReplaceDoes) {
    RandomText random(13);
    for (int i = 0; i < 3000; ++i) {
        const QString text = random.text(), find = random.needle(text), by = random.shortText();
        QString replaced = text;
        PlainReplace::all(replaced, find, by);
        ASSERT_EQ(replaced, QString(text).replace(find, by)) << "find " << find.toStdString();
    }
}
