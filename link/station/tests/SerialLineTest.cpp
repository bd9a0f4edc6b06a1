// The link over real lines, as a user meets them: the port settings open the
// line that def/comports.def names, and obelc sim is the controller.

#include "Assmber.h"
#include "HelperProcess.h"
#include "Link.h"
#include "LinkRun.h"
#include "PortSettings.h"
#include "ProgramDownload.h"
#include "SerialTransport.h"
#include "TcpTransport.h"
#include "Transports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace {

class SerialLine : public ::testing::Test {
protected:
    SerialLine() {
        QDir(dir.path()).mkdir("def");
        QObject::connect(&port, &PortSettings::transportChanged, &link, &Link::setTransport);
        QObject::connect(&port, &PortSettings::problem,
                         [this](const QString& text) { problems << text; });
        link.setDelayMs(500);
        assmber.setWithController(true);
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
    // A source whose image is data from address 0: MOVD takes its two
    // operands as its two bytes.
    static QString sourceOf(const QByteArray& data) {
        QString source;
        for (qsizetype i = 0; i < data.size(); i += 2)
            source += QStringLiteral("            MOVD,&H%1,&H%2\r\n")
                          .arg(quint8(data[i]), 0, 16)
                          .arg(i + 1 < data.size() ? quint8(data[i + 1]) : 0, 0, 16);
        return source;
    }
    // The controller's log from halt to start: what the download of the
    // assembler's image leaves there.
    QString downloadLog() const {
        const auto hexText = [](int v, int digits) {
            return QString::number(v, 16).rightJustified(digits, u'0').toUpper();
        };
        QString log = "AA AA AA AA AA AA FF 2E  halt\n";
        for (const CodeImage::Record& r : CodeImage::records(assmber.code()))
            for (const int odd : {0, 1})
                log += "write " + hexText(odd ? r.odd : r.even, 2) + " at " +
                       hexText(r.address + odd, 4) + ", acknowledged\n";
        return log;
    }
    void download(const QByteArray& data) {
        EXPECT_EQ(runDownload(download_, sourceOf(data)), ProgramDownload::Outcome::Done)
            << download_.failure().toStdString();
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
    ProgramFolder folder{dir.path()};
    Assmber assmber{folder};
    ProgramDownload download_{link, assmber};
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
    // A pty has neither parity nor a DTR line nor low latency: said once, and the link goes on.
    EXPECT_EQ(problems, QStringList({"COM1 (" + dir.filePath("plc") +
                                     ") does not take even parity, DTR, low latency; going on "
                                     "without."}));

    // A baud rate change keeps the port open and the line working.
    port.click(5);
    download(QByteArray::fromHex("00015A5AA5FF0102AAAAAAAAAAAAA7A7"));
    EXPECT_EQ(meanings(sim).toStdString(), downloadLog().toStdString());
    EXPECT_EQ(problems.size(), 1);

    sim.stop();
    EXPECT_FALSE(QFile::exists(dir.filePath("plc"))) << "the simulator removes its link";
}

TEST_F(SerialLine, ALineLostInTheMiddleOfATransferEndsItWithoutAHang) {
    auto sim =
        std::make_unique<HelperProcess>(OBELC, QStringList{"sim", "--pty", dir.filePath("plc")});
    ASSERT_TRUE(sim->firstLine().startsWith("/dev/pts/"));
    loadWithCom1(dir.filePath("plc"));
    link.setDelayMs(100);
    assmber.setMapName("LOST.MAP");
    ASSERT_TRUE(download_.start(sourceOf(QByteArray(600, '\x11'))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim->errors().count("acknowledged") >= 20; }, 10000));
    sim.reset(); // the controller's end of the pty goes away

    ASSERT_TRUE(QTest::qWaitFor([&] { return !download_.running(); }, 10000));
    EXPECT_EQ(download_.outcome(), ProgramDownload::Outcome::NotAcknowledged);
    EXPECT_GE(download_.failedAddress(), 20);
    EXPECT_FALSE(QFile::exists(folder.path("plc\\LOST.BIN")));
    EXPECT_EQ(link.LinkIdle(), 1);
}

TEST_F(SerialLine, ASerialLineServedOverTcp) {
    HelperProcess sim(OBELC, {"sim", "--listen", "127.0.0.1:0"});
    const QString target = sim.firstLine();
    ASSERT_TRUE(target.startsWith("tcp:127.0.0.1:")) << sim.errors().toStdString();

    // Straight to the simulator, the first frame written while connecting.
    loadWithCom1(target);
    ASSERT_NE(dynamic_cast<TcpTransport*>(port.transport()), nullptr);
    download(QByteArray::fromHex("1020304050"));
    EXPECT_EQ(meanings(sim).toStdString(), downloadLog().toStdString());
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
    download(QByteArray::fromHex("FEDCBA"));
    EXPECT_EQ(meanings(sim).toStdString(), downloadLog().toStdString());
}

TEST_F(SerialLine, APortThatCannotBeOpenedIsToldOnceAndFramesGoNowhere) {
    loadWithCom1(dir.filePath("no-such-port"));
    EXPECT_FALSE(port.portOpen());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(
        problems[0].startsWith("COM1 (" + dir.filePath("no-such-port") + ") cannot be opened"))
        << problems[0].toStdString();

    link.setDelayMs(10);
    const auto write = [](ShortBytes& f) { Frames::byteWrite(f, 0, 0x01); };
    EXPECT_EQ(runExchange(link, write, Link::Flag::Ack), false);
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    port.setPortOpen(true);
    EXPECT_EQ(problems.size(), 1);
}

} // namespace
