// obelc download, run and stop against real lines: obelc sim on a pty in
// another process, a socat pty pair nobody answers, a port that is not there.

#include "HelperProcess.h"
#include "ObelcFixture.h"
#include "QStringPrinter.h"
#include "SocatPair.h"
#include "TextFile.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

class DownloadCommandTest : public ObelcTest {
protected:
    // The LATCH sample converted, as a source file.
    QString latchSource() {
        const Outcome converted = convertSample("LATCH.MAP");
        EXPECT_EQ(converted.status, 0) << converted.err.toStdString();
        const QString path = dir.filePath("latch.txt");
        EXPECT_TRUE(TextFile::write(path, converted.out));
        return path;
    }
    static QStringList meanings(const QString& log) { return simMeanings(log); }
    // The byte writes a code image text asks for, as the simulator logs them.
    static QStringList writesOf(const QString& image) {
        static const QRegularExpression record("([0-9A-F]{4}) = ([0-9A-F]{2}) - ([0-9A-F]{2})");
        QStringList writes;
        for (auto m = record.globalMatch(image); m.hasNext();) {
            const auto r = m.next();
            const int address = r.captured(1).toInt(nullptr, 16);
            writes << "write " + r.captured(2) + " at " + r.captured(1) + ", acknowledged";
            writes << "write " + r.captured(3) + " at " +
                          QString("%1").arg(address + 1, 4, 16, QChar('0')).toUpper() +
                          ", acknowledged";
        }
        return writes;
    }
};

TEST_F(DownloadCommandTest, TheLatchSampleLandsInTheSimulatorWhichRunsAndStopsOnCommand) {
    const QString pty = dir.filePath("plc");
    HelperProcess sim(OBELC, {"sim", "--pty", pty});
    ASSERT_TRUE(sim.firstLine().startsWith("/dev/pts/")) << sim.errors().toStdString();

    const Outcome done = obelc({"download", "-C", folder(), "--port", pty, "--name", "LATCH.MAP",
                                "--delay", "200", latchSource()});
    ASSERT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_TRUE(done.err.contains("TRAN 100 %")) << done.err.toStdString();
    const auto image = TextFile::read(ProgramFolder(folder()).path("plc\\LATCH.BIN"));
    ASSERT_TRUE(image.has_value());
    const QStringList writes = writesOf(*image);
    ASSERT_FALSE(writes.isEmpty());

    const Outcome halted = obelc({"stop", "-C", folder(), "--port", pty});
    EXPECT_EQ(halted.status, 0);
    EXPECT_EQ(halted.out, "halt frame sent on " + pty + "\n");
    EXPECT_EQ(obelc({"run", "-C", folder(), "--port", pty}).status, 0);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return meanings(sim.errors()).size() >= writes.size() + 5; }, 10000));
    const QStringList expected = QStringList{"read 1 register(s) from 1", "halt"} + writes +
                                 QStringList{"start", "halt", "start"};
    EXPECT_EQ(meanings(sim.errors()), expected);
}

TEST_F(DownloadCommandTest, ASilentLineIsNoAnswer) {
    SocatPair pair(dir.path());
    ASSERT_TRUE(pair.ready());
    const QString source = latchSource();
    const Outcome silent = obelc({"download", "-C", folder(), "--port", pair.a, "--name",
                                  "LATCH.MAP", "--delay", "50", source});
    EXPECT_EQ(silent.status, 3);
    EXPECT_TRUE(silent.err.contains("RS-232 ERROR !!")) << silent.err.toStdString();
    EXPECT_FALSE(QFile::exists(ProgramFolder(folder()).path("plc\\LATCH.BIN")));
}

// A line that only chatters: random bytes, 0x5A among them, and never an
// acknowledgement alone. The probe takes any answer; no byte write is
// acknowledged, and no image file is written.
TEST_F(DownloadCommandTest, NoiseIsNoAcknowledgement) {
    SocatPair pair(dir.path());
    ASSERT_TRUE(pair.ready());
    const int noise = ::open(QFile::encodeName(pair.b).constData(), O_RDWR | O_NONBLOCK | O_NOCTTY);
    ASSERT_GE(noise, 0);
    QTimer chatter;
    QObject::connect(&chatter, &QTimer::timeout, [&] {
        char bytes[16];
        for (char& b : bytes)
            b = char(QRandomGenerator::global()->bounded(256));
        bytes[3] = '\x5A';
        [[maybe_unused]] const ssize_t written = ::write(noise, bytes, sizeof bytes);
        char heard[256];
        while (::read(noise, heard, sizeof heard) > 0) {
        }
    });
    chatter.start(5);
    QProcess download;
    download.start(OBELC, {"download", "-C", folder(), "--port", pair.a, "--name", "LATCH.MAP",
                           "--delay", "50", latchSource()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return download.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(download.exitCode(), 4) << download.readAllStandardError().toStdString();
    EXPECT_FALSE(QFile::exists(ProgramFolder(folder()).path("plc\\LATCH.BIN")));
    ::close(noise);
}

// Ctrl-C in the middle of a transfer on a slow line: the transfer stops
// after the write under way and says where; the line is closed as at any
// end, so the next command opens it.
TEST_F(DownloadCommandTest, AnInterruptedTransferSaysWhereItStopped) {
    const QString pty = dir.filePath("slow");
    HelperProcess sim(OBELC, {"sim", "--pty", pty, "--baud", "300"});
    ASSERT_FALSE(sim.firstLine().isEmpty()) << sim.errors().toStdString();
    QProcess download;
    download.start(OBELC, {"download", "-C", folder(), "--port", pty, latchSource()});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return download.readAllStandardError().contains("TRAN"); }, 10000));
    ::kill(pid_t(download.processId()), SIGINT);
    ASSERT_TRUE(download.waitForFinished(10000));
    EXPECT_EQ(download.exitCode(), 130);
    const QString said = QString::fromUtf8(download.readAllStandardError());
    EXPECT_TRUE(said.contains("Transfer stopped at address 0x")) << said.toStdString();
    EXPECT_TRUE(said.contains("the controller stays halted")) << said.toStdString();
    EXPECT_EQ(obelc({"run", "-C", folder(), "--port", pty}).status, 0);
}

TEST_F(DownloadCommandTest, APortThatCannotBeOpenedAndAnAssemblyError) {
    const QString missing = dir.filePath("no-such-port");
    for (const char* command : {"download", "run"}) {
        QStringList args{command, "-C", folder(), "--port", missing};
        if (command == QString("download")) args << "-";
        const Outcome refused = obelc(args, "            END\r\n");
        EXPECT_EQ(refused.status, 5) << command;
        EXPECT_TRUE(refused.err.contains(missing + " cannot be opened: "))
            << refused.err.toStdString();
    }

    // The virtual controller in obelc's own process answers the link check.
    const Outcome bad = obelc({"download", "-C", folder(), "--port", "sim", "-"},
                              "\r\n' 2\r\n            MOVD,05,1\r\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.startsWith("Error in Line  2\r\n>>> MOVD,05,1 <<<"))
        << bad.err.toStdString();
}

} // namespace
