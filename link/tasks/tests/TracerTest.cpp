// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tracer.h"
#include "CsvText.h"
#include "FakeTransport.h"
#include "Link.h"
#include "TestFolder.h"
#include "VirtualTransport.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#include "QStringPrinter.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

namespace {

// Sixteen register bytes: register r holds r in its high byte and r ^ 0x5A
// in its low one, so every cell is told apart and 0x5A shows up.
QByteArray blockData(int firstRegister) {
    QByteArray data;
    for (int r = firstRegister; r < firstRegister + 8; ++r)
        data.append(char(r)).append(char(r ^ 0x5A));
    return data;
}

QByteArray answerTo(int firstRegister, char slave = '\xAD') {
    return checked(QByteArray(1, slave).toHex() + "0310" + blockData(firstRegister).toHex());
}

class TracerTest : public ::testing::Test {
protected:
    TracerTest() {
        line.open();
        link.setTransport(&line);
    }
    // Switched on, with the clock left to the test.
    void traceOn() {
        tracer.toggleTracing();
        clock.stop();
    }
    int lastRegister() const { return quint8(line.written.last()[3]); }
    // One tick whose read the line answers.
    void tickAnswered() {
        tracer.tick();
        line.deliver(answerTo(lastRegister()));
    }

    FakeTransport line;
    Link link;
    QTimer clock;
    Tracer tracer{link, clock};
};

TEST_F(TracerTest, PollsEightRegistersABlockFrom16AndWrapsAfter28Ticks) {
    EXPECT_EQ(tracer.switchCaption(), "STOP");
    tracer.tick();
    EXPECT_TRUE(line.written.isEmpty());

    tracer.toggleTracing();
    EXPECT_TRUE(clock.isActive());
    EXPECT_EQ(clock.interval(), 50);
    clock.stop();
    EXPECT_EQ(tracer.switchCaption(), "TR");
    tracer.tick();
    EXPECT_EQ(line.written.last(), checked("AD 03 00 10 00 08"));
    for (int i = 1; i < 28; ++i)
        tracer.tick();
    EXPECT_EQ(line.written.last(), checked("AD 03 00 E8 00 08"));
    EXPECT_EQ(tracer.polledBase(), 216);
    EXPECT_EQ(tracer.pollBase(), 0);
    EXPECT_EQ(tracer.counters().polls, 28);
    EXPECT_EQ(tracer.counters().missing, 27);

    tracer.setSlave(" 17 ");
    tracer.setSlave("300"); // no byte: the address stays
    tracer.setSlave("170"); // the halt command byte: no slave has it
    tracer.setSlave("0");   // the broadcast: nobody would answer the reads
    tracer.setInterval("120");
    tracer.tick();
    EXPECT_EQ(line.written.last(), checked("11 03 00 10 00 08"));
    EXPECT_EQ(clock.interval(), 120);
}

TEST_F(TracerTest, EveryAnswerLandsInItsCellsAndBlocksPastTheLastCellAreDropped) {
    traceOn();
    for (int i = 0; i < 28; ++i)
        tickAnswered();
    tracer.tick();
    for (int cell = 0; cell < Tracer::Cells; ++cell) {
        const int reg = cell / 2 + 16;
        const int byte = cell % 2 ? reg ^ 0x5A : reg;
        ASSERT_EQ(tracer.cell(cell), QString::asprintf("%02X", byte)) << cell;
    }
    EXPECT_EQ(tracer.counters().good, 28);
    // The answer under way as it came, a 0x5A byte included.
    line.deliver(hex("AD 03 10 5A"));
    EXPECT_EQ(tracer.received(), "AD03105A");
}

TEST_F(TracerTest, EnterWritesTheCellsRegisterAndTracingResumesWithoutTheStaleAnswer) {
    traceOn();
    for (int i = 0; i < 3; ++i)
        tickAnswered(); // the third read is of registers 32-39: cells 32-47
    tracer.select(33);
    EXPECT_FALSE(tracer.tracing());
    tracer.setCell(32, "12");
    tracer.setCell(33, "5a");
    tracer.enter(33);
    EXPECT_EQ(tracer.marker(), Tracer::Marker::Pending);
    tracer.tick();
    EXPECT_EQ(line.written.last(), checked("AD 06 00 20 12 5A"));
    EXPECT_EQ(tracer.marker(), Tracer::Marker::Sent);
    EXPECT_TRUE(tracer.tracing());
    // The answer read before the write would put the old value back.
    line.deliver(checked("AD 06 00 20 12 5A"));
    tracer.tick();
    EXPECT_EQ(line.written.last(), checked("AD 03 00 28 00 08"));
    EXPECT_EQ(tracer.cell(33), "5a");
    EXPECT_EQ(tracer.counters().bad, 0);
}

TEST_F(TracerTest, EveryReadIsJudgedOnceThroughPausesWritesAndTheReceiveSwitch) {
    const auto adds = [&] {
        const Tracer::Counters& n = tracer.counters();
        return n.pending() >= 0 && n.pending() <= 1;
    };
    traceOn();
    tickAnswered();
    tracer.tick();
    tracer.select(33); // a pause with a read under way
    tracer.tick();
    EXPECT_EQ(tracer.counters().pending(), 0);
    EXPECT_EQ(tracer.counters().good, 1);
    EXPECT_EQ(tracer.counters().missing, 1) << "its answer never came";
    tracer.enter(33);
    tracer.tick(); // the write
    tickAnswered();
    EXPECT_TRUE(adds());
    tracer.tick();
    EXPECT_EQ(tracer.counters().good, 2);

    // The download window's receive switch takes the answers: withheld, not missing.
    link.setDumpSwitch(true);
    EXPECT_TRUE(tracer.healthText().contains("RCV switch is on"))
        << tracer.healthText().toStdString();
    tickAnswered();
    tracer.tick();
    EXPECT_EQ(tracer.counters().withheld, 2);
    EXPECT_EQ(tracer.counters().missing, 1);
    link.setDumpSwitch(false);
    tracer.pause();
    tracer.tick();
    const Tracer::Counters& n = tracer.counters();
    EXPECT_EQ(n.polls, n.good + n.missing + n.bad + n.withheld);
    EXPECT_EQ(tracer.healthText(), "polls 6   good 2   missing 2   bad 0   withheld 2");
}

TEST_F(TracerTest, ABitButtonFlipsOneBitAndWritesAfterFiveHeldOffTicks) {
    traceOn();
    tracer.setCell(4, "3C");
    tracer.setCell(5, "01");
    tracer.bitButton(3 * 8 + 7); // group 3 shows cell 5
    EXPECT_EQ(tracer.cell(5), "81");
    EXPECT_FALSE(tracer.tracing());
    EXPECT_TRUE(tracer.bitSet(3 * 8 + 7));
    EXPECT_TRUE(tracer.bitSet(3 * 8 + 0));
    EXPECT_FALSE(tracer.bitSet(3 * 8 + 1));
    for (int i = 0; i < Tracer::HoldOffTicks; ++i)
        tracer.tick();
    EXPECT_TRUE(line.written.isEmpty());
    EXPECT_EQ(tracer.holdOff(), 0);
    tracer.tick();
    EXPECT_EQ(line.written, QList<QByteArray>{checked("AD 06 00 12 3C 81")});
    EXPECT_TRUE(tracer.tracing());
}

TEST_F(TracerTest, RunStopTogglesBit5OfCell15AndTheCaptionFollowsOnceTracingResumes) {
    traceOn();
    tracer.setCell(14, "07");
    tracer.setCell(15, "41");
    tracer.runStop();
    EXPECT_EQ(tracer.cell(15), "61");
    EXPECT_EQ(tracer.pendingCell(), 15);
    tracer.tick();
    EXPECT_EQ(line.written.last(), checked("AD 06 00 17 07 61"));
    EXPECT_EQ(tracer.runCaption(), "STOP");
    tracer.tick();
    EXPECT_EQ(tracer.runCaption(), "RUN");

    tracer.runStop();
    EXPECT_EQ(tracer.cell(15), "41");
    tracer.tick();
    EXPECT_EQ(line.written.last(), checked("AD 06 00 17 07 41"));
    tracer.tick();
    EXPECT_EQ(tracer.runCaption(), "STOP");
}

TEST_F(TracerTest, OnlyTheAnswerToTheReadIsMemoryOthersAreCountedWithTheirReason) {
    const QByteArray good = answerTo(16);
    QByteArray badCrc = good;
    badCrc[20] = char(badCrc[20] ^ 1);
    const struct {
        QList<QByteArray> pieces;
        QString reason; // empty: a good answer
    } cases[] = {
        {{hex("FF 00 13 77")}, "wrong slave FF"},
        {{answerTo(16, '\xAC')}, "wrong slave AC"},
        {{badCrc}, "bad CRC"},
        {{good.first(5), good.mid(5)}, ""},
        {{good.first(12)}, "short answer (12 bytes)"},
        {{checked("AD 83 02")}, "exception 02"},
        {{checked("AD 04 10") + good.mid(3, 16)}, "wrong function 04"},
        {{good + good.first(2)}, "long answer (23 bytes)"},
    };
    traceOn();
    for (int cell = 0; cell < Tracer::Cells; ++cell)
        tracer.setCell(cell, "77");
    tracer.tick();
    int bad = 0;
    for (const auto& c : cases) {
        const int firstCell = 2 * (lastRegister() - 16);
        for (const QByteArray& piece : c.pieces)
            line.deliver(piece);
        tracer.tick();
        bad += !c.reason.isEmpty();
        EXPECT_EQ(tracer.counters().bad, bad) << c.reason.toStdString();
        if (!c.reason.isEmpty()) {
            EXPECT_EQ(tracer.counters().lastBad, c.reason);
        }
        EXPECT_EQ(tracer.cell(firstCell), c.reason.isEmpty() ? "10" : "") << c.reason.toStdString();
        EXPECT_EQ(tracer.cell(firstCell + 15), c.reason.isEmpty() ? "4D" : "")
            << c.reason.toStdString();
    }
    EXPECT_EQ(tracer.counters().good, 1);
    EXPECT_EQ(tracer.counters().missing, 0);
}

TEST_F(TracerTest, MapTabNamesCellsUntilAnItemWithoutHash) {
    TestFolder scratch;
    scratch.write("def/MAP.TAB",
                  "START#start button, STOP # stop\r\n\"A,B#quoted\"\r\n#no name,LAST,NEXT#x\r\n");
    tracer.loadNames(scratch.folder());
    EXPECT_EQ(tracer.name(0), "START");
    EXPECT_EQ(tracer.nameItem(0), "START#start button");
    EXPECT_EQ(tracer.name(1), "STOP");
    EXPECT_EQ(tracer.name(2), "A,B");
    EXPECT_TRUE(tracer.named(3));
    EXPECT_EQ(tracer.name(3), "");
    EXPECT_FALSE(tracer.named(4));
    EXPECT_FALSE(tracer.named(5));

    // A damaged file shows no control character.
    scratch.write("def/MAP.TAB", QByteArray("A\x1B[2J#x,\x07"
                                            "B#y\r\n"));
    tracer.loadNames(scratch.folder());
    EXPECT_EQ(tracer.name(0), QString("A\uFFFD[2J"));
    EXPECT_EQ(tracer.name(1), QString("\uFFFDB"));

    tracer.loadNames(TestFolder().folder());
    for (int cell = 0; cell < Tracer::Cells; ++cell)
        ASSERT_FALSE(tracer.named(cell));

    // The shipped file names the bit buttons' cells and the run cell.
    tracer.loadNames(ProgramFolder(qEnvironmentVariable("OBEL_TEST_PROGRAM_DIR")));
    QStringList names;
    for (int group = 0; group < Tracer::BitGroups; ++group)
        names << tracer.name(Tracer::groupCell(group));
    EXPECT_EQ(names, (QStringList{"XB1", "XB2", "XB3", "YB1", "YB2", "RUN"}));
    EXPECT_TRUE(tracer.named(0));
    EXPECT_FALSE(tracer.named(56));

    // Listed cells are marked; so is a cell once selected and then left.
    tracer.select(60);
    EXPECT_TRUE(tracer.marked(0));
    EXPECT_FALSE(tracer.marked(60));
    tracer.select(61);
    EXPECT_TRUE(tracer.marked(60));
    EXPECT_FALSE(tracer.marked(61));
}

TEST_F(TracerTest, TheRecordingHasOneRowPerGoodAnswerAndAColumnPerCell) {
    TestFolder scratch;
    scratch.write("def/map.tab", "\"A,B#quoted\",SAY \"HI\"#\r\n");
    tracer.loadNames(scratch.folder());
    const QString path = scratch.path("trace.csv");
    ASSERT_TRUE(tracer.startRecording(path));
    traceOn();
    tickAnswered();
    tracer.tick(); // shows the answer: a row
    tracer.tick(); // no answer: no row
    tracer.stopRecording();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = CsvText::rows(QString::fromUtf8(file.readAll()));
    ASSERT_EQ(rows.size(), 2);
    ASSERT_EQ(rows[0].size(), 2 + Tracer::Cells);
    EXPECT_EQ(rows[0].mid(0, 5), (QStringList{"time", "register", "A,B", "SAY \"HI\"", "cell 02"}));
    EXPECT_EQ(rows[0].last(), "cell DF");
    ASSERT_EQ(rows[1].size(), 2 + Tracer::Cells);
    EXPECT_TRUE(QDateTime::fromString(rows[1][0], "yyyy-MM-dd hh:mm:ss.zzz").isValid())
        << rows[1][0].toStdString();
    EXPECT_EQ(rows[1][1], "16");
    EXPECT_EQ(rows[1][2], "16");
    EXPECT_EQ(rows[1][3], QString::number(16 ^ 0x5A));
    EXPECT_EQ(rows[1][17], QString::number(23 ^ 0x5A));
    EXPECT_EQ(rows[1][18], "");

    QString error;
    EXPECT_FALSE(tracer.startRecording(scratch.path("no/such/folder.csv"), &error));
    EXPECT_TRUE(error.contains("folder.csv")) << error.toStdString();
    // A device that takes no byte: the header already fails.
    EXPECT_FALSE(tracer.startRecording("/dev/full", &error));
    EXPECT_TRUE(error.contains("/dev/full")) << error.toStdString();
    EXPECT_FALSE(tracer.recording());
}

// A file that stops growing halfway (a full disk; here the process's file
// size limit): the recording stops at once and says so.
TEST_F(TracerTest, ARecordingThatCannotBeWrittenStopsAndSaysWhy) {
    TestFolder scratch;
    ASSERT_TRUE(tracer.startRecording(scratch.path("trace.csv")));
    QSignalSpy failed(&tracer, &Tracer::recordingFailed);
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = QFileInfo(scratch.path("trace.csv")).size() + 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    traceOn();
    for (int i = 0; i < 10; ++i)
        tickAnswered();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, ignored);
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains("trace.csv"))
        << failed[0][0].toString().toStdString();
    EXPECT_FALSE(tracer.recording());
}

// The virtual controller in this process: a written cell reaches its
// registers and the next round of polls shows it.
TEST(TracerVirtualController, AWrittenCellReachesTheControllerAndComesBack) {
    VirtualTransport line;
    line.open();
    Link link;
    link.setTransport(&line);
    QTimer clock;
    Tracer tracer(link, clock);
    tracer.toggleTracing();
    clock.stop();
    // A tick, and the answer to its read gathered.
    const auto tickAnswered = [&] {
        tracer.tick();
        return QTest::qWaitFor([&] { return tracer.received().size() == 42; }, 2000);
    };
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(tickAnswered()); // the fourth tick shows registers 32-39
    ASSERT_EQ(tracer.cell(33), "00");
    tracer.select(33);
    tracer.setCell(33, "A5");
    tracer.enter(33);
    tracer.tick();
    // The write's echo, as it would come before the next tick.
    ASSERT_TRUE(QTest::qWaitFor([&] { return tracer.received().size() == 16; }, 2000));
    ASSERT_EQ(line.controller().holding(32), 0xA5);
    tracer.setCell(33, "");
    do
        ASSERT_TRUE(tickAnswered());
    while (tracer.polledBase() != 16);
    tracer.tick();
    EXPECT_EQ(tracer.cell(32), "00");
    EXPECT_EQ(tracer.cell(33), "A5");
    EXPECT_EQ(tracer.counters().bad, 0);
}

} // namespace
