// SPDX-License-Identifier: GPL-3.0-or-later
// libmodbus, a Modbus implementation nobody here wrote, as the peer: it
// builds the same requests our frames are, and as an RTU master it reads and
// writes the virtual controller's registers and checks every answer's form
// and CRC. Ptys take no parity, so libmodbus opens them with parity N.

#include "Drain.h"
#include "Frames.h"
#include "HelperProcess.h"
#include "SocatPair.h"
#include "TestBytes.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <modbus.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A libmodbus RTU master on a serial device.
class Master {
public:
    Master(const QString& device, int slave)
        : ctx_(modbus_new_rtu(qPrintable(device), 9600, 'N', 8, 1)) {
        if (!ctx_) return;
        modbus_set_slave(ctx_, slave);
        modbus_set_response_timeout(ctx_, 2, 0);
        connected_ = modbus_connect(ctx_) == 0;
    }
    ~Master() {
        if (!ctx_) return;
        modbus_close(ctx_);
        modbus_free(ctx_);
    }
    bool connected() const { return connected_; }
    // Its answer times out where nobody answers; short then.
    void impatient() { modbus_set_response_timeout(ctx_, 0, 1000); }
    modbus_t* operator*() const { return ctx_; }

private:
    modbus_t* ctx_;
    bool connected_ = false;
};

TEST(ModbusPeer, LibmodbusSendsTheBytesOfOurFrames) {
    QTemporaryDir dir;
    SocatPair pair(dir.path());
    ASSERT_TRUE(pair.ready());
    const int far = ::open(qPrintable(pair.b), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(far, 0);
    const auto closeFar = qScopeGuard([far] { ::close(far); });
    Master master(pair.a, 0xAD);
    ASSERT_TRUE(master.connected());
    master.impatient();

    ShortBytes ours{};
    LongBytes clock{};
    uint16_t value[8] = {};
    const uint16_t time[4] = {0x2612, 0x0106, 0x0905, 0x035A};
    const struct {
        const char* name;
        std::function<void()> theirs;
        QByteArray ours;
    } cases[] = {
        {"the probe", [&] { modbus_read_registers(*master, 1, 1, value); },
         (Frames::probe(ours), bytes(ours))},
        {"the tracer's read", [&] { modbus_read_registers(*master, 0x10 + 8 * 27, 8, value); },
         (Frames::registerRead(ours, 0xAD, 0x10 + 8 * 27), bytes(ours))},
        {"the tracer's write", [&] { modbus_write_register(*master, 0x20, 0xA55A); },
         (Frames::registerWrite(ours, 0xAD, 0x20, 0xA55A), bytes(ours))},
        {"the clock setting", [&] { modbus_write_registers(*master, 0x50, 4, time); },
         (Frames::timeWrite(clock, 0xAD, {0x26, 0x12, 0x01, 0x06, 0x09, 0x05, 0x03}),
          bytes(clock))},
    };
    for (const auto& c : cases) {
        drain(far);
        c.theirs();
        QByteArray sent;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return (sent += drain(far)).size() >= c.ours.size(); }, 5000));
        EXPECT_EQ(sent.toHex(' '), c.ours.toHex(' ')) << c.name;
    }
}

class ModbusMaster : public ::testing::Test {
protected:
    void SetUp() override {
        sim = std::make_unique<HelperProcess>(OBELC,
                                              QStringList{"sim", "--pty", dir.filePath("plc")});
        ASSERT_TRUE(sim->firstLine().startsWith("/dev/pts/"));
        master = std::make_unique<Master>(dir.filePath("plc"), 0xAD);
        ASSERT_TRUE(master->connected());
    }
    modbus_t* m() const { return **master; }

    QTemporaryDir dir;
    std::unique_ptr<HelperProcess> sim;
    std::unique_ptr<Master> master;
};

TEST_F(ModbusMaster, ReadsAndWritesRegistersOfTheVirtualController) {
    ASSERT_EQ(modbus_write_register(m(), 0x20, 0x1234), 1) << modbus_strerror(errno);
    const uint16_t block[3] = {0xA5A5, 0x005A, 0xFFFF};
    ASSERT_EQ(modbus_write_registers(m(), 0x21, 3, block), 3) << modbus_strerror(errno);

    uint16_t read[8] = {};
    ASSERT_EQ(modbus_read_registers(m(), 0x20, 8, read), 8) << modbus_strerror(errno);
    const uint16_t expected[8] = {0x1234, 0xA5A5, 0x005A, 0xFFFF, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(read, read + 8, expected));
    ASSERT_EQ(modbus_read_input_registers(m(), 0x22, 1, read), 1);
    EXPECT_EQ(read[0], 0x005A);

    // The run bit of register 23, as the tracer's run/stop button writes it.
    ASSERT_EQ(modbus_write_register(m(), 23, 0x0020), 1);
    ASSERT_EQ(modbus_read_registers(m(), 23, 1, read), 1);
    EXPECT_EQ(read[0], 0x0020);
}

TEST_F(ModbusMaster, SetsAndReadsTheClock) {
    const uint16_t time[4] = {0x2612, 0x0106, 0x0905, 0x035A};
    ASSERT_EQ(modbus_write_registers(m(), 0x50, 4, time), 4) << modbus_strerror(errno);
    uint16_t read[4] = {};
    ASSERT_EQ(modbus_read_registers(m(), 0x50, 4, read), 4);
    // Halted, so the clock stands: what was written comes back.
    EXPECT_TRUE(std::equal(read, read + 4, time));
}

// obelc's clock setting, read back by a master that did not write it.
TEST_F(ModbusMaster, ReadsTheClockObelcSet) {
    QProcess obelc;
    obelc.start(OBELC,
                {"clock", "--port", dir.filePath("plc"), "--time", "2027 01 07 30 23 59 58"});
    ASSERT_TRUE(obelc.waitForFinished(10000));
    ASSERT_EQ(obelc.exitCode(), 0) << obelc.readAllStandardError().toStdString();
    // obelc ends once its frame has left; the virtual controller may not have
    // read it yet, and a flush of this end of the pty empties the other end's
    // input too. So first the write taken, then its answer thrown away.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return sim->errors().contains("set the clock to 2027-01-30T23:59:58"); }, 5000))
        << sim->errors().toStdString();
    modbus_flush(m());
    uint16_t read[4] = {};
    ASSERT_EQ(modbus_read_registers(m(), 0x50, 4, read), 4) << modbus_strerror(errno);
    const uint16_t expected[4] = {0x2701, 0x0730, 0x2359, 0x585A};
    EXPECT_TRUE(std::equal(read, read + 4, expected))
        << std::hex << read[0] << ' ' << read[1] << ' ' << read[2] << ' ' << read[3];
}

TEST_F(ModbusMaster, RefusesWhatASlaveRefuses) {
    uint16_t read[8];
    EXPECT_EQ(modbus_read_registers(m(), 0xFC, 8, read), -1);
    EXPECT_EQ(errno, EMBXILADD);
    EXPECT_EQ(modbus_write_register(m(), 0x51, 0), -1);
    EXPECT_EQ(errno, EMBXILADD);
    const uint16_t notADate[4] = {0x2613, 0x0106, 0x0905, 0x035A};
    EXPECT_EQ(modbus_write_registers(m(), 0x50, 4, notADate), -1);
    EXPECT_EQ(errno, EMBXILVAL);
    uint8_t bits[8];
    EXPECT_EQ(modbus_read_bits(m(), 0, 8, bits), -1);
    EXPECT_EQ(errno, EMBXILFUN);
    // The controller is still there.
    EXPECT_EQ(modbus_read_registers(m(), 1, 1, read), 1);
}

} // namespace
