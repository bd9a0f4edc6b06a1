// SPDX-License-Identifier: GPL-3.0-or-later
// Saves under faults, as a user meets them: a process killed in the middle
// of saving, a full disk, a folder that has become read-only. Each leaves
// the previous file or the new one whole, never a mix, and a failed save
// says so.

#include "SaveKinds.h"
#include "TestFolder.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using savekinds::fileOf;
using savekinds::Kinds;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// What each version of each kind puts on disk, saved once in a folder of its own.
struct Versions {
    Versions(int lines) {
        for (const int version : {0, 1}) {
            QTemporaryDir dir;
            savekinds::Saver saver(dir.path());
            for (const QString& kind : Kinds) {
                EXPECT_TRUE(saver.save(kind, version, lines, nullptr)) << kind.toStdString();
                files[kind][version] = contents(saver.folder().path(fileOf(kind)));
            }
            companion = contents(saver.folder().path("PLC/BIG.CHR"));
        }
    }
    std::map<QString, std::array<QByteArray, 2>> files;
    QByteArray companion;
};

TEST(SaveUnderFaults, KilledAtARandomMomentLeavesOneVersionWhole) {
    const Versions versions(20000);
    for (const QString& kind : Kinds) {
        for (int round = 0; round < 4; ++round) {
            QTemporaryDir dir;
            QProcess loop;
            loop.start(SAVE_LOOP, {kind, dir.path()});
            ASSERT_TRUE(loop.waitForReadyRead(20000)) << kind.toStdString();
            QThread::msleep(QRandomGenerator::global()->bounded(5, 120));
            loop.kill();
            loop.waitForFinished();
            const QByteArray left = contents(dir.filePath(fileOf(kind)));
            EXPECT_TRUE(left == versions.files.at(kind)[0] || left == versions.files.at(kind)[1])
                << kind.toStdString() << " round " << round << ": " << left.size() << " bytes";
            if (kind == u"map") {
                EXPECT_EQ(contents(dir.filePath("PLC/BIG.CHR")), versions.companion);
            }
        }
    }
}

// A small tmpfs of this test's own, mounted where the program folder is.
class SmallDisk {
public:
    explicit SmallDisk(const QString& at) : at_(at) {
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o", "size=512k", "tmpfs", at});
        mounted_ = mount.waitForFinished() && mount.exitCode() == 0;
        why_ = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
    ~SmallDisk() {
        if (mounted_) QProcess::execute("umount", {at_});
    }
    bool mounted() const { return mounted_; }
    const QString& why() const { return why_; }
    bool readOnly() { return QProcess::execute("mount", {"-o", "remount,ro", at_}) == 0; }

private:
    QString at_;
    bool mounted_ = false;
    QString why_;
};

TEST(SaveUnderFaults, AFullDiskAndAReadOnlyFolderLeaveThePreviousFileAndSaySo) {
    QTemporaryDir dir;
    SmallDisk disk(dir.path());
    if (!disk.mounted())
        GTEST_SKIP() << "a tmpfs cannot be mounted here (it needs root): "
                     << disk.why().toStdString();
    const Versions small(10);
    savekinds::Saver saver(dir.path());
    for (const QString& kind : Kinds)
        ASSERT_TRUE(saver.save(kind, 0, 10, nullptr)) << kind.toStdString();
    // Fill the disk to its last block: a new file can still be made, but
    // not a byte of it written. A small save is held in a buffer until the
    // end, a large one fails on its way.
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::Unbuffered | QIODevice::WriteOnly));
    for (const qsizetype piece : {4096, 1})
        while (filler.write(QByteArray(piece, 'f')) == piece) {
        }
    filler.close();

    for (const bool readOnly : {false, true}) {
        if (readOnly) {
            ASSERT_TRUE(disk.readOnly());
        }
        for (const QString& kind : Kinds)
            for (const int lines : {20000, 12}) {
                QString error;
                const std::string what = kind.toStdString() +
                                         (readOnly ? ", read-only, " : ", full, ") +
                                         std::to_string(lines) + " lines";
                EXPECT_FALSE(saver.save(kind, 1, lines, &error)) << what;
                EXPECT_FALSE(error.isEmpty()) << what;
                EXPECT_EQ(contents(dir.filePath(fileOf(kind))), small.files.at(kind)[0]) << what;
            }
        EXPECT_EQ(contents(dir.filePath("PLC/BIG.CHR")), small.companion);
    }
}

} // namespace
