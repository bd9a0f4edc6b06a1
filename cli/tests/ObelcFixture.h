// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramFolder.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct Outcome {
    int status = -1;
    QString out, err;
};

class ObelcTest : public ::testing::Test {
protected:
    ObelcTest() {
        ProgramFolder::locate({}, dir.filePath("obel"),
                              {qEnvironmentVariable("OBEL_TEST_PROGRAM_DIR")}, nullptr);
    }
    QString folder() const { return dir.filePath("obel"); }

    // What obelc sim logged, each frame's meaning in order (replies left out).
    static QStringList simMeanings(const QString& log) {
        QStringList frames;
        for (const QString& line : log.split('\n'))
            if (line.contains("  ") && !line.startsWith("  ->"))
                frames << line.mid(line.indexOf("  ") + 2);
        return frames;
    }

    static Outcome obelc(const QStringList& args, const QByteArray& input = {}) {
        QProcess process;
        process.start(OBELC, args);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    Outcome convertSample(const QString& name) {
        return obelc({"convert", "-C", folder(), "--pages", "1", folder() + "/PLC/" + name});
    }
    // The text a one-page conversion gives: the rungs, then the comment of
    // every empty row after the last rung.
    static QString text(const QStringList& rungs, int firstEmptyRow) {
        QString text = "\r\n\r\n\r\n" + rungs.join("\r\n") + "\r\n";
        for (int row = firstEmptyRow; row < 13; ++row)
            text += "\r\n' " + QString::number(row + 2) + "\r\n";
        return text;
    }

    QTemporaryDir dir;
};
