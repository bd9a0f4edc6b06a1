// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

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

// obelc convert | obelc assemble - on a fresh home: both fill the data folder
// at once, and both must find it whole.
TEST(ProgramFolder, TwoFirstStartsAtOnceBothGetTheWholeFolder) {
    QTemporaryDir exe, home, shipped;
    for (int i = 0; i < 100; ++i)
        touch(shipped.filePath(QStringLiteral("def/map%1.def").arg(i)));
    touch(shipped.filePath("mac/readme.txt"));
    for (int round = 0; round < 3; ++round) {
        const QString data = home.filePath(QStringLiteral("share%1/Obel").arg(round));
        QString errors[2], found[2];
        std::thread other([&] {
            found[1] = ProgramFolder::locate(exe.path(), data, {shipped.path()}, &errors[1]);
        });
        found[0] = ProgramFolder::locate(exe.path(), data, {shipped.path()}, &errors[0]);
        other.join();
        for (int p = 0; p < 2; ++p)
            EXPECT_EQ(found[p], data) << errors[p].toStdString();
        EXPECT_TRUE(QFileInfo::exists(data + "/mac/readme.txt"));
        EXPECT_EQ(QDir(data + "/def").count(), 102u); // with . and ..
        EXPECT_EQ(QDir(QFileInfo(data).path())
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"Obel"}); // no staging copy left behind
    }
}
