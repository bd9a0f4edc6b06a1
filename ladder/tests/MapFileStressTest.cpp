// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderMap.h"
#include "MapFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A 100 MB file of every kind of bad input (megabyte lines, binary noise, NUL
// bytes, numbers out of range), with good lines between them: the good ones
// are read, the rest skipped, and memory stays far below the file's size.
TEST(MapFileStress, AHundredMegabytesOfBadInput) {
    QTemporaryDir dir;
    QFile file(dir.filePath("huge.map"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QRandomGenerator random(7);
    QByteArray noise(1 << 20, '\0');
    int good = 0;
    while (file.size() < 100 * 1024 * 1024) {
        for (char& c : noise)
            c = char(random.bounded(256));
        file.write(noise);                                      // binary, NULs, stray CRs
        file.write("\r\n" + QByteArray(3 << 20, 'x') + "\r\n"); // a 3 MB line
        file.write("(99999-1)  A=x B= C= D=\r\n(1--5)  A=x B= C= D=\r\n");
        file.write(QByteArray("(1-") + QByteArray::number(good % 143) + ")  A=ok.bmp B= C= D=\r\n");
        ++good;
    }
    file.close();

    const long before = peakKiB();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    LadderMap map;
    const MapFile::ReadResult result = MapFile::read(file, map);
    EXPECT_GE(result.cells, good);
    EXPECT_GT(result.skipped, 2 * good);
    EXPECT_EQ(map.cell(1, 0).A, "ok.bmp ");
    EXPECT_LT(peakKiB() - before, 64 * 1024) << "reading must not hold the file in memory";
}

} // namespace
