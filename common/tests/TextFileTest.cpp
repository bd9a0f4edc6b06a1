// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(TextFile, WritesCrLfLinesAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("mpage.def");
    ASSERT_TRUE(TextFile::writeLines(path, {" 5", "元件"}));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(), QByteArray(" 5\r\n\xe5\x85\x83\xe4\xbb\xb6\r\n"));
    EXPECT_EQ(TextFile::read(path).value(), u" 5\r\n元件\r\n"_qs);
    EXPECT_FALSE(TextFile::read(dir.filePath("missing")).has_value());
}

TEST(TextFile, FailedWriteKeepsThePreviousFileAndSaysWhy) {
    if (geteuid() == 0) {
        // root ignores directory permissions; use a path under a regular file.
        QTemporaryDir dir;
        const QString blocker = dir.filePath("file");
        ASSERT_TRUE(TextFile::write(blocker, "keep"));
        QString error;
        EXPECT_FALSE(TextFile::write(blocker + "/child.def", "x", &error));
        EXPECT_TRUE(error.contains("child.def"));
        EXPECT_EQ(TextFile::read(blocker).value(), u"keep"_qs);
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("label.def");
    ASSERT_TRUE(TextFile::write(path, "old"));
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
    QString error;
    EXPECT_FALSE(TextFile::write(path, "new", &error));
    chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(TextFile::read(path).value(), u"old"_qs);
}
