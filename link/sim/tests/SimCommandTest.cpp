// obelc sim's options, seen from outside.

#include "HelperProcess.h"
#include "Link.h"
#include "LinkRun.h"
#include "PacedTransport.h"
#include "SerialTransport.h"
#include "TcpTransport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

TEST(SimCommand, RefusesWhatCannotWork) {
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{"--slave", "170"}, "--slave takes 1 to 247"}, // 0xAA starts the halt frame
        {{"--slave", "0"}, "--slave takes 1 to 247"},
        {{"--pty", "/tmp/x", "--listen", "127.0.0.1:0"}, "one of --pty and --listen"},
        {{"--listen", "localhost"}, "--listen takes HOST:PORT"},
        {{"--listen"}, "--listen needs a value"},
        {{"--baud", "0"}, "--baud takes a number"},
        {{"--hold", "16"}, "--hold needs --baud"},
        {{"--baud", "9600", "--hold", "-1"}, "--hold takes 0 to 1000"},
        {{"--speed", "9600"}, "unknown option --speed"},
    };
    for (const auto& c : cases) {
        QProcess sim;
        sim.start(OBELC, QStringList{"sim"} + c.args);
        ASSERT_TRUE(sim.waitForFinished(10000));
        EXPECT_EQ(sim.exitCode(), 2) << c.says;
        EXPECT_TRUE(sim.readAllStandardError().contains(c.says)) << c.says;
    }
}

TEST(SimCommand, AnswersOnlyItsOwnSlaveAddress) {
    HelperProcess sim(OBELC, {"sim", "--listen", "127.0.0.1:0", "--slave", "7"});
    const QString target = sim.firstLine();
    ASSERT_TRUE(target.startsWith("tcp:127.0.0.1:")) << sim.errors().toStdString();
    TcpTransport line("127.0.0.1", quint16(target.section(':', 2).toInt()));
    ASSERT_TRUE(line.open());
    Link link;
    link.setTransport(&line);
    link.setDelayMs(300);

    const auto read = [](ShortBytes& f) { Frames::registerRead(f, 7, 0x10); };
    EXPECT_EQ(runExchange(link, read, Link::Flag::Reply, 2), true);
    EXPECT_EQ(runProbe(link), false);
    EXPECT_TRUE(sim.errors().contains("for slave 173, ignored"));
}

TEST(SimCommand, TheLineModelTakesItsTimeBothWaysAndAnAdapterHoldsTheAnswer) {
    for (const int holdMs : {0, 40}) {
        HelperProcess sim(OBELC, {"sim", "--baud", "9600", "--hold", QString::number(holdMs)});
        const QString device = sim.firstLine();
        ASSERT_TRUE(device.startsWith("/dev/pts/")) << sim.errors().toStdString();
        SerialTransport line(device);
        ASSERT_TRUE(line.open());
        QByteArray answer;
        QObject::connect(&line, &Transport::bytesArrived,
                         [&](const QByteArray& b) { answer += b; });

        // 8 bytes of probe, 7 of answer, 11 bits each, then the hold.
        ShortBytes probe;
        Frames::probe(probe);
        QElapsedTimer clock;
        clock.start();
        line.write(QByteArray(reinterpret_cast<const char*>(probe.data()), probe.size()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.size() >= 7; }, 5000));
        EXPECT_GE(clock.nsecsElapsed(),
                  PacedTransport::wireTime(8 + 7, 9600).count() + holdMs * 1000000LL)
            << holdMs;
        EXPECT_EQ(answer.size(), 7);
    }
}

TEST(SimCommand, GarbageOverTcpIsTakenInPiecesAndTheNextFrameAnswered) {
    HelperProcess sim(OBELC, {"sim", "--listen", "127.0.0.1:0"}, false);
    const QString target = sim.firstLine();
    ASSERT_TRUE(target.startsWith("tcp:127.0.0.1:"));
    TcpTransport line("127.0.0.1", quint16(target.section(':', 2).toInt()));
    ASSERT_TRUE(line.open());
    Link link;
    link.setTransport(&line);
    link.setDelayMs(3000);
    // Bytes that start no frame, far more than a read takes at once.
    QByteArray garbage(8 << 20, '\x00');
    for (qsizetype i = 0; i < garbage.size(); ++i)
        garbage[i] = char(i % 7 == 0 ? 0x41 : 0x09);
    line.write(garbage);
    EXPECT_TRUE(runProbe(link));
}

// Random bytes by the megabyte make a few lines of log, not more than they
// were; a second client is refused with a word in the log.
TEST(SimCommand, NoiseIsLoggedAsRunsAndASecondClientIsNamed) {
    HelperProcess sim(OBELC, {"sim", "--listen", "127.0.0.1:0"});
    const QString target = sim.firstLine();
    ASSERT_TRUE(target.startsWith("tcp:127.0.0.1:"));
    const quint16 port = quint16(target.section(':', 2).toInt());
    TcpTransport line("127.0.0.1", port);
    ASSERT_TRUE(line.open());
    Link link;
    link.setTransport(&line);
    link.setDelayMs(3000);
    QByteArray noise(1 << 20, '\0');
    for (char& b : noise)
        b = char(QRandomGenerator::global()->bounded(256));
    line.write(noise);
    EXPECT_TRUE(runProbe(link));
    TcpTransport second("127.0.0.1", port);
    ASSERT_TRUE(second.open());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return sim.errors().contains("refused a second client"); }, 5000));
    const QString log = sim.errors();
    EXPECT_TRUE(log.contains("that are no frame (noise or a bad CRC), dropped"));
    EXPECT_LT(log.size(), noise.size() / 20) << log.count('\n') << " lines";
}

// Its frame log on a pipe that nobody reads: the pipe fills after a few
// hundred frames, and the simulator must go on serving and end on SIGTERM.
TEST(SimCommand, ALogNobodyReadsStopsNeitherServingNorTheEnd) {
    int log[2];
    ASSERT_EQ(::pipe2(log, O_CLOEXEC), 0);
    QTemporaryDir dir;
    QProcess sim;
    sim.setChildProcessModifier([&log] { ::dup2(log[1], STDERR_FILENO); });
    sim.start(OBELC, {"sim", "--pty", dir.filePath("plc")});
    ::close(log[1]);
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    SerialTransport line(QString::fromUtf8(sim.readLine()).trimmed());
    ASSERT_TRUE(line.open());
    qsizetype answered = 0;
    QObject::connect(&line, &Transport::bytesArrived,
                     [&](const QByteArray& bytes) { answered += bytes.size(); });

    ShortBytes probe;
    Frames::probe(probe);
    const QByteArray frame(reinterpret_cast<const char*>(probe.data()), probe.size());
    constexpr int Probes = 4000; // two log lines of some 30 bytes each
    for (int i = 0; i < Probes; i += 100) {
        line.write(frame.repeated(100));
        ASSERT_TRUE(QTest::qWaitFor([&] { return answered == (i + 100) * 7; }, 10000))
            << answered / 7 << " of " << i + 100 << " probes answered";
    }

    // Read at last, the log tells how much it left out: the frames over its
    // budget of a second, or the lines the full pipe did not take.
    ::fcntl(log[0], F_SETFL, O_NONBLOCK);
    QFile pipe;
    ASSERT_TRUE(pipe.open(log[0], QIODevice::ReadOnly, QFile::AutoCloseHandle));
    QByteArray logged = pipe.readAll();
    line.write(frame);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            logged += pipe.readAll();
            return logged.contains(" log lines dropped: nobody read them)\n") ||
                   logged.contains(" not shown\n");
        },
        5000))
        << logged.size() << logged.right(200).toStdString();
    EXPECT_TRUE(logged.startsWith("AD 03 00 01 00 01 CD A6  ")) << logged.left(80).toStdString();

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("plc")));
}

} // namespace
