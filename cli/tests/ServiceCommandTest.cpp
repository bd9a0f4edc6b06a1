// SPDX-License-Identifier: GPL-3.0-or-later
// The service tools of obelc against obelc sim on a pty, and against a line
// nobody answers.

#include "HelperProcess.h"
#include "ObelcFixture.h"
#include "SocatPair.h"
#include "TextFile.h"

#include <QTest>

namespace {

class ServiceCommandTest : public ObelcTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.firstLine().startsWith("/dev/pts/")) << sim.errors().toStdString();
    }
    Outcome tool(const QStringList& args) {
        return obelc(QStringList{args.first(), "-C", folder(), "--port", pty} + args.mid(1));
    }
    QStringList meanings() { return simMeanings(sim.errors()); }

    const QString pty = dir.filePath("plc");
    HelperProcess sim{OBELC, {"sim", "--pty", pty}};
};

TEST_F(ServiceCommandTest, EachToolPrintsWhatItSentAndTheControllerShowsIt) {
    EXPECT_EQ(tool({"write-memory", "1A", "00", "FF"}).out, "A5 10 00 FF 00 00 00 00\n");
    // The checks are libmodbus's to judge (ModbusPeerTest); here the payloads.
    EXPECT_TRUE(tool({"request", "AD", "3", "17", "1"}).out.startsWith("AD 03 00 17 00 01 "));
    EXPECT_EQ(tool({"link-test", "12", "34"}).out, "A8 12 34\n");
    const Outcome clock = tool({"clock", "--time", "2027 01 07 30 23 59 58"});
    EXPECT_TRUE(clock.out.startsWith("AD 10 00 50 00 04 08 27 01 07 30 23 59 58 5A "))
        << clock.out.toStdString();
    const Outcome read = tool({"clock", "--read"});
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, "clock: 2027 01 07 30 23 59 58\n");

    const Outcome table = tool({"table", "--delay", "100", "SEG7"});
    EXPECT_EQ(table.status, 0) << table.err.toStdString();
    const QStringList frames = table.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(frames.size(), 12);
    EXPECT_EQ(frames[1], "A5 5A 0F 00 3F AA D2 78");
    ASSERT_TRUE(QTest::qWaitFor([&] { return meanings().size() == 5 + 12; }, 10000))
        << meanings().join('\n').toStdString();
    const QStringList seen = meanings();
    EXPECT_EQ(seen.first(3), (QStringList{"raw write FF at 1A00", "read 1 register(s) from 23",
                                          "link test, echoed"}));
    EXPECT_EQ(seen[3], "set the clock to 2027-01-30T23:59:58");
    EXPECT_EQ(seen[7], "write 06 at 0F01, acknowledged");
    EXPECT_EQ(seen.last(), "start");

    const Outcome loader = tool({"hrim", "dw", "--wait", "100"});
    EXPECT_EQ(loader.out, QString("AA\n").repeated(10) + "A6 08\ndump:\n")
        << loader.err.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return meanings().size() == 5 + 12 + 11; }, 10000));
    EXPECT_EQ(meanings().last(), "loader start, parameter 08");
}

TEST_F(ServiceCommandTest, RefusalsSendNothingAndASilentLineIsLoadError) {
    TextFile::write(dir.filePath("obel/TAB/BAD.tab"), "offset=250\r\n1\r\n");
    const struct {
        QStringList args;
        int status;
        const char* says;
    } refused[] = {
        {{"write-memory", "9", "0", "0"}, 2, "ADDR_H must be a hexadecimal number from A to 109"},
        {{"frame", "1", "2"}, 2, "9 field(s) wanted, 2 given"},
        {{"clock", "--time", "2026 13 01 06 09 05 03"}, 2, "--time needs"},
        {{"table", "BAD"}, 1, "BAD.tab, line 1: the offset must be"},
        {{"table", "NONE"}, 1, "NONE.tab cannot be read"},
        {{"hrim", "dw", "--param", "100"},
         2,
         "The parameter must be a hexadecimal number from 0 to FF"},
    };
    for (const auto& r : refused) {
        const Outcome o = tool(r.args);
        EXPECT_EQ(o.status, r.status) << r.args.join(' ').toStdString();
        EXPECT_TRUE(o.err.contains(r.says)) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty());
    }
    // A frame sent after them arrives after anything they might have sent.
    EXPECT_EQ(tool({"link-test", "12", "34"}).status, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !meanings().isEmpty(); }, 5000));
    EXPECT_EQ(meanings(), QStringList{"link test, echoed"});

    SocatPair silent(dir.path());
    ASSERT_TRUE(silent.ready());
    const Outcome lost =
        obelc({"table", "-C", folder(), "--port", silent.a, "--delay", "30", "SEG7"});
    EXPECT_EQ(lost.status, 4);
    EXPECT_TRUE(lost.err.contains("Load ERROR !! (no acknowledgement of the write at 0F00"))
        << lost.err.toStdString();
    EXPECT_EQ(lost.out.count('\n'), 1 + 3) << "the halt frame and three attempts, no start";
}

} // namespace
