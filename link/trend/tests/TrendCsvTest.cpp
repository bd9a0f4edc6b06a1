// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendCsv.h"
#include "TrendFixture.h"

#include "QStringPrinter.h"
#include "TestFolder.h"

using TrendCsvTest = TrendFixture;

// The export is the recording's CSV, gaps as rows without values, and
// reading it gives back every poll.
TEST_F(TrendCsvTest, TheExportReadsBackPollForPollGapsIncluded) {
    TestFolder scratch;
    scratch.write("def/map.tab", "\"START,1#first\",COUNT#\r\n");
    tracer.loadNames(scratch.folder());
    sweep(good);
    sweep([](int reg) { return reg == 16 ? QByteArray() : good(reg); });
    tick();
    const QString path = scratch.path("export.csv");
    QString error;
    ASSERT_TRUE(trend.writeCsv(path, &error)) << error.toStdString();

    const auto read = TrendCsv::read(path, &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->cellNames, trend.cellNames());
    EXPECT_EQ(read->cellNames.first(), "START,1");
    const auto written = trend.log().polls(), back = read->log.polls();
    ASSERT_EQ(back.size(), written.size());
    // Blocks past cell 223 have no column, so no row: 14 a sweep.
    EXPECT_EQ(back.size(), 28u);
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].ms, written[i].ms) << i;
        EXPECT_EQ(back[i].firstRegister, written[i].firstRegister) << i;
        EXPECT_EQ(back[i].data, written[i].data) << i;
    }
    EXPECT_TRUE(back[14].gap());
}

// What the tracer's own recording wrote, read as a trend: its values, and a
// file that is no recording refused with the line and the reason.
TEST_F(TrendCsvTest, TheTracersRecordingReadsAndAFaultNamesItsLine) {
    TestFolder scratch;
    ASSERT_TRUE(tracer.startRecording(scratch.path("rec.csv")));
    sweep(good);
    tick();
    tracer.stopRecording();
    QString error;
    const auto read = TrendCsv::read(scratch.path("rec.csv"), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->log.polls().size(), 14u);
    EXPECT_EQ(read->log.valueAt({17}, read->log.lastTime()), 24 ^ 0x5A);

    scratch.write("bad.csv", "time,register,a,b\r\n2026-12-08 21:00:00.000,16,1,2\r\n"
                             "2026-12-08 21:00:00.050,16,1,300\r\n");
    EXPECT_FALSE(TrendCsv::read(scratch.path("bad.csv"), &error));
    EXPECT_EQ(error, scratch.path("bad.csv") + ", line 3: cell 1 holds \"300\", not a byte");
    scratch.write("notes.csv", "when,what\r\n");
    EXPECT_FALSE(TrendCsv::read(scratch.path("notes.csv"), &error));
    EXPECT_TRUE(error.contains("line 1: its first line is not the tracer's header"))
        << error.toStdString();
}
