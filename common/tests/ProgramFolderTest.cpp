#include "ProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(TextFile::write(path, "x"));
}
} // namespace

TEST(ProgramFolder, ResolvesEveryPartWithoutRegardToCase) {
    QTemporaryDir tmp;
    touch(tmp.filePath("def/name.txt"));
    touch(tmp.filePath("BMP/no.bmp"));
    const ProgramFolder folder(tmp.path());
    EXPECT_EQ(folder.path("def\\NAME.TXT"), tmp.filePath("def/name.txt"));
    EXPECT_EQ(folder.path("bmp/NO.BMP"), tmp.filePath("BMP/no.bmp"));
    EXPECT_EQ(folder.path("Bmp\\no.bmp"), tmp.filePath("BMP/no.bmp"));
    // What does not exist is kept as written, ready to be created.
    EXPECT_EQ(folder.path("DEF\\new.def"), tmp.filePath("def/new.def"));
    EXPECT_EQ(folder.path("plc/REG.hrim"), tmp.filePath("plc/REG.hrim"));
}

TEST(ProgramFolder, PrefersThePortableFolderBesideTheExecutable) {
    QTemporaryDir exe, data, shipped;
    touch(exe.filePath("DEF/mapbk.def"));
    touch(shipped.filePath("def/mapbk.def"));
    QString error;
    EXPECT_EQ(ProgramFolder::locate(exe.path(), data.path(), {shipped.path()}, &error), exe.path());
}

TEST(ProgramFolder, FirstStartFillsTheDataFolderFromTheShippedCopy) {
    QTemporaryDir exe, home, shipped;
    touch(shipped.filePath("def/mapbk.def"));
    touch(shipped.filePath("BMP_T/no.bmp"));
    const QString data = home.filePath("share/Obel");
    QString error;
    ASSERT_EQ(ProgramFolder::locate(exe.path(), data, {exe.path(), shipped.path()}, &error), data);
    EXPECT_TRUE(QFileInfo::exists(data + "/def/mapbk.def"));
    EXPECT_TRUE(QFileInfo::exists(data + "/BMP_T/no.bmp"));

    // The user's own edits survive the next start: nothing is copied again.
    ASSERT_TRUE(TextFile::write(data + "/def/mapbk.def", "mine"));
    ASSERT_EQ(ProgramFolder::locate(exe.path(), data, {shipped.path()}, &error), data);
    EXPECT_EQ(TextFile::read(data + "/def/mapbk.def").value(), u"mine"_qs);
}

TEST(ProgramFolder, SaysSoWhenThereIsNoFolderAtAll) {
    QTemporaryDir exe, home;
    QString error;
    EXPECT_TRUE(ProgramFolder::locate(exe.path(), home.filePath("x"), {}, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}
