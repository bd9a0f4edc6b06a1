// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

TEST(CaptionFile, ACommaInACaptionShiftsTheFollowingOnes) {
    TestFolder t;
    t.write("fun_name1.txt", "Title\r\nA,B\r\nC\r\n");
    const QStringList captions = CaptionFile::load(t.folder());
    ASSERT_EQ(captions.size(), CaptionFile::AllCaptions);
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

TEST(CaptionFile, ChineseLanguagesReadTheCaptionFileOthersTheEnglishOne) {
    TestFolder t;
    t.write("fun_name1.txt", "中文\r\n");
    t.write("FUN_NAME1_EN.TXT", "English\r\n");
    for (const char* chinese : {"zh_TW", "zh-CN", "ZH", "zh_HK.UTF-8"})
        EXPECT_EQ(CaptionFile::load(t.folder(), chinese)[0], "中文") << chinese;
    for (const char* other : {"en_US", "de-DE", "C", ""})
        EXPECT_EQ(CaptionFile::load(t.folder(), other)[0], "English") << other;
    EXPECT_EQ(CaptionFile::load(t.folder())[0], "中文"); // the file's own language
}

TEST(CaptionFile, WithoutAnEnglishFileEveryLanguageReadsTheCaptionFile) {
    TestFolder t;
    t.write("fun_name1.txt", "中文\r\n");
    EXPECT_EQ(CaptionFile::load(t.folder(), "en_US")[0], "中文");
}
