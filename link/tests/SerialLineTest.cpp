// The link over real lines, as a user meets them: the port settings open the
// line that def/comports.def names, and obelc sim is the controller.

#include "HelperProcess.h"
#include "Link.h"
#include "LinkRun.h"
#include "PortSettings.h"
#include "SerialTransport.h"
#include "TcpTransport.h"
#include "Transports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SerialLine : public ::testing::Test {
protected:
    SerialLine() {
        QDir(dir.path()).mkdir("def");
        QObject::connect(&port, &PortSettings::transportChanged, &link, &Link::setTransport);
        QObject::connect(&port, &PortSettings::problem,
                         [this](const QString& text) { problems << text; });
        link.setDelayMs(2000);
    }
    void write(const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    // Sets COM1 to target and loads the port settings as the window does.
    void loadWithCom1(const QString& target) {
        write("def/comports.def", "COM1=" + target + "\r\n");
        write("def/rs232.def", " 1\r\n9600,e,8,1\r\n");
        port.load();
    }
    // The controller's log from halt to start: what a download of data from
    // address first leaves there.
    static QString downloadLog(quint16 first, const QByteArray& data) {
        const auto hexText = [](int v, int digits) {
            return QString::number(v, 16).rightJustified(digits, u'0').toUpper();
        };
        QString log = "AA AA AA AA AA AA FF 2E  halt\n";
        for (int i = 0; i < data.size(); ++i)
            log += "write " + hexText(quint8(data[i]), 2) + " at " + hexText(first + i, 4) +
                   ", acknowledged\n";
        return log;
    }
    // Halt, acknowledged byte writes, start: a download's frames.
    void download(quint16 first, const QByteArray& data) {
        Frames::halt(link.ShortFrame);
        link.send(Link::Buffer::Short);
        EXPECT_EQ(writeBytes(link, first, data), data.size());
        Frames::start(link.ShortFrame);
        link.send(Link::Buffer::Short);
    }
    // The meanings the simulator logged, frame bytes of byte writes left out.
    static QString meanings(HelperProcess& sim) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return sim.errors().contains("  start\n"); }, 10000));
        QString log;
        for (const QString& line : sim.errors().split('\n'))
            if (line.contains("  halt") || line.contains("acknowledged"))
                log += (line.contains("halt") ? line : line.mid(line.indexOf("  ") + 2)) + "\n";
        return log;
    }

    QTemporaryDir dir;
    PortSettings port{ProgramFolder(dir.path()), &Transports::make};
    Link link;
    QStringList problems;
};

TEST_F(SerialLine, APtyOfTheSimulatorTakesADownload) {
    HelperProcess sim(OBELC, {"sim", "--pty", dir.filePath("plc")});
    const QString device = sim.firstLine();
    ASSERT_TRUE(device.startsWith("/dev/pts/")) << sim.errors().toStdString();
    ASSERT_EQ(QFile::symLinkTarget(dir.filePath("plc")), device);

    loadWithCom1(dir.filePath("plc"));
    ASSERT_TRUE(port.portOpen());
    ASSERT_NE(dynamic_cast<SerialTransport*>(port.transport()), nullptr);
    // A pty has neither parity nor a DTR line: said once, and the link goes on.
    EXPECT_EQ(problems, QStringList({"COM1 (" + dir.filePath("plc") +
                                     ") does not take even parity, DTR; going on without."}));

    EXPECT_EQ(runProbe(link), true);
    // A baud rate change keeps the port open and the line working.
    port.click(5);
    const QByteArray data = QByteArray::fromHex("00015A5AA5FF0102AAAAAAAAAAAAA7A7");
    download(0x0F00, data);
    EXPECT_EQ(meanings(sim).toStdString(), downloadLog(0x0F00, data).toStdString());
    EXPECT_EQ(problems.size(), 1);

    sim.stop();
    EXPECT_FALSE(QFile::exists(dir.filePath("plc"))) << "the simulator removes its link";
}

TEST_F(SerialLine, ASerialLineServedOverTcp) {
    HelperProcess sim(OBELC, {"sim", "--listen", "127.0.0.1:0"});
    const QString target = sim.firstLine();
    ASSERT_TRUE(target.startsWith("tcp:127.0.0.1:")) << sim.errors().toStdString();

    // Straight to the simulator, the first frame written while connecting.
    loadWithCom1(target);
    ASSERT_NE(dynamic_cast<TcpTransport*>(port.transport()), nullptr);
    const QByteArray data = QByteArray::fromHex("1020304050");
    download(0x1000, data);
    EXPECT_EQ(meanings(sim).toStdString(), downloadLog(0x1000, data).toStdString());
    EXPECT_EQ(problems, QStringList());
}

TEST_F(SerialLine, APtyThatSocatBridgesToTheSimulator) {
    HelperProcess sim(OBELC, {"sim", "--listen", "127.0.0.1:0"});
    const QString target = sim.firstLine();
    ASSERT_TRUE(target.startsWith("tcp:")) << sim.errors().toStdString();
    const QString bridge = dir.filePath("bridge");
    HelperProcess socat("socat", {"pty,raw,echo=0,link=" + bridge, "tcp:" + target.mid(4)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(bridge); }, 10000));

    loadWithCom1(bridge);
    EXPECT_EQ(runProbe(link), true);
    const QByteArray data = QByteArray::fromHex("FEDCBA");
    download(0x2000, data);
    EXPECT_EQ(meanings(sim).toStdString(), downloadLog(0x2000, data).toStdString());
}

TEST_F(SerialLine, APortThatCannotBeOpenedIsToldOnceAndFramesGoNowhere) {
    loadWithCom1(dir.filePath("no-such-port"));
    EXPECT_FALSE(port.portOpen());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(
        problems[0].startsWith("COM1 (" + dir.filePath("no-such-port") + ") cannot be opened"))
        << problems[0].toStdString();

    link.setDelayMs(10);
    EXPECT_EQ(writeBytes(link, 0, "\x01"), 0);
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    port.setPortOpen(true);
    EXPECT_EQ(problems.size(), 1);
}

} // namespace
