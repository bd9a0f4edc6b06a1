#include "CaptionFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

TEST(CaptionFile, ACommaInACaptionShiftsTheFollowingOnes) {
    TestFolder t;
    t.write("fun_name1.txt", "Title\r\nA,B\r\nC\r\n");
    const QStringList captions = CaptionFile::load(t.folder());
    ASSERT_EQ(captions.size(), CaptionFile::Count);
    EXPECT_EQ(captions[0], "Title");
    EXPECT_EQ(captions[1], "A");
    EXPECT_EQ(captions[2], "B");
    EXPECT_EQ(captions[3], "C");
    EXPECT_EQ(captions[4], CaptionFile::builtIn()[4]); // the file ran out: built-in stays
}

TEST(CaptionFile, MissingFileKeepsTheBuiltInCaptions) {
    TestFolder t;
    EXPECT_EQ(CaptionFile::load(t.folder()), CaptionFile::builtIn());
    EXPECT_EQ(CaptionFile::builtIn()[0], "norvette-c Map");
}
