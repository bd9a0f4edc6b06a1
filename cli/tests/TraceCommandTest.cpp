// SPDX-License-Identifier: GPL-3.0-or-later
// obelc trace against obelc sim on a pty in another process.

#include "CsvText.h"
#include "HelperProcess.h"
#include "ObelcFixture.h"
#include "QStringPrinter.h"

#include <QFile>
#include <QRegularExpression>

namespace {

class TraceCommandTest : public ObelcTest {
protected:
    TraceCommandTest() : sim(OBELC, {"sim", "--pty", dir.filePath("plc")}) {}
    void SetUp() override {
        ASSERT_TRUE(sim.firstLine().startsWith("/dev/pts/")) << sim.errors().toStdString();
    }
    Outcome trace(const QStringList& options) {
        return obelc(QStringList{"trace", "-C", folder(), "--port", dir.filePath("plc")} + options);
    }

    HelperProcess sim;
};

TEST_F(TraceCommandTest, PrintsOneLineAGoodAnswerWithTheCellsByName) {
    ASSERT_EQ(obelc({"run", "-C", folder(), "--port", dir.filePath("plc")}).status, 0);
    const Outcome traced = trace({"--count", "4"});
    ASSERT_EQ(traced.status, 0) << traced.err.toStdString();
    const QStringList lines = traced.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << traced.out.toStdString();
    static const QRegularExpression shape(
        R"(^\d\d:\d\d:\d\d\.\d{3} 0x(10|18|20|28)( [0-9A-Z]+=[0-9A-F]{2}){16}$)");
    for (const QString& line : lines)
        EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
    // The shipped map.tab names cell 1 and the run cell; the controller runs.
    EXPECT_TRUE(lines[0].contains(" 0x10 00=00 XB1=00 ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(" RUN=20")) << lines[0].toStdString();
    EXPECT_TRUE(traced.err.contains("4 polls")) << traced.err.toStdString();
}

TEST_F(TraceCommandTest, RecordsACsvAndTellsWhenNoAnswerCame) {
    const QString csv = dir.filePath("trace.csv");
    const Outcome recorded = trace({"--count", "3", "--csv", csv});
    ASSERT_EQ(recorded.status, 0) << recorded.err.toStdString();
    EXPECT_TRUE(recorded.out.isEmpty());
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = CsvText::rows(QString::fromUtf8(file.readAll()));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].mid(0, 4), (QStringList{"time", "register", "cell 00", "XB1"}));
    EXPECT_EQ(rows[1][1], "16");
    EXPECT_EQ(rows[3][1], "32");
    EXPECT_EQ(rows[3].mid(2 + 32, 16), QStringList(16, "0"));
    EXPECT_EQ(rows[3][2 + 31], "");

    const Outcome silent = trace({"--slave", "5", "--count", "2"});
    EXPECT_EQ(silent.status, 3);
    EXPECT_TRUE(silent.err.contains("0 good, 2 missing")) << silent.err.toStdString();
    EXPECT_EQ(trace({"--csv", dir.filePath("no/such/folder.csv"), "--count", "1"}).status, 1);
    EXPECT_EQ(trace({"--csv", "/dev/full", "--count", "1"}).status, 1);
    const Outcome tooSlow = trace({"--interval", "2147483647", "--count", "1"});
    EXPECT_EQ(tooSlow.status, 2);
    EXPECT_TRUE(tooSlow.err.contains("1 to 60000 ms")) << tooSlow.err.toStdString();
}

} // namespace
