// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObelcFixture.h"
#include "TextFile.h"
#include "TrendCsv.h"
#include "TrendPainter.h"

#include <QFile>
#include <QImage>

namespace {

// A known recording: START (cell 0) climbs, cell 1's bit 0 toggles, and the
// third poll of their block brought no answer.
QString recording(const QTemporaryDir& dir) {
    QString text = "time,register,START,RUN";
    for (int cell = 2; cell < 224; ++cell)
        text += QString::asprintf(",cell %02X", cell);
    text += "\r\n";
    const QString blank = QString(222, ',');
    for (int poll = 0; poll < 6; ++poll) {
        text += QString::asprintf("2026-12-08 21:00:%02d.000,16", poll * 2);
        text += poll == 2 ? ",," : QString::asprintf(",%d,%d", 10 * poll, poll % 2);
        text += blank + "\r\n";
    }
    const QString path = dir.filePath("rec.csv");
    TextFile::writeBytes(path, text.toUtf8());
    return path;
}

} // namespace

using PlotCommandTest = ObelcTest;

TEST_F(PlotCommandTest, ThePngIsTheTrendPaintersPictureOfTheRecording) {
    const QString csv = recording(dir), png = dir.filePath("plot.png");
    const Outcome run = obelc({"plot", "--cells", "start,RUN.0", "--size", "640x320", csv, png});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "plotted START, RUN.0 from 2026-12-08 21:00:00 to 2026-12-08 21:00:10 "
                       "into " +
                           png + "\n");

    QString error;
    const auto read = TrendCsv::read(csv, &error);
    ASSERT_TRUE(read) << error.toStdString();
    const TrendPicture reference{&read->log,
                                 {TrendTrace{0}, TrendTrace{1, 0}},
                                 {"START", "RUN.0"},
                                 read->log.firstTime(),
                                 read->log.lastTime(),
                                 false,
                                 {}};
    ASSERT_TRUE(TrendPainter::writePng(dir.filePath("ref.png"), reference, {640, 320}, &error));
    EXPECT_EQ(QImage(png), QImage(dir.filePath("ref.png")));
}

TEST_F(PlotCommandTest, UnknownCellsAndUnreadableRecordingsSayWhy) {
    const QString csv = recording(dir);
    Outcome run = obelc({"plot", "--cells", "STOP", csv, dir.filePath("p.svg")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("no cell STOP in " + csv)) << run.err.toStdString();
    run = obelc({"plot", csv, dir.filePath("p.svg")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("plotted START, RUN from")) << run.out.toStdString();
    EXPECT_TRUE(QFile(dir.filePath("p.svg")).size() > 0);
    run = obelc({"plot", dir.filePath("none.csv"), dir.filePath("p.png")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("cannot read")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("p.png")));
}
