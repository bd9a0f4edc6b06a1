// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPages.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class HelpPagesTest : public ::testing::Test {
protected:
    HelpPagesTest() { scratch.write("obel_html/.keep", ""); }
    TestFolder scratch;
    HelpPages pages{scratch.folder()};
};

TEST_F(HelpPagesTest, AMissingPageBecomesTheStubOnceAndIsNeverRewritten) {
    const auto page = pages.open("no.bmp");
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_EQ(page.path, scratch.path("obel_html/no.bmp.htm")) << "the folder in any letter case";
    EXPECT_EQ(bytesOf(page.path), "<img src='BMP/no.bmp'> </img><br>\r\n");

    scratch.write("obel_html/no.bmp.htm", "my own page");
    EXPECT_EQ(pages.open("no.bmp").path, page.path);
    EXPECT_EQ(bytesOf(page.path), "my own page");

    EXPECT_EQ(bytesOf(pages.open("space.bmp").path), "<img src='BMP/space.bmp'> </img><br>\r\n");
}

TEST_F(HelpPagesTest, NoPageOutsideTheHelpFolderAndAMissingFolderIsSaid) {
    for (const QString name : {"../no.bmp", "a\\b.bmp", "", ".."}) {
        EXPECT_FALSE(pages.open(name).error.isEmpty()) << name.toStdString();
        EXPECT_TRUE(pages.open(name).path.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(scratch.path("no.bmp.htm")));

    ASSERT_TRUE(QDir(scratch.path("obel_html")).removeRecursively());
    const auto page = pages.open("no.bmp");
    EXPECT_TRUE(page.path.isEmpty());
    EXPECT_TRUE(page.error.contains("missing")) << page.error.toStdString();
    EXPECT_FALSE(QFile::exists(scratch.path("obel_html")));
}

TEST_F(HelpPagesTest, PicturesComeFromBesideThePageElseFromTheProgramFolder) {
    scratch.write("bmp/no.bmp", "BM");
    const QString help = scratch.path("obel_html");
    EXPECT_EQ(pages.pictureFile(help + "/BMP/no.bmp"), scratch.path("bmp/no.bmp"));
    scratch.write("obel_html/BMP/no.bmp", "BM");
    EXPECT_EQ(pages.pictureFile(help + "/BMP/no.bmp"), help + "/BMP/no.bmp");
    EXPECT_EQ(pages.pictureFile(help + "/BMP/nc.bmp"), "");
    EXPECT_EQ(pages.pictureFile(help + "/../../etc/passwd"), "") << "only the help folder maps";
    EXPECT_EQ(pages.pictureFile(""), "");
}

} // namespace
