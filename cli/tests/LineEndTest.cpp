// SPDX-License-Identifier: GPL-3.0-or-later
// Every obelc command that sends ends only once its frames have left the
// line: obelc sim, on a TCP connection and on a pty, receives the last frame
// of each, however soon the command exits.

#include "HelperProcess.h"
#include "ObelcFixture.h"
#include "QStringPrinter.h"
#include "TextFile.h"

#include <QTest>

namespace {

class LineEndTest : public ObelcTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        port = sim.firstLine();
        ASSERT_FALSE(port.isEmpty()) << sim.errors().toStdString();
    }
    QStringList simArgs() const {
        return QString(GetParam()) == "tcp" ? QStringList{"sim", "--listen", "127.0.0.1:0"}
                                            : QStringList{"sim", "--pty", dir.filePath("plc")};
    }
    QStringList meanings() { return simMeanings(sim.errors()); }

    HelperProcess sim{OBELC, simArgs()};
    QString port;
};

TEST_P(LineEndTest, TheControllerReceivesTheLastFrameOfEveryCommand) {
    const Outcome converted = convertSample("LATCH.MAP");
    ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
    const QString source = dir.filePath("latch.txt");
    ASSERT_TRUE(TextFile::write(source, converted.out));

    const struct {
        QStringList args;
        QString last; // the meaning of the command's last frame
        int frames;   // how many frames it sends; 0 when it depends on the program
    } commands[] = {
        {{"download", "--delay", "100", source}, "start", 0},
        {{"stop"}, "halt", 1},
        {{"run"}, "start", 1},
        {{"table", "--delay", "100", "SEG7"}, "start", 12},
        {{"write-memory", "1A", "00", "FF"}, "raw write FF at 1A00", 1},
        {{"link-test", "12", "34"}, "link test, echoed", 1},
        {{"request", "AD", "3", "17", "1"}, "read 1 register(s) from 23", 1},
        {{"clock", "--time", "2027 01 07 30 23 59 58"}, "set the clock to 2027-01-30T23:59:58", 1},
        {{"trace", "--count", "3"}, "read 8 register(s) from 32", 3},
        {{"hrim", "dw", "--wait", "50"}, "loader start, parameter 08", 11},
    };
    for (const auto& c : commands) {
        const qsizetype before = meanings().size();
        const Outcome o =
            obelc(QStringList{c.args.first(), "-C", folder(), "--port", port} + c.args.mid(1));
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(o.status, 0) << what << ": " << o.err.toStdString();
        // Once the command has ended nothing more comes from it: its last
        // frame is in the simulator's log soon, or it was lost.
        const bool arrived = QTest::qWaitFor(
            [&] {
                const QStringList seen = meanings().mid(before);
                return !seen.isEmpty() && seen.last() == c.last &&
                       (!c.frames || seen.size() >= c.frames);
            },
            5000);
        const QStringList seen = meanings().mid(before);
        EXPECT_TRUE(arrived) << what << ": " << seen.join(" | ").toStdString();
        if (c.frames) {
            EXPECT_EQ(seen.size(), c.frames) << what << ": " << seen.join(" | ").toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, LineEndTest, ::testing::Values("tcp", "pty"));

} // namespace
