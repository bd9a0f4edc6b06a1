#include "ServiceTools.h"
#include "Frames.h"
#include "LinkRun.h"
#include "TableWrite.h"

#include "FakeTransport.h"
#include "TestBytes.h"
#include "TestFolder.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

class ServiceToolsTest : public ::testing::Test {
protected:
    ServiceToolsTest() {
        line.open();
        link.setTransport(&line);
    }
    FakeTransport line;
    Link link;
    ServiceTools tools{link};
};

TEST_F(ServiceToolsTest, EachToolSendsItsFrameAsItStands) {
    link.send(&Frames::probe); // AD 03 00 01 00 01 CD A6 before the raw write
    EXPECT_EQ(tools.writeMemory({"1A", "00", "FF"}).sent, hex("A51000FF0001CDA6"));
    // Only the first three characters count, trimmed.
    EXPECT_EQ(tools.linkTest({" 12 ", "03F7"}).sent, hex("A8123F"));
    EXPECT_EQ(tools.freeRequest(ServiceTools::requestDefaults()).sent, checked("010400200001"));
    const auto frame = tools.freeFrame({"01", "10", "00", "50", "00", "04", "08", "FF9", "0"}).sent;
    EXPECT_EQ(frame, checked("011000500004 08FF00"));
    EXPECT_EQ(line.written.size(), 5);

    const QString time = "2026 12 03 08 11 30 05";
    EXPECT_EQ(tools.setClock(time, 0xAD).sent, checked("AD1000500004 08 26120308113005 5A"));
    const QString once = " 173 16 0 80 0 4 8 38 18 3 8 17 48 5 90";
    EXPECT_EQ(tools.clockResult(), once);
    tools.setClock(time, 0xAD);
    EXPECT_EQ(tools.clockResult(), once + once);
}

// The clock read goes through the exchange: an answer from another slave
// is no clock, a silent line gets three attempts, and only the answer to the
// attempt last sent counts.
TEST_F(ServiceToolsTest, TheClockReadTakesOnlyTheAnswerToItsRead) {
    link.setDelayMs(20);
    const QByteArray clock = checked("AD 03 08 27 01 07 30 23 59 58 5A");
    const struct {
        QList<QByteArray> answers; // to the attempts in turn; none: silence
        const char* clock;
        const char* fault;
        int attempts;
    } cases[] = {
        {{clock}, "2027 01 07 30 23 59 58", "", 1},
        {{checked("07 03 08 27 01 07 30 23 59 58 5A")}, "", "wrong slave 07", 1},
        {{}, "", "", 3},
        {{QByteArray(), clock}, "2027 01 07 30 23 59 58", "", 2},
    };
    for (const auto& c : cases) {
        line.written.clear();
        line.responder = [&](const QByteArray&) {
            return c.answers.value(line.written.size() - 1);
        };
        std::optional<std::pair<QString, QString>> got;
        ASSERT_TRUE(tools.readClock(
            0xAD, [&](const QString& read, const QString& fault) { got.emplace(read, fault); }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return got.has_value(); }, 2000));
        EXPECT_EQ(got->first, c.clock);
        EXPECT_EQ(got->second, c.fault);
        EXPECT_EQ(line.written.size(), c.attempts);
        EXPECT_EQ(line.written.first(), checked("AD 03 00 50 00 04"));
    }
}

TEST_F(ServiceToolsTest, AFieldOutsideItsRangeIsRefusedByNameAndNothingIsSent) {
    const struct {
        ServiceTools::Result result;
        const char* says;
    } cases[] = {
        {tools.writeMemory({"9", "0", "0"}),
         "ADDR_H must be a hexadecimal number from A to 109, not \"9\""},
        {tools.writeMemory({"10A", "0", "0"}), "ADDR_H"},
        {tools.writeMemory({"10", "100", "0"}), "ADDR_L must be a hexadecimal number from 0 to FF"},
        {tools.linkTest({"0", "1FF"}), "DATA must"},
        {tools.freeRequest({"1", "4", "20", "FFF"}), "COT must"},
        {tools.linkTest({"ZZ", "1"}), "TRAD must be a hexadecimal number from 0 to FF, not \"ZZ\""},
        {tools.freeFrame({"01", "10", "00", "50", "00", "04", "08", "FF", ""}), "B8 must"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.result.refusal.startsWith(c.says)) << c.result.refusal.toStdString();
        EXPECT_TRUE(c.result.sent.isEmpty());
    }
    EXPECT_TRUE(line.written.isEmpty());
    // The raw write's lowest and highest ADDR_H.
    EXPECT_EQ(tools.writeMemory({"A", "0", "0"}).sent.first(2), hex("A500"));
    EXPECT_EQ(tools.writeMemory({"109", "0", "0"}).sent.first(2), hex("A5FF"));
    // What the window starts its fields with is taken as it stands.
    EXPECT_EQ(tools.writeMemory(ServiceTools::memoryDefaults()).refusal, "");
    EXPECT_EQ(tools.linkTest(ServiceTools::testDefaults()).refusal, "");
    EXPECT_EQ(tools.freeRequest(ServiceTools::requestDefaults()).refusal, "");
    EXPECT_EQ(tools.freeFrame(ServiceTools::frameDefaults()).refusal, "");
}

TEST(TableFile, ReadsOffsetAndItemsAndNamesTheLineOfEveryFault) {
    TestFolder dir;
    dir.write("TAB/GOOD.tab", "offset=5\r\n1, 2,\r\n\r\n3\r\n");
    QString error;
    const auto table = TableFile::read(TableFile::path(dir.folder(), " GOOD "), &error);
    ASSERT_TRUE(table.has_value()) << error.toStdString();
    EXPECT_EQ(table->offset(), 5);
    ASSERT_EQ(table->items().size(), 3u);
    EXPECT_EQ(table->items()[2].value, 3);
    EXPECT_EQ(table->address(2), 0x0F02);

    QByteArray full = "offset=0\r\n";
    for (int i = 0; i < 257; ++i)
        full += "7\r\n";
    const struct {
        QByteArray text;
        const char* says;
    } faults[] = {
        {"1,2,3\r\n", "line 1: the table must begin with \"offset=\""},
        {"offset=246\r\n1\r\n", "line 1: the offset must be a whole number from -10 to 245"},
        {"offset=x\r\n1\r\n", "line 1: the offset"},
        {"offset=5\r\n1,2\r\n3,256\r\n",
         "line 3: item 3 must be a whole number from 0 to 255, not \"256\""},
        {"offset=5\r\n1,,2\r\n", "line 2: item 1 must"},
        {"offset=5\r\n1.5\r\n", "line 2: item 0"},
        {full, "line 258: a table holds at most 256 items"},
    };
    for (const auto& f : faults) {
        dir.write("TAB/BAD.tab", f.text);
        EXPECT_FALSE(TableFile::read(TableFile::path(dir.folder(), "BAD"), &error).has_value());
        EXPECT_TRUE(error.startsWith(QString("BAD.tab, ") + f.says)) << error.toStdString();
    }
    EXPECT_FALSE(TableFile::read(TableFile::path(dir.folder(), "NONE"), &error).has_value());
    EXPECT_TRUE(error.contains("NONE.tab cannot be read")) << error.toStdString();
}

class TableWriteTest : public ServiceToolsTest {
protected:
    TableWriteTest() {
        link.setDelayMs(20);
        dir.write("TAB/T.tab", "offset=5\r\n1,2\r\n3\r\n");
        line.responder = [this](const QByteArray& frame) -> QByteArray {
            const bool byteWrite =
                quint8(frame[0]) == ControllerFacts::ByteWrite && quint8(frame[1]) == 0x5A;
            return byteWrite && frame[3] != silentAt ? QByteArray("\x5A") : QByteArray();
        };
    }
    std::optional<TableWrite::Outcome> run() {
        std::optional<TableWrite::Outcome> outcome;
        QEventLoop loop;
        QObject::connect(&write, &TableWrite::finished, &loop, [&](TableWrite::Outcome o) {
            outcome = o;
            loop.quit();
        });
        QObject::connect(&write, &TableWrite::progress, [this](int p) { percents << p; });
        EXPECT_TRUE(write.start(*TableFile::read(TableFile::path(dir.folder(), "T"), nullptr)));
        runFor(loop, 10000);
        return outcome;
    }
    TestFolder dir;
    TableWrite write{link};
    char silentAt = -1;
    QList<int> percents;
};

TEST_F(TableWriteTest, HaltsWritesEveryItemAcknowledgedListsItAndStarts) {
    EXPECT_EQ(run(), TableWrite::Outcome::Done);
    const QList<QByteArray> expected{checked("AAAAAAAAAAAA"), checked("A55A0F0001AA"),
                                     checked("A55A0F0102AA"), checked("A55A0F0203AA"),
                                     checked("A7A7A7A7A7A7")};
    EXPECT_EQ(line.written, expected);
    EXPECT_EQ(write.listing(), "offset=5\r\n 0 - 1\r\n 1 - 2\r\n 2 - 3\r\n");
    EXPECT_EQ(percents, (QList<int>{-1, 0, 0, 0, 0}));
}

TEST_F(TableWriteTest, AnUnacknowledgedItemEndsAfterThreeAttemptsWithoutTheStartFrame) {
    silentAt = 1;
    EXPECT_EQ(run(), TableWrite::Outcome::NotAcknowledged);
    EXPECT_EQ(write.failedAddress(), 0x0F01);
    EXPECT_EQ(line.written.size(), 1 + 1 + 3);
    EXPECT_EQ(line.written.last(), checked("A55A0F0102AA"));
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    EXPECT_FALSE(write.running());
}

} // namespace
