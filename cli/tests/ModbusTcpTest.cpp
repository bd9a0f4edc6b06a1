// SPDX-License-Identifier: GPL-3.0-or-later
// obelc sim --modbus-tcp against Modbus TCP clients nobody here wrote:
// mbpoll and pymodbus write a register and read it back.

#include "HelperProcess.h"
#include "ObelcFixture.h"

#include <QFileInfo>
#include <QTest>

namespace {

Outcome run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class ModbusTcpTest : public ObelcTest {
protected:
    void SetUp() override {
        const QString target = sim.firstLine();
        ASSERT_TRUE(target.startsWith("tcp:127.0.0.1:")) << sim.errors().toStdString();
        port = target.section(':', 2);
    }
    HelperProcess sim{OBELC, {"sim", "--listen", "127.0.0.1:0", "--modbus-tcp"}};
    QString port;
};

TEST_F(ModbusTcpTest, MbpollWritesAndReadsARegister) {
    if (!QFileInfo::exists("/usr/bin/mbpoll")) GTEST_SKIP() << "mbpoll is not installed";
    // mbpoll counts registers from 1: its 33 is register 32.
    const QStringList common{"-m", "tcp", "-a", "173", "-r", "33", "-1", "-p", port, "127.0.0.1"};
    const Outcome written = run("mbpoll", common + QStringList{"4660"});
    EXPECT_EQ(written.status, 0) << written.out.toStdString() << written.err.toStdString();
    const Outcome read = run("mbpoll", common);
    EXPECT_TRUE(read.out.contains("[33]: \t4660")) << read.out.toStdString();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return sim.errors().contains("write register 32 = 1234"); }, 5000))
        << sim.errors().toStdString();
}

TEST_F(ModbusTcpTest, PymodbusWritesAndReadsARegister) {
    const Outcome probe = run("/usr/bin/python3", {"-c", "import pymodbus.client"});
    if (probe.status != 0)
        GTEST_SKIP() << "pymodbus cannot be imported: " << probe.err.toStdString();
    const Outcome read =
        run("/usr/bin/python3", {"-c",
                                 "import sys\n"
                                 "from pymodbus.client import ModbusTcpClient\n"
                                 "c = ModbusTcpClient('127.0.0.1', port=int(sys.argv[1]))\n"
                                 "c.connect()\n"
                                 "c.write_register(40, 0xBEEF, slave=173)\n"
                                 "print(c.read_holding_registers(40, 2, slave=173).registers)\n",
                                 port});
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, "[48879, 0]\n");
}

} // namespace
